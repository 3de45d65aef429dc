#pragma once

#include <QDate>

class QTableView;

// Where the days stand in a calendar's grid of days. The grid's model is Qt's own, so its layout
// is read off the calendar's settings and the cells themselves.

int FirstDayRow(const QTableView* grid);  // below the day names, where they show
int FirstDayColumn(const QTableView* grid);
// The day that a cell of the grid's model shows; invalid for the headings.
QDate DateAt(const QTableView* grid, int row, int column);
