#pragma once

class QCalendarWidget;
class QObject;
class QTableView;
class QWidget;

// The parts of a QCalendarWidget that it offers no API for: its navigation bar and buttons, and
// its grid of days, which takes the keys and the focus.
enum class CalendarPart {
    NavigationBar,
    PreviousMonth,
    NextMonth,
    MonthButton,
    YearButton,
    YearEdit
};

QWidget* PartOf(const QCalendarWidget* calendar, CalendarPart part);
QTableView* DayGridOf(const QCalendarWidget* calendar);
bool IsDayGrid(const QObject* object);
