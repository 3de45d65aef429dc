// Prints the title of the calculator's window in a language, as the window takes it from the
// catalogue built into the program, so that the start-up benchmark can find that window.
// Usage: window_title LANGUAGE   (on any platform; the offscreen one needs no display)
#include <QApplication>
#include <QLocale>

#include <cstdio>

#include "Form1.h"
#include "Translation.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LANGUAGE\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    UseLanguage(QLocale(QString::fromLocal8Bit(argv[1])));
    const Form1 window;
    std::puts(window.windowTitle().toUtf8().constData());
    return 0;
}
