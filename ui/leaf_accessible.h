#pragma once

#include <QAccessible>

// An accessible object that no widget of its own stands behind and that has no children: a day
// of the calendar's grid, a notification. Its text is not for assistive technology to change.
class LeafAccessible : public QAccessibleInterface {
  public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
};
