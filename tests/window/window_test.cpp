#include "window_test.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include <utility>

#include "CalendarParts.h"
#include "notice_watchdog.h"

PaletteGuard::PaletteGuard() : original(QApplication::palette()) {}

PaletteGuard::~PaletteGuard() {
    setDesktopPalette(original);
}

void PaletteGuard::setDesktopPalette(const QPalette& palette) {
    QApplication::setPalette(palette);
    for (const char* name : kThemedClasses)
        QApplication::setPalette(palette, name);
}

void WindowTest::SetUp() {
    newWindow();
}

void WindowTest::newWindow(std::function<double()> today) {
    window.reset();
    window = std::make_unique<Form1>(nullptr, std::move(today));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void WindowTest::TearDown() {
    for (const Notice& notice : NoticeWatchdog::instance().take()) {
        ADD_FAILURE() << "unexpected notice: " << notice.text.toStdString();
    }
    window.reset();
}

QComboBox* WindowTest::yearList() const {
    return control<QComboBox>("Combo1");
}
QLineEdit* WindowTest::box(const char* name) const {
    return control<QLineEdit>(name);
}
QPushButton* WindowTest::button(const char* name) const {
    return control<QPushButton>(name);
}
QCalendarWidget* WindowTest::calendar() const {
    return control<QCalendarWidget>("Calendar1");
}
QTableView* WindowTest::dayGrid() const {
    return DayGridOf(calendar());
}

int WindowTest::currentYear() {
    return static_cast<int>(tresk::YearOf(tresk::Today()));
}

QAbstractItemView* WindowTest::openYearList(By by) {
    QComboBox* list = yearList();
    if (by == By::Mouse) {
        QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->width() - 6, list->height() / 2));
    } else {
        if (focused() != list) QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        EXPECT_EQ(focused(), list);
        QTest::keyClick(list, Qt::Key_F4);
    }
    QAbstractItemView* view = list->view();
    EXPECT_TRUE(view->isVisible());
    waitUntilFocusWindowIs(view->window());
    return view;
}

void WindowTest::chooseYear(int year, By by) {
    QComboBox* list = yearList();
    const int row = list->findText(YearText(year));
    ASSERT_GE(row, 0) << year << " is not in the list";
    QAbstractItemView* view = openYearList(by);
    ASSERT_TRUE(view->isVisible());
    if (by == By::Mouse) {
        // The drop-down ignores a release that comes within a double-click time of its opening.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QPoint item = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
    } else {
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
    }
    ASSERT_FALSE(list->view()->isVisible());
    waitUntilFocusWindowIs(window.get());
    ASSERT_EQ(focused(), list);
}

void WindowTest::waitUntilFocusWindowIs(QWidget* widget) {
    // Activation travels through the platform's queue; act only once it has arrived, or a late
    // activation of a closed drop-down leaves no window active.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return QGuiApplication::focusWindow() == widget->windowHandle();
    })) << widget->metaObject()->className();
}

void WindowTest::typeDenomination(const QString& text) {
    QLineEdit* denomination = box("cmdAmt(0)");
    QTest::mouseClick(denomination, Qt::LeftButton);
    ASSERT_EQ(focused(), denomination);
    ASSERT_EQ(denomination->selectedText(), denomination->text());
    QTest::keyClick(denomination, Qt::Key_Delete);
    for (const QChar c : text) {
        // QtTest maps only ASCII to keys; other characters arrive as text, as a compose key or
        // an input method sends them.
        if (c.unicode() < 0x80) {
            QTest::keyClick(denomination, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, denomination, Qt::Key_unknown, QString(c), {});
        }
    }
}

QTableView* WindowTest::openCalendar(By by) {
    if (by == By::Mouse) {
        QTest::mouseClick(button("cmDate"), Qt::LeftButton);
    } else {
        while (focused() != button("cmDate"))
            pressTab();
        QTest::keyClick(button("cmDate"), Qt::Key_Space);
    }
    QTableView* grid = dayGrid();
    EXPECT_TRUE(calendar()->isVisible());
    EXPECT_EQ(focused(), grid);
    return grid;
}

void WindowTest::pickDate(QDate date, By by) {
    QTableView* grid = openCalendar(by);
    ASSERT_EQ(focused(), grid);
    // Moving the calendar to the month stands for the user's paging through months.
    calendar()->setSelectedDate(date);
    if (by == By::Mouse) {
        const QPoint cell = grid->visualRect(grid->currentIndex()).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    } else {
        QTest::keyClick(grid, Qt::Key_Return);
    }
}

void WindowTest::clickCalculate() {
    QTest::mouseClick(button("cmdCalc"), Qt::LeftButton);
}

void WindowTest::pressTab(bool backwards) {
    QTest::keyClick(focused(), backwards ? Qt::Key_Backtab : Qt::Key_Tab);
    QApplication::processEvents();
}

std::vector<QString> WindowTest::notices() {
    std::vector<QString> texts;
    for (const Notice& notice : NoticeWatchdog::instance().take()) {
        EXPECT_EQ(notice.title, "Tresk Interest Calculator") << notice.text.toStdString();
        EXPECT_TRUE(notice.plain) << notice.text.toStdString();
        EXPECT_TRUE(notice.resizable) << notice.text.toStdString();
        texts.push_back(notice.text);
    }
    return texts;
}
