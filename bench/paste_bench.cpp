// Pastes a large text into the denomination box of the real window and times what the user
// waits for: the paste itself, the event-loop round that follows it (the repaint), a key press,
// leaving and re-entering the box (which selects it all), a render of the whole window, the
// longest stall while idling, a second paste over the first and a Calculate click. Each size
// runs in its own process, so that its peak memory is its own.
// Usage: tresk_paste_bench [--max-length N] [CHARS...]   (default: 10k 100k 1M 10M)
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "Form1.h"

namespace {

long PeakRssKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

template <typename Step>
double Milliseconds(Step step) {
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The longest the event loop goes unanswered while the window idles for `span` milliseconds:
// the focused box repaints at each blink of its cursor.
double LongestStall(int span) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start(5);
    QEventLoop idle;
    QTimer::singleShot(span, &idle, &QEventLoop::quit);
    idle.exec();
    return static_cast<double>(longest) / 1e6;
}

// A long number, so that Calculate reaches an amount and shows no notice.
QString PastedText(qsizetype size) {
    QString text = QStringLiteral("1000.");
    text.reserve(size);
    while (text.size() < size)
        text += QChar(static_cast<char16_t>(u'0' + text.size() % 10));
    return text;
}

int RunOne(int argc, char* argv[], qsizetype size, int maxLength) {
    QApplication app(argc, argv);
    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    // Only an active window has a focused box, a blinking cursor and focus moves.
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) return 1;
    // A notice would wait for the user and count its wait as work: it is closed and counted.
    int notices = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&notices] {
        if (QWidget* notice = QApplication::activeModalWidget()) {
            notice->close();
            ++notices;
        }
    });
    closer.start(50);

    auto* years = form.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* box = form.findChild<QLineEdit*>(QStringLiteral("cmdAmt(0)"));
    auto* calculate = form.findChild<QPushButton*>(QStringLiteral("cmdCalc"));
    auto* calendar = form.findChild<QCalendarWidget*>(QStringLiteral("Calendar1"));
    if (years == nullptr || box == nullptr || calculate == nullptr || calendar == nullptr) return 1;
    if (maxLength > 0) box->setMaxLength(maxLength);
    // A year from the middle of the list and a purchase two years before it: an amount.
    years->setFocus();
    years->setCurrentIndex(5);
    emit years->activated(5);
    calendar->setSelectedDate(QDate(years->currentText().trimmed().toInt() - 2, 6, 15));
    emit calendar->activated(calendar->selectedDate());
    box->setFocus();
    QApplication::processEvents();

    const QString text = PastedText(size);
    QGuiApplication::clipboard()->setText(text);
    const long rssBefore = PeakRssKiB();

    const double paste =
        Milliseconds([&] { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); });
    const double round = Milliseconds([] { QApplication::processEvents(); });
    const double key = Milliseconds([&] {
        QTest::keyClick(box, Qt::Key_Home);
        QApplication::processEvents();
    });
    const double refocus = Milliseconds([&] {
        calculate->setFocus();
        QApplication::processEvents();
        box->setFocus();
        QApplication::processEvents();
    });
    const double render = Milliseconds([&] { form.grab(); });
    const double stall = LongestStall(1500);
    const double repaste = Milliseconds([&] {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
    });
    const double click = Milliseconds([&] {
        calculate->click();
        QApplication::processEvents();
    });

    const double row[] = {static_cast<double>(size),
                          static_cast<double>(box->text().size()),
                          paste,
                          round,
                          key,
                          refocus,
                          render,
                          stall,
                          repaste,
                          click,
                          rssBefore / 1024.0,
                          PeakRssKiB() / 1024.0,
                          static_cast<double>(notices)};
    for (const double value : row)
        std::printf("%10.*f", value == std::floor(value) ? 0 : 1, value);
    std::printf("\n");
    return 0;
}

qsizetype Bytes(const char* text) {
    char* unit = nullptr;
    const double number = std::strtod(text, &unit);
    const double scale = *unit == 'k' ? 1e3 : *unit == 'M' ? 1e6 : 1;
    return static_cast<qsizetype>(number * scale);
}

}  // namespace

int main(int argc, char* argv[]) {
    int maxLength = 0;  // the window's own
    std::vector<qsizetype> sizes;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--max-length") == 0 && i + 1 < argc) {
            maxLength = std::atoi(argv[++i]);
        } else {
            sizes.push_back(Bytes(argv[i]));
        }
    }
    if (sizes.empty()) sizes = {10'000, 100'000, 1'000'000, 10'000'000};
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    const char* const header[][2] = {{"pasted", "chars"}, {"in box", "chars"}, {"paste", "ms"},
                                     {"round", "ms"},     {"key", "ms"},       {"refocus", "ms"},
                                     {"render", "ms"},    {"stall", "ms"},     {"repaste", "ms"},
                                     {"calc", "ms"},      {"RSS pre", "MiB"},  {"RSS peak", "MiB"},
                                     {"notices", ""}};
    for (int line = 0; line < 2; ++line) {
        for (const auto& column : header)
            std::printf("%10s", column[line]);
        std::printf("\n");
    }
    std::fflush(stdout);
    int failures = 0;
    for (const qsizetype size : sizes) {
        const pid_t child = fork();
        if (child == 0) {
            int qtArgc = 1;
            const int result = RunOne(qtArgc, argv, size, maxLength);
            std::fflush(stdout);
            _exit(result);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
