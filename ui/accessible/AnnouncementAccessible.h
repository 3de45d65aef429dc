#pragma once

#include <QAccessible>
#include <QString>

#include "LeafAccessible.h"

class QWidget;

// A notification that no widget shows: readers speak it when told that it has appeared, whatever
// control has the focus. It hangs off the window of the control it speaks for.
class AnnouncementAccessible : public LeafAccessible {
  public:
    AnnouncementAccessible(QWidget* speaker, const QString& text);

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

  private:
    QString spoken;
};
