#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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

TEST_F(FocusTest, ShownCalendarJoinsTheTabCycleAfterCalculate) {
    chooseYear(currentYear());
    QTest::mouseClick(button("cmDate"), Qt::LeftButton);
    ASSERT_TRUE(calendar()->isAncestorOf(focused()) || focused() == calendar());
    pressTab();
    EXPECT_EQ(focused(), yearList());
    for (const char* name : {"cmdAmt(0)", "cmDate", "cmdCalc"}) {
        pressTab();
        EXPECT_EQ(focusName(), name);
    }
    pressTab();
    EXPECT_TRUE(calendar()->isAncestorOf(focused()) || focused() == calendar());
}

}  // namespace
