#include "CalendarCells.h"

#include <QCalendarWidget>
#include <QTableView>

namespace {

const QCalendarWidget* CalendarOf(const QTableView* grid) {
    return static_cast<const QCalendarWidget*>(grid->parentWidget());
}

// The first cell that shows a 1 is the first of the month on show, since the days before it end
// the month before.
QDate FirstShownDay(const QTableView* grid) {
    const QAbstractItemModel* model = grid->model();
    const int columns = model->columnCount() - FirstDayColumn(grid);
    for (int row = FirstDayRow(grid); row < model->rowCount(); ++row) {
        for (int column = FirstDayColumn(grid); column < model->columnCount(); ++column) {
            if (model->data(model->index(row, column)).toInt() != 1) continue;
            const int before = (row - FirstDayRow(grid)) * columns + column - FirstDayColumn(grid);
            const QCalendarWidget* calendar = CalendarOf(grid);
            return QDate(calendar->yearShown(), calendar->monthShown(), 1).addDays(-before);
        }
    }
    return {};
}

}  // namespace

int FirstDayRow(const QTableView* grid) {
    return CalendarOf(grid)->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0
                                                                                             : 1;
}

int FirstDayColumn(const QTableView* grid) {
    return CalendarOf(grid)->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
}

QDate DateAt(const QTableView* grid, int row, int column) {
    if (row < FirstDayRow(grid) || column < FirstDayColumn(grid)) return {};
    const QDate first = FirstShownDay(grid);
    if (!first.isValid()) return {};
    const int columns = grid->model()->columnCount() - FirstDayColumn(grid);
    return first.addDays((row - FirstDayRow(grid)) * columns + column - FirstDayColumn(grid));
}
