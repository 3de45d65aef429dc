#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// A read-only line edit as assistive technology sees it: its text can be read, selected and
// measured, but there is no editable-text interface to change it through. Qt's own interface
// offers one, and takes edits, whether the box is read-only or not.
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ReadOnlyTextAccessible(QLineEdit* box);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  protected:
    QLineEdit* box() const;
};

// A line edit that takes typing, with the same text interface: Qt's own tells a reader that each
// character's text attributes run over no characters at all, and a reader that reads a line in
// runs then drops its last character ("100 selected" for a selected 1000).
class EditableTextAccessible : public ReadOnlyTextAccessible,
                               public QAccessibleEditableTextInterface {
  public:
    using ReadOnlyTextAccessible::ReadOnlyTextAccessible;

    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;
};
