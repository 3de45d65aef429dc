#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

#include <random>

#include "form1_inspector.h"
#include "window_test.h"

namespace {

// A long run of random user actions; after each the window must still be sound.
class SessionTest : public WindowTest, public ::testing::WithParamInterface<unsigned> {
  protected:
    void act(std::mt19937& random) {
        const auto pick = [&](int count) {
            return std::uniform_int_distribution<int>(0, count - 1)(random);
        };
        switch (pick(9)) {
            case 0: {  // a click anywhere on the window
                const QPoint at(pick(window->width()), pick(window->height()));
                QTest::mouseClick(window.get(), Qt::LeftButton, {}, at);
                break;
            }
            case 1: {  // a click on a control
                static const char* const names[] = {"Combo1",  "cmdAmt(0)", "cmDate",     "cmdCalc",
                                                    "txtDate", "cmdAmt(2)", "cmdDate(0)", "Label1",
                                                    "Label6",  "Calendar1"};
                QWidget* target = control(names[pick(std::size(names))]);
                if (target->isVisible()) QTest::mouseClick(target, Qt::LeftButton);
                break;
            }
            case 2:
                pressTab(pick(3) == 0);
                break;
            case 3: {  // typing
                static const QString keys = "0123456789,.-e a";
                QString text;
                for (int n = pick(6) + 1; n > 0; --n)
                    text += keys[pick(keys.size())];
                if (focused() != nullptr) QTest::keyClicks(focused(), text);
                break;
            }
            case 4: {  // a single key
                static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space,
                                               Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Backspace,
                                               Qt::Key_Left,   Qt::Key_Right};
                if (focused() != nullptr) QTest::keyClick(focused(), keys[pick(std::size(keys))]);
                break;
            }
            case 5:  // choosing a year, where the list can be reached
                if (!calendar()->isVisible()) chooseYear(currentYear() - 5 + pick(11));
                break;
            case 6: {  // picking a day on a shown calendar
                if (!calendar()->isVisible()) {
                    QTest::mouseClick(button("cmDate"), Qt::LeftButton);
                    break;
                }
                calendar()->setSelectedDate(QDate(1995 + pick(41), 1 + pick(12), 1 + pick(28)));
                QTableView* view = dayGrid();
                if (pick(2) == 0) {
                    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                      view->visualRect(view->currentIndex()).center());
                } else if (focused() == view) {
                    QTest::keyClick(view, Qt::Key_Return);
                }
                break;
            }
            default:
                clickCalculate();
                break;
        }
        QApplication::processEvents();
    }
};

TEST_P(SessionTest, RandomActionsKeepTheWindowSound) {
    std::mt19937 random(GetParam());
    const QStringList systemNotices = {kChooseYear, kNotConsidered, kNoInterest, kTooLarge};
    const QRegularExpression shown(R"(^(|0|0\.00|-?\d{1,3}(,\d{3})*\.\d{2})$)");
    const std::vector<QWidget*> unreachable = {box("txtDate"),    box("cmdAmt(2)"),
                                               box("cmdDate(0)"), box("cmdDate(1)"),
                                               box("cmdDate(2)"), box("cmdDate(3)")};
    int noticeCount = 0;
    for (int step = 0; step < 1500; ++step) {
        act(random);
        if (HasFatalFailure()) return;
        for (QWidget* box : unreachable)
            ASSERT_NE(focused(), box) << "step " << step;
        ASSERT_TRUE(shown.match(box("cmdDate(0)")->text()).hasMatch())
            << box("cmdDate(0)")->text().toStdString() << " at step " << step;
        for (const QString& text : notices()) {
            ASSERT_TRUE(systemNotices.contains(text)) << text.toStdString();
            ++noticeCount;
        }
        ASSERT_EQ(box("cmdAmt(2)")->text().isEmpty(), Form1Inspector::FyS(*window).isEmpty());
    }
    EXPECT_GT(noticeCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SessionTest, ::testing::Values(1u, 2u));

}  // namespace
