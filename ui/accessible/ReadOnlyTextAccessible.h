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
