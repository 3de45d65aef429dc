#include "accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QString>
#include <QTableView>
#include <QToolButton>

#include "announcement_accessible.h"
#include "calendar_grid_accessible.h"
#include "read_only_text_accessible.h"

namespace {

QAccessibleInterface* OwnInterface(const QString& /*className*/, QObject* object) {
    if (auto* box = qobject_cast<QLineEdit*>(object); box != nullptr && box->isReadOnly())
        return new ReadOnlyTextAccessible(box);
    // The calendar's day grid is the only table view that a calendar holds.
    if (auto* view = qobject_cast<QTableView*>(object);
        view != nullptr && qobject_cast<QCalendarWidget*>(view->parentWidget()) != nullptr)
        return new CalendarGridAccessible(view);
    return nullptr;
}

void NameNavigation(QCalendarWidget* calendar) {
    const auto name = [calendar](const char* objectName, const QString& text) {
        if (auto* part = calendar->findChild<QWidget*>(QLatin1String(objectName)))
            part->setAccessibleName(text);
    };
    const auto shown = [calendar](const char* objectName) {
        auto* button = calendar->findChild<QToolButton*>(QLatin1String(objectName));
        return button != nullptr ? button->text() : QString();
    };
    name("qt_calendar_prevmonth", QStringLiteral("Previous month"));
    name("qt_calendar_nextmonth", QStringLiteral("Next month"));
    name("qt_calendar_monthbutton", QStringLiteral("Month ") + shown("qt_calendar_monthbutton"));
    name("qt_calendar_yearbutton", QStringLiteral("Year ") + shown("qt_calendar_yearbutton"));
    name("qt_calendar_yearedit", QStringLiteral("Year"));
}

// A reader told that the grid has the focus speaks its month; the selected day follows as the
// focused child. Qt tells of the grid's focus after focusChanged, so the day is told later still.
void SpeakDayOnFocus(QCalendarWidget* calendar) {
    auto* view = calendar->findChild<QTableView*>();
    QObject::connect(qApp, &QApplication::focusChanged, view, [view](QWidget*, QWidget* now) {
        if (now != view) return;
        QMetaObject::invokeMethod(
            view,
            [view] {
                auto* grid = dynamic_cast<CalendarGridAccessible*>(
                    QAccessible::queryAccessibleInterface(view));
                const QModelIndex current = view->currentIndex();
                if (grid == nullptr || !view->hasFocus() || !current.isValid()) return;
                QAccessibleEvent event(view, QAccessible::Focus);
                event.setChild(grid->childIndex(current.row(), current.column()));
                QAccessible::updateAccessibility(&event);
            },
            Qt::QueuedConnection);
    });
}

constexpr char kAnnouncement[] = "accessibleAnnouncement";

void DropAnnouncement(QObject* speaker) {
    const auto id = speaker->property(kAnnouncement).value<QAccessible::Id>();
    if (id == 0) return;
    QAccessible::deleteAccessibleInterface(id);
    speaker->setProperty(kAnnouncement, QVariant::fromValue(QAccessible::Id{0}));
}

}  // namespace

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(&OwnInterface);
}

void MakeReadOnly(QLineEdit* box) {
    box->setReadOnly(true);
    // An interface made before the box became read-only would still accept edits; the next query
    // makes the read-only one.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(box))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void DescribeCalendar(QCalendarWidget* calendar) {
    SpeakDayOnFocus(calendar);
    NameNavigation(calendar);
    QObject::connect(calendar, &QCalendarWidget::currentPageChanged, calendar,
                     [calendar] { NameNavigation(calendar); });
}

void AnnounceResult(QWidget* focusedButton, const QString& text) {
    // Each result is a notification of its own: a reader may keep the name of one it has seen.
    if (!focusedButton->property(kAnnouncement).isValid())
        QObject::connect(focusedButton, &QObject::destroyed, &DropAnnouncement);
    DropAnnouncement(focusedButton);
    auto* announcement = new AnnouncementAccessible(focusedButton, text);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(announcement);
    focusedButton->setProperty(kAnnouncement, QVariant::fromValue(id));
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
