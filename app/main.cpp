#include <QApplication>
#include <QLocale>
#include <QScreen>

#include "Form1.h"
#include "Translation.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tresk.InterestCalculator"));

    // The desktop's language: LANGUAGE, LC_ALL, LC_MESSAGES, LANG on Linux, the display language
    // on Windows.
    UseLanguage(QLocale::system());
    Form1 window;
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
