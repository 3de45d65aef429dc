#include "ReadOnlyTextAccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

QLineEdit* ReadOnlyTextAccessible::box() const {
    return static_cast<QLineEdit*>(widget());
}

QString ReadOnlyTextAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return box()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State ReadOnlyTextAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.selectableText = true;
    return state;
}

void* ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void ReadOnlyTextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText()) return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int ReadOnlyTextAccessible::selectionCount() const {
    return box()->hasSelectedText() ? 1 : 0;
}

void ReadOnlyTextAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void ReadOnlyTextAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) box()->deselect();
}

void ReadOnlyTextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) box()->setSelection(startOffset, endOffset - startOffset);
}

int ReadOnlyTextAccessible::cursorPosition() const {
    return box()->cursorPosition();
}

void ReadOnlyTextAccessible::setCursorPosition(int position) {
    box()->setCursorPosition(position);
}

QString ReadOnlyTextAccessible::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset) return {};
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyTextAccessible::characterCount() const {
    return static_cast<int>(box()->text().size());
}

QRect ReadOnlyTextAccessible::characterRect(int offset) const {
    const QString shown = box()->text();
    if (offset < 0 || offset >= shown.size()) return {};
    // The boxes show left-aligned text, so the character's place follows from the advance of the
    // text before it; QLineEdit pads its text by two pixels. A denomination too long for its box
    // is measured from its start, as Qt's own interface measures it.
    constexpr int kPadding = 2;
    const QFontMetrics metrics(box()->font());
    const QRect contents = box()->contentsRect().marginsRemoved(box()->textMargins());
    const int x = contents.left() + kPadding + metrics.horizontalAdvance(shown.left(offset));
    const int y = contents.top() + (contents.height() - metrics.height()) / 2;
    const QRect local(x, y, metrics.horizontalAdvance(shown.at(offset)), metrics.height());
    return {box()->mapToGlobal(local.topLeft()), local.size()};
}

int ReadOnlyTextAccessible::offsetAtPoint(const QPoint& point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void ReadOnlyTextAccessible::scrollToSubstring(int startIndex, int endIndex) {
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString ReadOnlyTextAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
    // No attributes, over the whole text: a reader joins runs and reads up to the last one's end.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
