#include "notice_watchdog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>

NoticeWatchdog& NoticeWatchdog::instance() {
    static NoticeWatchdog watchdog;
    return watchdog;
}

NoticeWatchdog::NoticeWatchdog() {
    connect(&timer_, &QTimer::timeout, this, &NoticeWatchdog::dismissModalBox);
    timer_.start(5);
}

std::vector<Notice> NoticeWatchdog::take() {
    QApplication::processEvents();
    return std::exchange(seen_, {});
}

void NoticeWatchdog::dismissModalBox() {
    // A menu that runs its own loop (the calendar's month menu) is no notice; the result's menu
    // does not block, and its tests choose from it.
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (menu->objectName() != QLatin1String("mnuResult")) menu->close();
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
        seen_.push_back({modal->windowTitle(), QStringLiteral("<not a message box>"), false});
        modal->close();
        return;
    }
    const bool plain = box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1 &&
                       box->standardButtons() == QMessageBox::Ok &&
                       box->windowModality() == Qt::ApplicationModal;
    seen_.push_back(
        {box->windowTitle(), box->text(), plain, box->minimumSize() != box->maximumSize()});
    box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
}
