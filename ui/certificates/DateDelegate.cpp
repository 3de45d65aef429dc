#include "DateDelegate.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDate>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

#include "Conversions.h"
#include "WindowLook.h"

namespace {

// The calculator's calendar button shows bars; the box's button is drawn the same.
QIcon CalendarIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 1));
    for (int x = 3; x <= 13; x += 2)
        painter.drawLine(x, 3, x, 12);
    return QIcon(pixmap);
}

void OpenCalendar(QLineEdit* box, DateDelegate* delegate) {
    auto* calendar = new QCalendarWidget(box);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setObjectName(QStringLiteral("DateCalendar"));
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setGridVisible(true);
    calendar->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    calendar->setDateEditEnabled(false);
    calendar->setAccessibleName(QCoreApplication::translate("Form1", "Date of purchase calendar"));
    ApplyCalendarLook(calendar);
    const double today = tresk::Today();
    const tresk::CalendarDate shown =
        tresk::CalendarDateOf(tresk::TypedDate(box->text().toStdString()).value_or(today));
    calendar->setSelectedDate(
        QDate(shown.year, static_cast<int>(shown.month), static_cast<int>(shown.day)));
    const auto pick = [box, calendar, delegate](QDate date) {
        box->setText(QString::fromStdString(tresk::DateText(tresk::DateSerial(
            date.year(), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day())))));
        calendar->close();
        emit delegate->commitData(box);
        emit delegate->closeEditor(box, QAbstractItemDelegate::SubmitModelCache);
    };
    QObject::connect(calendar, &QCalendarWidget::clicked, box, pick);
    QObject::connect(calendar, &QCalendarWidget::activated, box, pick);
    calendar->adjustSize();
    calendar->move(box->mapToGlobal(QPoint(0, box->height())));
    calendar->show();
    calendar->setFocus(Qt::PopupFocusReason);
}

}  // namespace

QWidget* DateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& /*index*/) const {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("DateBox"));
    auto* pick = box->addAction(CalendarIcon(), QLineEdit::TrailingPosition);
    pick->setText(QCoreApplication::translate("Form1", "Choose date of purchase"));
    pick->setToolTip(pick->text());
    pick->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Down), QKeySequence(Qt::Key_F4)});
    pick->setShortcutContext(Qt::WidgetShortcut);
    auto* self = const_cast<DateDelegate*>(this);
    connect(pick, &QAction::triggered, box, [box, self] { OpenCalendar(box, self); });
    return box;
}
