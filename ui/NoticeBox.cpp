#include "NoticeBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace {

// Room beside the title for a title bar's buttons.
constexpr int kTitleBarButtons = 140;

}  // namespace

NoticeBox::NoticeBox(const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent) {
    setWindowModality(Qt::ApplicationModal);
    // A message box is only as wide as its text, which cuts a long title in the title bar.
    QFont titleFont = font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
}

bool NoticeBox::event(QEvent* event) {
    const bool handled = QMessageBox::event(event);
    // A message box fixes its size when it is shown or laid out; a Wayland compositor ends the
    // program whose maximised or fullscreen window keeps a size of its own.
    if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    return handled;
}
