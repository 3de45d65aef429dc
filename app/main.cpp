#include <QApplication>
#include <QLocale>
#include <QScreen>

#include "CertificatesLauncher.h"
#include "Form1.h"
#include "Translation.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tresk.InterestCalculator"));

    // The desktop's language: LANGUAGE, LC_ALL, LC_MESSAGES, LANG on Linux, the display language
    // on Windows.
    UseLanguage(QLocale::system());
    // A file named on the command line is a list of certificates.
    if (OpenCertificatesFromArguments(QCoreApplication::arguments())) return QApplication::exec();
    Form1 window;
    ConnectCertificates(window);
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
