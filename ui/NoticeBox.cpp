#include "NoticeBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextLayout>
#include <QTextOption>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

// Room beside the title for a title bar's buttons.
constexpr int kTitleBarButtons = 140;
// Time for a compositor to answer the notice's closing with the keyboard's new focus.
constexpr int kKeyboardAnswerMs = 250;

// The number of lines `text` takes when wrapped at word boundaries to `width` pixels.
int LineCount(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

NoticeBox::NoticeBox(const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent) {
    setWindowModality(Qt::ApplicationModal);
    // Qt translates its button texts into few of the window's languages. The English text stays
    // the platform's own, mnemonic and all.
    if (const QString ok = tr("OK"); ok != QLatin1String("OK"))
        button(QMessageBox::Ok)->setText(ok);
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
    // A message box fixes its size again whenever it is laid out anew; once shown, this one keeps
    // the size it was given, as a Wayland compositor ends the program whose maximised or
    // fullscreen window keeps a size of its own.
    if (event->type() == QEvent::LayoutRequest && isVisible()) return QDialog::event(event);
    const bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::Show) {
        balanceText();
        ownSize = size();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    return handled;
}

void NoticeBox::balanceText() {
    // QMessageBox offers no API for its text label, so it is found by the object name Qt gives it.
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label == nullptr || !label->wordWrap()) return;
    // The narrowest width that keeps the lines the text needs at the label's width, so that no
    // last line holds a word on its own. The text itself keeps no line breaks: screen readers
    // read it as one sentence.
    const int available = label->contentsRect().width();
    const int lines = LineCount(label->text(), label->font(), available);
    if (lines < 2) return;
    int narrow = 1;
    int wide = available;
    while (narrow < wide) {
        const int middle = (narrow + wide) / 2;
        if (LineCount(label->text(), label->font(), middle) > lines) {
            narrow = middle + 1;
        } else {
            wide = middle;
        }
    }
    label->setFixedWidth(wide + label->width() - available);
    // The narrower text stands in the middle of the room the title leaves it, in whichever of the
    // box's layouts holds it.
    for (QLayout* each : findChildren<QLayout*>())
        each->setAlignment(label, Qt::AlignHCenter);
}

void NoticeBox::resizeEvent(QResizeEvent* event) {
    QMessageBox::resizeEvent(event);
    if (!ownSize.isValid()) return;
    const QSize room = size() - ownSize;
    // Outside the maximised and fullscreen states a Wayland compositor's size is a hint that a
    // window may decline, and the window cannot move itself: a kiosk shell that hints the whole
    // screen to a notice it has centred at its own size would push the OK button off the screen.
    // The state of the same configure may reach the window after its size, so the box decides
    // once both have arrived.
    if (OnWayland() && (room.width() > 0 || room.height() > 0))
        QTimer::singleShot(0, this, &NoticeBox::declineHintedSize);
    // Given more room than it needs, the box keeps its text and OK together in the middle.
    const int left = std::max(0, room.width() / 2);
    const int top = std::max(0, room.height() / 2);
    setContentsMargins(left, top, std::max(0, room.width() - left),
                       std::max(0, room.height() - top));
}

void NoticeBox::declineHintedSize() {
    const Qt::WindowStates whole = Qt::WindowMaximized | Qt::WindowFullScreen;
    if ((windowState() & whole) || (windowHandle()->windowStates() & whole)) return;
    if (size().width() > ownSize.width() || size().height() > ownSize.height())
        resize(ownSize.boundedTo(size()));
}

void NoticeBox::hideEvent(QHideEvent* event) {
    QMessageBox::hideEvent(event);
    QWidget* window = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (window == nullptr || !OnWayland()) return;
    // A Wayland client cannot take the keyboard back, and weston's kiosk shell, which makes every
    // window fullscreen, gives it to nothing when a dialog closes. A window mapped anew is given
    // the keyboard; only a fullscreen window is remapped, as it comes back in the same place (a
    // desktop may take a second to hand the keyboard back on its own).
    QTimer::singleShot(kKeyboardAnswerMs, window, [window = QPointer<QWidget>(window)] {
        if (window == nullptr || !window->isVisible() ||
            !(window->windowState() & Qt::WindowFullScreen) ||
            QGuiApplication::focusWindow() != nullptr ||
            QGuiApplication::modalWindow() != nullptr) {
            return;
        }
        window->hide();
        window->show();
    });
}
