#pragma once

#include <QMessageBox>
#include <QSize>

class QString;

// The window's modal notice: one text, a single OK button, no icon, the window's title. Unlike
// a plain message box it takes any size a window manager or compositor gives it, keeping its text
// and OK together in the middle; it is wide enough to show the whole title in its title bar, and
// its text is wrapped in lines of even length.
class NoticeBox : public QMessageBox {
    Q_OBJECT

  public:
    NoticeBox(const QString& title, const QString& text, QWidget* parent);

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void balanceText();
    void declineHintedSize();

    QSize ownSize;  // the size the box lays itself out at when it is shown
};
