#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>

// An accessible object that no widget of its own stands behind and that has no children: a day
// of the calendar's grid, a notification. It is a child of the widget it is made for, lives as
// long as that widget, and its text is not for assistive technology to change.
class LeafAccessible : public QAccessibleInterface {
  public:
    explicit LeafAccessible(QWidget* host) : host(host) {}

    bool isValid() const override { return !host.isNull(); }
    QWindow* window() const override {
        return host.isNull() ? nullptr : host->window()->windowHandle();
    }
    QAccessibleInterface* parent() const override {
        return host.isNull() ? nullptr : QAccessible::queryAccessibleInterface(host);
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

  private:
    QPointer<QWidget> host;
};
