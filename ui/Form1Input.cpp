// How the window answers keys, clicks and moves of the focus beyond what Qt's controls do on
// their own: the year list that insists on a year, the denomination that is selected whole, and
// the keys of the open calendar.
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>
#include <QWindow>

#include <optional>

#include "Form1.h"

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
        // Answered before the click moves the focus, so that the click itself does nothing
        // (no Calculate behind the notice, no button left pressed).
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!clickLeavesEmptyYearList(childAt(position))) return false;
        Combo1_LostFocus();
        return true;
    }
    if (watched == Calendar1Grid) {
        return event->type() == QEvent::KeyPress &&
               handleCalendarKey(static_cast<QKeyEvent*>(event));
    }
    handleTextBoxEvent(watched, event);
    return false;
}

bool Form1::focusNextPrevChild(bool next) {
    // Tab and Shift+Tab; clicks are answered in eventFilter before they move the focus.
    if (leavingEmptyYearList()) {
        Combo1_LostFocus();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

bool Form1::handleCalendarKey(const QKeyEvent* key) {
    const bool yearKey = (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) &&
                         (key->modifiers() & Qt::ControlModifier);
    if (yearKey) {
        typedDate.clear();
        const int years = key->key() == Qt::Key_PageDown ? 1 : -1;
        Calendar1->setSelectedDate(Calendar1->selectedDate().addYears(years));
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !(text[0].isDigit() || text[0] == u'/')) {
        typedDate.clear();
        return false;
    }
    // A pause ends a typed date, as it ends a typed search in a list.
    constexpr qint64 kTypingPause = 2000;
    if (!lastTypedKey.isValid() || lastTypedKey.elapsed() > kTypingPause) typedDate.clear();
    lastTypedKey.start();
    typedDate += text;
    if (const std::optional<double> day = tresk::TypedDate(typedDate.toStdString())) {
        Calendar1->setSelectedDate(QDate(static_cast<int>(tresk::YearOf(*day)),
                                         static_cast<int>(tresk::MonthOf(*day)),
                                         static_cast<int>(tresk::DayOf(*day))));
    }
    return true;
}

void Form1::handleTextBoxEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    for (std::int16_t index = 0; index < static_cast<std::int16_t>(cmdAmt.size()); ++index) {
        if (cmdAmt[index] == nullptr || watched != cmdAmt[index]) continue;
        if (type == QEvent::FocusIn) {
            cmdAmt_GotFocus(index);
            selectDenominationOnRelease =
                static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        } else if (type == QEvent::FocusOut) {
            cmdAmt_LostFocus(index);
        } else if (type == QEvent::MouseButtonRelease && selectDenominationOnRelease) {
            selectDenominationOnRelease = false;
            cmdAmt_GotFocus(index);
        }
        return;
    }
    for (std::int16_t index = 0; index < static_cast<std::int16_t>(cmdDate.size()); ++index) {
        if (watched == cmdDate[index] && type == QEvent::FocusIn) cmdDate_GotFocus(index);
    }
}

bool Form1::leavingEmptyYearList() const {
    return QApplication::focusWidget() == Combo1 && Combo1->currentText().isEmpty();
}

bool Form1::clickLeavesEmptyYearList(QWidget* target) const {
    if (!leavingEmptyYearList()) return false;
    // The widget that the click would focus, found as Qt finds it: the first that takes focus
    // by click, passed on through its focus proxies (the list's own text hands it to the list).
    for (QWidget* widget = target; widget != nullptr && widget != this;
         widget = widget->parentWidget()) {
        if (!widget->isEnabled() || !(widget->focusPolicy() & Qt::ClickFocus)) continue;
        QWidget* taker = widget;
        while (taker->focusProxy() != nullptr)
            taker = taker->focusProxy();
        return taker != Combo1;
    }
    return false;
}
