#include "Accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QString>
#include <QTableView>
#include <QToolButton>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "AnnouncementAccessible.h"
#endif
#include "CalendarAccessible.h"
#include "CalendarGridAccessible.h"
#include "CalendarParts.h"
#include "EditableTextAccessible.h"
#include "ReadOnlyTextAccessible.h"

namespace {

QAccessibleInterface* OwnInterface(const QString& /*className*/, QObject* object) {
    if (auto* box = qobject_cast<QLineEdit*>(object)) {
        if (box->isReadOnly()) return new ReadOnlyTextAccessible(box);
        // A spin box speaks for its own text, as Qt has it.
        if (box->objectName() != QLatin1String("qt_spinbox_lineedit"))
            return new EditableTextAccessible(box);
    }
    if (IsDayGrid(object)) return new CalendarGridAccessible(static_cast<QTableView*>(object));
    if (auto* calendar = qobject_cast<QCalendarWidget*>(object))
        return new CalendarAccessible(calendar);
    return nullptr;
}

void NameNavigation(QCalendarWidget* calendar) {
    const auto name = [calendar](CalendarPart part, const QString& text) {
        if (QWidget* widget = PartOf(calendar, part)) widget->setAccessibleName(text);
    };
    const auto shown = [calendar](CalendarPart part) {
        auto* button = qobject_cast<QToolButton*>(PartOf(calendar, part));
        return button != nullptr ? button->text() : QString();
    };
    name(CalendarPart::PreviousMonth, QCoreApplication::translate("Calendar", "Previous month"));
    name(CalendarPart::NextMonth, QCoreApplication::translate("Calendar", "Next month"));
    name(CalendarPart::MonthButton,
         QCoreApplication::translate("Calendar", "Month %1").arg(shown(CalendarPart::MonthButton)));
    name(CalendarPart::YearButton,
         QCoreApplication::translate("Calendar", "Year %1").arg(shown(CalendarPart::YearButton)));
    name(CalendarPart::YearEdit, QCoreApplication::translate("Calendar", "Year"));
}

// A reader told that the grid has the focus speaks its month; the selected day follows as the
// focused child. Qt tells of the grid's focus after focusChanged, so the day is told later still.
void SpeakDayOnFocus(QCalendarWidget* calendar) {
    QTableView* view = DayGridOf(calendar);
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

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
constexpr char kAnnouncement[] = "accessibleAnnouncement";

void DropAnnouncement(QObject* speaker) {
    const auto id = speaker->property(kAnnouncement).value<QAccessible::Id>();
    if (id == 0) return;
    QAccessible::deleteAccessibleInterface(id);
    speaker->setProperty(kAnnouncement, QVariant::fromValue(QAccessible::Id{0}));
}
#endif

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

void Announce(QWidget* focusedButton, const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(focusedButton, text);
    QAccessible::updateAccessibility(&announcement);
#else
    // Before Qt 6.8 an announcement is a notification object that appears, each text one of its
    // own: a reader may keep the name of one it has seen.
    if (!focusedButton->property(kAnnouncement).isValid())
        QObject::connect(focusedButton, &QObject::destroyed, &DropAnnouncement);
    DropAnnouncement(focusedButton);
    auto* announcement = new AnnouncementAccessible(focusedButton, text);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(announcement);
    focusedButton->setProperty(kAnnouncement, QVariant::fromValue(id));
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}
