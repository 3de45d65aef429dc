#include "CalendarParts.h"

#include <QCalendarWidget>
#include <QTableView>

#include <cstddef>

// Qt's object names for the calendar's parts have stood since Qt 4; this is the one place that
// depends on them, so that a change in Qt shows up in one file and in the tests that use it.
// In the order of CalendarPart.
constexpr const char* kPartNames[] = {"qt_calendar_navigationbar", "qt_calendar_prevmonth",
                                      "qt_calendar_nextmonth",     "qt_calendar_monthbutton",
                                      "qt_calendar_yearbutton",    "qt_calendar_yearedit"};

QWidget* PartOf(const QCalendarWidget* calendar, CalendarPart part) {
    return calendar->findChild<QWidget*>(QLatin1String(kPartNames[static_cast<std::size_t>(part)]));
}

// The grid of days is the only table view a calendar holds.
QTableView* DayGridOf(const QCalendarWidget* calendar) {
    return calendar->findChild<QTableView*>();
}

bool IsDayGrid(const QObject* object) {
    const auto* view = qobject_cast<const QTableView*>(object);
    return view != nullptr && qobject_cast<const QCalendarWidget*>(view->parentWidget()) != nullptr;
}
