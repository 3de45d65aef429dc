#include "announcement_accessible.h"

#include <QWidget>
#include <QWindow>

AnnouncementAccessible::AnnouncementAccessible(QWidget* speaker, const QString& text)
    : speaker(speaker), spoken(text) {}

bool AnnouncementAccessible::isValid() const {
    return !speaker.isNull();
}

QWindow* AnnouncementAccessible::window() const {
    return speaker.isNull() ? nullptr : speaker->window()->windowHandle();
}

QAccessibleInterface* AnnouncementAccessible::parent() const {
    return speaker.isNull() ? nullptr : QAccessible::queryAccessibleInterface(speaker->window());
}

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
