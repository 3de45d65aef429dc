#pragma once

#include <QAccessibleWidget>
#include <QList>

class QCalendarWidget;

// Qt makes the calendar a table without a table interface, which readers pass over as layout; as
// a group it is named when the focus comes into it. Its parts keep the order Qt gives them: the
// navigation bar, then the grid of days.
class CalendarAccessible : public QAccessibleWidget {
  public:
    explicit CalendarAccessible(QCalendarWidget* calendar);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    QList<QWidget*> parts() const;
};
