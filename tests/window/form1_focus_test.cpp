#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <functional>

#include "form1_inspector.h"
#include "window_test.h"

namespace {

// Where Tab, Shift+Tab and the keys that press buttons take the user.
using FocusTest = WindowTest;

TEST_F(FocusTest, TabCycleSkipsHiddenAndDisabledBoxes) {
    chooseYear(currentYear());
    const std::vector<const char*> cycle = {"cmdAmt(0)", "cmDate", "cmdCalc", "Combo1"};
    for (const char* name : cycle) {
        pressTab();
        EXPECT_EQ(focusName(), name);
    }
    for (auto name = cycle.rbegin() + 1; name != cycle.rend(); ++name) {
        pressTab(true);
        EXPECT_EQ(focusName(), *name);
    }
    pressTab(true);
    EXPECT_EQ(focusName(), "Combo1");
}

TEST_F(FocusTest, OpenCalendarKeepsTheKeyboardUntilEscape) {
    const struct {
        const char* name;
        std::function<void()> act;
    } rows[] = {
        {"Tab", [this] { pressTab(); }},
        {"Shift+Tab", [this] { pressTab(true); }},
        // The lower part of Calculate stays within reach; Tab from it goes back to the days.
        {"Tab from Calculate",
         [this] {
             QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(150, 160));
             ASSERT_EQ(focused(), button("cmdCalc"));
             pressTab();
         }},
    };
    chooseYear(currentYear());
    pickDate(QDate(2019, 6, 15));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTableView* grid = openCalendar();
        calendar()->setSelectedDate(QDate(2020, 1, 1));
        row.act();
        EXPECT_EQ(focused(), grid);
        QTest::keyClick(grid, Qt::Key_Escape);
        EXPECT_FALSE(calendar()->isVisible());
        EXPECT_EQ(focused(), button("cmDate"));
        EXPECT_EQ(box("txtDate")->text(), "15/06/2019") << "Escape picks no day";
        EXPECT_EQ(Form1Inspector::DtOfPur(*window), "15/06/2019");
    }
    notices();  // the click on Calculate ran it
}

}  // namespace
