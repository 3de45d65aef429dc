// Runs the window tests in a pinned environment: the offscreen platform, the C locale, no
// scaling unless a test run asks for it, and a watchdog that dismisses any modal box.
#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include "notice_watchdog.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform says so whenever a window is raised or a popup grabs the keyboard.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    qtHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    if (qEnvironmentVariableIsSet("TRESK_TEST_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", qgetenv("TRESK_TEST_SCALE_FACTOR"));
    } else {
        qunsetenv("QT_SCALE_FACTOR");
    }
    qtHandler = qInstallMessageHandler(QuietPlatformNotes);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    NoticeWatchdog::instance();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
