#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>

#include "leaf_accessible.h"

class QWidget;

// A notification that no widget shows: readers speak it when told that it has appeared, whatever
// control has the focus. It hangs off the window of the control it speaks for.
class AnnouncementAccessible : public LeafAccessible {
  public:
    AnnouncementAccessible(QWidget* speaker, const QString& text);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

  private:
    QPointer<QWidget> speaker;
    QString spoken;
};
