#pragma once

#include "ReadOnlyTextAccessible.h"

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
