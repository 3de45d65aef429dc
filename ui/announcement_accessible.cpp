#include "announcement_accessible.h"

#include <QWidget>
#include <QWindow>

AnnouncementAccessible::AnnouncementAccessible(QWidget* speaker, const QString& text)
    : speaker(speaker), spoken(text) {}

bool AnnouncementAccessible::isValid() const {
    return !speaker.isNull();
}

QObject* AnnouncementAccessible::object() const {
    return nullptr;
}

QWindow* AnnouncementAccessible::window() const {
    return speaker.isNull() ? nullptr : speaker->window()->windowHandle();
}

QAccessibleInterface* AnnouncementAccessible::childAt(int /*x*/, int /*y*/) const {
    return nullptr;
}

QAccessibleInterface* AnnouncementAccessible::parent() const {
    return speaker.isNull() ? nullptr : QAccessible::queryAccessibleInterface(speaker->window());
}

QAccessibleInterface* AnnouncementAccessible::child(int /*index*/) const {
    return nullptr;
}

int AnnouncementAccessible::childCount() const {
    return 0;
}

int AnnouncementAccessible::indexOfChild(const QAccessibleInterface* /*child*/) const {
    return -1;
}

QString AnnouncementAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? spoken : QString();
}

void AnnouncementAccessible::setText(QAccessible::Text /*t*/, const QString& /*text*/) {}

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
