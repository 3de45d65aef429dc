// How the window answers keys, clicks and moves of the focus beyond what Qt's controls do on
// their own: the year list that insists on a year, the denomination that is selected whole, the
// calendar that holds the keyboard while it is open, Enter on the buttons, and the result's menu.
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleHints>
#include <QTableView>
#include <QWindow>

#include <optional>

#include "Form1.h"

namespace {

bool IsEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseMove:
                return handleWindowMouse(static_cast<QMouseEvent*>(event));
            default:
                return false;
        }
    }
    if (watched == Calendar1Grid) {
        return event->type() == QEvent::KeyPress &&
               handleCalendarKey(static_cast<QKeyEvent*>(event));
    }
    if (watched == cmDate || watched == cmdCalc) {
        return handleButtonKey(static_cast<QPushButton*>(watched), event);
    }
    if (watched == Combo1) {
        // Enter settles the typed text at once, as leaving the list does, and presses nothing.
        if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
            settleYearListText();
            return true;
        }
        // Leaving a list with a text in it; the empty list is answered before the focus moves.
        // A drop-down or another window taking the keyboard is no leaving.
        if (event->type() != QEvent::FocusOut || Combo1->currentText().isEmpty()) return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            Combo1_LostFocus();
        return false;
    }
    handleTextBoxEvent(watched, event);
    return false;
}

bool Form1::focusNextPrevChild(bool next) {
    // The open calendar covers the controls that Tab would reach; like any pop-up it keeps the
    // keyboard until a day is picked or Escape closes it.
    if (Calendar1->isVisible()) {
        Calendar1Grid->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    // Tab and Shift+Tab; clicks are answered in eventFilter before they move the focus.
    if (leavingEmptyYearList()) {
        Combo1_LostFocus();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
    // The result box is disabled, so the window answers for it: a right click over it, or the
    // menu key on a control that has no menu of its own.
    const QRect result = cmdDate[0]->geometry();
    const bool byKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    if (!byKeyboard && !result.contains(event->pos())) {
        event->ignore();
        return;
    }
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuResult"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(mnuCopy);
    menu->addAction(mnuCopySchedule);
    menu->addAction(mnuAddToCertificates);
    menu->addAction(mnuCertificates);
    // From the keyboard the menu hangs from the box's leading edge: from its left edge in the
    // design, mirrored with the box.
    const QRect designMenu(visualRect(result).bottomLeft(), menu->sizeHint());
    menu->popup(byKeyboard ? mapToGlobal(visualRect(designMenu).topLeft()) : event->globalPos());
    // Opened from the keyboard, a menu stands on its first item, so readers have one to speak.
    if (byKeyboard) menu->setActiveAction(mnuCopy);
}

bool Form1::handleWindowMouse(const QMouseEvent* mouse) {
    const QEvent::Type type = mouse->type();
    if (ignoringClick) {
        if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton)
            ignoringClick = false;
        return true;
    }
    if (type == QEvent::MouseButtonRelease || type == QEvent::MouseMove) return false;

    const QPoint position = mouse->position().toPoint();
    QWidget* target = childAt(position);
    if (type == QEvent::MouseButtonPress) {
        const QStyleHints* hints = QGuiApplication::styleHints();
        // Timed by the events' own clocks, as Qt tells a double click.
        const quint64 interval = static_cast<quint64>(hints->mouseDoubleClickInterval());
        const bool endsDoubleClick =
            lastPressTimestamp && mouse->timestamp() - *lastPressTimestamp < interval &&
            (position - lastPressPosition).manhattanLength() <= hints->mouseDoubleClickDistance();
        const bool samePlace = target == lastPressTarget;
        lastPressTarget = target;
        lastPressPosition = position;
        lastPressTimestamp = mouse->timestamp();
        // The first click may have closed the calendar that lay over another control.
        if (endsDoubleClick && !samePlace) {
            ignoringClick = true;
            return true;
        }
    }
    // Answered before the click moves the focus, so that the click itself does nothing
    // (no Calculate behind the notice, no button left pressed).
    if (!clickLeavesEmptyYearList(target)) return false;
    Combo1_LostFocus();
    return true;
}

bool Form1::handleButtonKey(QPushButton* button, const QEvent* event) {
    // Enter presses the focused button as Space does: down while held, clicked on release.
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!IsEnter(key)) return false;
    if (key->isAutoRepeat()) return true;
    if (type == QEvent::KeyPress) {
        button->setDown(true);
    } else if (button->isDown()) {  // not the release of an Enter that picked a day
        button->setDown(false);
        button->click();
    }
    return true;
}

bool Form1::handleCalendarKey(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        hideCalendar(cmDate);
        return true;
    }
    const bool yearKey = (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) &&
                         (key->modifiers() & Qt::ControlModifier);
    if (yearKey) {
        typedDate.clear();
        const int years = key->key() == Qt::Key_PageDown ? 1 : -1;
        Calendar1->setSelectedDate(Calendar1->selectedDate().addYears(years));
        return true;
    }
    const QString text = key->text();
    const QList<uint> typed = text.toUcs4();  // a digit beyond the first plane is two units
    if (typed.size() != 1 || !(QChar::isDigit(typed[0]) || typed[0] == u'/')) {
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
