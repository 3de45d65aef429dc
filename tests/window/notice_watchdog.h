#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

// Every modal box that opens while the tests run is read and dismissed here, so that a notice
// the test did not expect fails the test instead of leaving it hanging in the box's event loop.
struct Notice {
    QString title;
    QString text;
    bool plain = false;      // no icon, one OK button, modal to the application
    bool resizable = false;  // takes the size a compositor gives it
};

class NoticeWatchdog : public QObject {
  public:
    static NoticeWatchdog& instance();

    // The notices dismissed since the last call, oldest first.
    std::vector<Notice> take();

  private:
    NoticeWatchdog();
    void dismissModalBox();

    QTimer timer_;
    std::vector<Notice> seen_;
};
