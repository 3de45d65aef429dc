#include "AnnouncementAccessible.h"

#include <QWidget>

AnnouncementAccessible::AnnouncementAccessible(QWidget* speaker, const QString& text)
    : LeafAccessible(speaker->window()), spoken(text) {}

QString AnnouncementAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? spoken : QString();
}

QRect AnnouncementAccessible::rect() const {
    return {};
}

QAccessible::Role AnnouncementAccessible::role() const {
    return QAccessible::Notification;
}

QAccessible::State AnnouncementAccessible::state() const {
    QAccessible::State state;
    state.invalid = !isValid();
    return state;
}
