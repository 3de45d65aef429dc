#include "calendar_day_accessible.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QTableView>
#include <QWindow>

#include "calendar_grid_accessible.h"

CalendarDayAccessible::CalendarDayAccessible(QTableView* view, int row, int column, QDate date)
    : view(view), row(row), column(column), date(date) {}

const QString& CalendarDayAccessible::selectAction() {
    static const QString name = QStringLiteral("Select");
    return name;
}

CalendarGridAccessible* CalendarDayAccessible::grid() const {
    return static_cast<CalendarGridAccessible*>(QAccessible::queryAccessibleInterface(view));
}

QModelIndex CalendarDayAccessible::index() const {
    return view->model()->index(row, column);
}

bool CalendarDayAccessible::isHidden() const {
    return row < 0 || column < 0;
}

bool CalendarDayAccessible::isDay() const {
    return row >= grid()->firstDayRow() && column >= grid()->firstDayColumn();
}

bool CalendarDayAccessible::isValid() const {
    // A day's child is done with once its page is: the same place now shows another day.
    return !view.isNull() && (!isDay() || grid()->dateAt(row, column) == date);
}

QWindow* CalendarDayAccessible::window() const {
    return view.isNull() ? nullptr : view->window()->windowHandle();
}

QAccessibleInterface* CalendarDayAccessible::parent() const {
    return view.isNull() ? nullptr : grid();
}

QString CalendarDayAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || view.isNull()) return {};
    const QLocale locale = grid()->calendar()->locale();
    if (isDay()) return locale.toString(date, QStringLiteral("dddd d MMMM yyyy"));
    if (row < grid()->firstDayRow() && column >= grid()->firstDayColumn())
        return locale.dayName(grid()->dateAt(grid()->firstDayRow(), column).dayOfWeek());
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
    return row < grid()->firstDayRow() ? QAccessible::ColumnHeader : QAccessible::RowHeader;
}

bool CalendarDayAccessible::isSelectable() const {
    if (view.isNull()) return false;
    const QCalendarWidget* calendar = grid()->calendar();
    return isDay() && date >= calendar->minimumDate() && date <= calendar->maximumDate();
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

QString CalendarDayAccessible::localizedActionDescription(const QString& name) const {
    if (name == selectAction()) return QStringLiteral("Makes this day the calendar's date");
    return QAccessibleActionInterface::localizedActionDescription(name);
}

void CalendarDayAccessible::doAction(const QString& name) {
    if (name == selectAction() && isValid() && isSelectable())
        grid()->calendar()->setSelectedDate(date);
}

QStringList CalendarDayAccessible::keyBindingsForAction(const QString& /*name*/) const {
    return {};
}
