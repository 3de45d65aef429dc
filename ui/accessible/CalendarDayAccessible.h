#pragma once

#include <QAccessible>
#include <QDate>
#include <QPointer>

#include "LeafAccessible.h"

class QCalendarWidget;
class QModelIndex;
class QTableView;

// One cell of the calendar's grid: a day, named with its full date, or a heading. Selecting a
// day through it makes that day the calendar's date, as the arrow keys do.
// Row and column are the model's, -1 for the sections of the view's hidden headers.
class CalendarDayAccessible : public LeafAccessible, public QAccessibleActionInterface {
  public:
    CalendarDayAccessible(QTableView* view, int row, int column, QDate date);

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    QString localizedActionName(const QString& name) const override;
    QString localizedActionDescription(const QString& name) const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString& name) const override;

    static const QString& selectAction();

  private:
    QCalendarWidget* calendar() const;
    QModelIndex index() const;
    bool isHidden() const;  // a section of the view's hidden headers
    bool isDay() const;
    bool isSelectable() const;

    QPointer<QTableView> view;
    int row;
    int column;
    QDate date;  // invalid for a heading
};
