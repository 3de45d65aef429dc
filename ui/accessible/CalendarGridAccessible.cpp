#include "CalendarGridAccessible.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QTableView>

#include "CalendarCells.h"
#include "CalendarDayAccessible.h"

CalendarGridAccessible::CalendarGridAccessible(QTableView* view)
    : QAccessibleWidget(view, QAccessible::Table) {}

CalendarGridAccessible::~CalendarGridAccessible() {
    for (const auto* ids : {&made, &madeForPageBefore}) {
        for (const QAccessible::Id id : *ids) {
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        }
    }
}

QTableView* CalendarGridAccessible::view() const {
    return static_cast<QTableView*>(widget());
}

QCalendarWidget* CalendarGridAccessible::calendar() const {
    return static_cast<QCalendarWidget*>(view()->parentWidget());
}

QString CalendarGridAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !view()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    const QCalendarWidget* month = calendar();
    return month->locale().standaloneMonthName(month->monthShown()) + QLatin1Char(' ') +
           QString::number(month->yearShown());
}

int CalendarGridAccessible::childCount() const {
    const QAbstractItemModel* model = view()->model();
    return (model->rowCount() + 1) * (model->columnCount() + 1);
}

int CalendarGridAccessible::childIndex(int row, int column) const {
    return (row + 1) * (view()->model()->columnCount() + 1) + column + 1;
}

QAccessibleInterface* CalendarGridAccessible::child(int index) const {
    const int count = childCount();
    if (index < 0 || index >= count) return nullptr;
    const QDate first = DateAt(view(), FirstDayRow(view()), FirstDayColumn(view()));
    if (first != madeForFirstDay || made.size() != static_cast<std::size_t>(count)) {
        // The children of the page before live on until the next page, since an action on one of
        // them may be what brought this page.
        for (const QAccessible::Id id : madeForPageBefore) {
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        }
        madeForPageBefore = std::move(made);
        made.assign(static_cast<std::size_t>(count), 0);
        madeForFirstDay = first;
    }
    QAccessible::Id& id = made[static_cast<std::size_t>(index)];
    if (id == 0) {
        const int columns = view()->model()->columnCount() + 1;
        const int row = index / columns - 1;
        const int column = index % columns - 1;
        id = QAccessible::registerAccessibleInterface(
            new CalendarDayAccessible(view(), row, column, DateAt(view(), row, column)));
    }
    return QAccessible::accessibleInterface(id);
}

int CalendarGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t index = 0; index < made.size(); ++index) {
        if (made[index] != 0 && QAccessible::accessibleInterface(made[index]) == child)
            return static_cast<int>(index);
    }
    return -1;
}

QAccessibleInterface* CalendarGridAccessible::childAt(int x, int y) const {
    const QModelIndex cell = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    if (!cell.isValid()) return nullptr;
    return child(childIndex(cell.row(), cell.column()));
}

QAccessibleInterface* CalendarGridAccessible::focusChild() const {
    const QModelIndex current = view()->currentIndex();
    if (!view()->hasFocus() || !current.isValid()) return nullptr;
    return child(childIndex(current.row(), current.column()));
}
