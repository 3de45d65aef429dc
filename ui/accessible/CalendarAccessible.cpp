#include "CalendarAccessible.h"

#include <QCalendarWidget>
#include <QTableView>

#include "CalendarParts.h"

CalendarAccessible::CalendarAccessible(QCalendarWidget* calendar)
    : QAccessibleWidget(calendar, QAccessible::Grouping) {}

QList<QWidget*> CalendarAccessible::parts() const {
    const auto* calendar = static_cast<const QCalendarWidget*>(widget());
    return {PartOf(calendar, CalendarPart::NavigationBar), DayGridOf(calendar)};
}

int CalendarAccessible::childCount() const {
    return static_cast<int>(parts().size());
}

QAccessibleInterface* CalendarAccessible::child(int index) const {
    const QList<QWidget*> shown = parts();
    if (index < 0 || index >= shown.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(shown[index]);
}

int CalendarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return static_cast<int>(parts().indexOf(qobject_cast<QWidget*>(child->object())));
}
