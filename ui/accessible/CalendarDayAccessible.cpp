#include "CalendarDayAccessible.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLocale>
#include <QTableView>

#include "CalendarCells.h"

CalendarDayAccessible::CalendarDayAccessible(QTableView* view, int row, int column, QDate date)
    : LeafAccessible(view), view(view), row(row), column(column), date(date) {}

const QString& CalendarDayAccessible::selectAction() {
    static const QString name = QStringLiteral("Select");
    return name;
}

QCalendarWidget* CalendarDayAccessible::calendar() const {
    return static_cast<QCalendarWidget*>(view->parentWidget());
}

QModelIndex CalendarDayAccessible::index() const {
    return view->model()->index(row, column);
}

bool CalendarDayAccessible::isHidden() const {
    return row < 0 || column < 0;
}

bool CalendarDayAccessible::isDay() const {
    return row >= FirstDayRow(view) && column >= FirstDayColumn(view);
}

bool CalendarDayAccessible::isValid() const {
    // A day's child is done with once its page is: the same place now shows another day.
    return LeafAccessible::isValid() && (!isDay() || DateAt(view, row, column) == date);
}

QString CalendarDayAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || view.isNull()) return {};
    const QLocale locale = calendar()->locale();
    if (isDay()) return locale.toString(date, QStringLiteral("dddd d MMMM yyyy"));
    if (row < FirstDayRow(view) && column >= FirstDayColumn(view))
        return locale.dayName(DateAt(view, FirstDayRow(view), column).dayOfWeek());
    return isHidden() ? QString() : view->model()->data(index()).toString();  // a week number
}

QRect CalendarDayAccessible::rect() const {
    if (view.isNull() || isHidden()) return {};
    const QRect cell = view->visualRect(index());
    return {view->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
}

QAccessible::Role CalendarDayAccessible::role() const {
    if (view.isNull() || isDay()) return QAccessible::Cell;
    if (row < 0 && column < 0) return QAccessible::Pane;  // the header views' corner
    if (column < 0) return QAccessible::RowHeader;
    return row < FirstDayRow(view) ? QAccessible::ColumnHeader : QAccessible::RowHeader;
}

bool CalendarDayAccessible::isSelectable() const {
    if (view.isNull()) return false;
    const QCalendarWidget* month = calendar();
    return isDay() && date >= month->minimumDate() && date <= month->maximumDate();
}

QAccessible::State CalendarDayAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.invisible = isHidden() || !view->isVisible();
    state.disabled = !view->isEnabled() || (isDay() && !isSelectable());
    if (isSelectable()) {
        state.focusable = true;
        state.selectable = true;
        state.selected = view->selectionModel()->isSelected(index());
        state.focused = view->hasFocus() && view->currentIndex() == index();
    }
    return state;
}

void* CalendarDayAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList CalendarDayAccessible::actionNames() const {
    if (!isValid() || !isSelectable()) return {};
    return {selectAction()};
}

QString CalendarDayAccessible::localizedActionName(const QString& name) const {
    if (name == selectAction()) return QCoreApplication::translate("Calendar", "Select");
    return QAccessibleActionInterface::localizedActionName(name);
}

QString CalendarDayAccessible::localizedActionDescription(const QString& name) const {
    if (name == selectAction())
        return QCoreApplication::translate("Calendar", "Makes this day the calendar's date");
    return QAccessibleActionInterface::localizedActionDescription(name);
}

void CalendarDayAccessible::doAction(const QString& name) {
    if (name == selectAction() && isValid() && isSelectable()) calendar()->setSelectedDate(date);
}

QStringList CalendarDayAccessible::keyBindingsForAction(const QString& /*name*/) const {
    return {};
}
