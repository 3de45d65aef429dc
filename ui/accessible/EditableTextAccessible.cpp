#include "EditableTextAccessible.h"

#include <QLineEdit>

QAccessible::State EditableTextAccessible::state() const {
    QAccessible::State state = ReadOnlyTextAccessible::state();
    state.readOnly = false;
    state.editable = true;
    return state;
}

void* EditableTextAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return ReadOnlyTextAccessible::interface_cast(t);
}

void EditableTextAccessible::deleteText(int startOffset, int endOffset) {
    box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
}

void EditableTextAccessible::insertText(int offset, const QString& text) {
    box()->setText(box()->text().insert(offset, text));
}

void EditableTextAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}
