#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "CalendarParts.h"
#include "window_test.h"

namespace {

// What a screen reader reads off the window: the calendar's grid and the boxes that show results.
class AccessibilityTest : public WindowTest {
  protected:
    QTableView* openCalendarOnAYear() {
        if (yearList()->currentText().isEmpty()) chooseYear(currentYear());
        return openCalendar();
    }
    static QAccessibleInterface* accessible(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    // A reader reads a line run by run, up to the end of the last run it is given: each offset's
    // run must reach the end of the text.
    static void expectOneRun(QAccessibleTextInterface* text) {
        for (int offset = 0; offset < text->characterCount(); ++offset) {
            int start = -1;
            int end = -1;
            EXPECT_EQ(text->attributes(offset, &start, &end), QString()) << offset;
            EXPECT_LE(start, offset);
            EXPECT_EQ(end, text->characterCount()) << offset;
        }
    }
    static QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& name) {
        for (int i = 0; i < parent->childCount(); ++i) {
            if (parent->child(i)->text(QAccessible::Name) == name) return parent->child(i);
        }
        ADD_FAILURE() << "no child named " << name.toStdString();
        return nullptr;
    }
};

TEST_F(AccessibilityTest, CalendarTellsEveryMoveByTheFullDate) {
    const struct {
        QDate from;
        Qt::Key key;
        const char* day;
        const char* page;
    } rows[] = {
        {QDate(2019, 6, 14), Qt::Key_Right, "Saturday 15 June 2019", "June 2019"},
        {QDate(2019, 6, 22), Qt::Key_Up, "Saturday 15 June 2019", "June 2019"},
        {QDate(2019, 5, 15), Qt::Key_PageDown, "Saturday 15 June 2019", "June 2019"},
        {QDate(2019, 7, 15), Qt::Key_PageUp, "Saturday 15 June 2019", "June 2019"},
        {QDate(2019, 7, 1), Qt::Key_Left, "Sunday 30 June 2019", "June 2019"},
        // February and March 2019 share their layout: the day keeps its place in the grid.
        {QDate(2019, 2, 10), Qt::Key_PageDown, "Sunday 10 March 2019", "March 2019"},
    };
    QTableView* view = openCalendarOnAYear();
    QAccessibleInterface* grid = accessible(view);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.day);
        calendar()->setSelectedDate(row.from);
        QAccessibleInterface* before = grid->focusChild();
        QTest::keyClick(view, row.key);
        QAccessibleInterface* day = grid->focusChild();
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(day->text(QAccessible::Name), row.day);
        EXPECT_EQ(grid->text(QAccessible::Name), row.page);
        EXPECT_NE(day, before) << "a reader takes the same object for no move";
        EXPECT_TRUE(day->state().focused && day->state().selected);
        EXPECT_EQ(grid->child(grid->indexOfChild(day)), day);
        EXPECT_TRUE(view->viewport()->rect().contains(
            view->viewport()->mapFromGlobal(day->rect().center())));
    }
}

TEST_F(AccessibilityTest, SelectingADayThroughItsCellMakesItTheDate) {
    const struct {
        const char* day;
        QDate date;
    } rows[] = {
        {"Monday 17 June 2019", QDate(2019, 6, 17)},
        {"Monday 1 July 2019", QDate(2019, 7, 1)},  // shown in June's last row
        {"Sunday 30 June 2019", QDate(2019, 6, 30)},
    };
    QTableView* view = openCalendarOnAYear();
    calendar()->setSelectedDate(QDate(2019, 6, 15));
    for (const auto& row : rows) {
        QAccessibleInterface* day = childNamed(accessible(view), row.day);
        ASSERT_NE(day, nullptr);
        ASSERT_NE(day->actionInterface(), nullptr);
        day->actionInterface()->doAction(day->actionInterface()->actionNames().value(0));
        EXPECT_EQ(calendar()->selectedDate(), row.date) << row.day;
        EXPECT_TRUE(calendar()->isVisible()) << "selecting is not picking";
    }
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(box("txtDate")->text(), "30/06/2019");

    // The days before the first that the calendar takes can be neither selected nor focused.
    view = openCalendarOnAYear();
    calendar()->setSelectedDate(QDate(1, 1, 1));
    QAccessibleInterface* grid = accessible(view);
    QAccessibleInterface* before = nullptr;
    for (int i = 0; i < grid->childCount() && before == nullptr; ++i) {
        if (grid->child(i)->role() == QAccessible::Cell) before = grid->child(i);
    }
    ASSERT_NE(before, nullptr);
    EXPECT_TRUE(before->text(QAccessible::Name).startsWith("Sunday 31 December"));
    EXPECT_TRUE(before->state().disabled);
    EXPECT_FALSE(before->state().focusable);
    EXPECT_TRUE(before->actionInterface()->actionNames().isEmpty());
}

TEST_F(AccessibilityTest, CalendarNavigationIsNamedAfterThePageShown) {
    calendar()->setSelectedDate(QDate(2019, 6, 15));
    const struct {
        CalendarPart part;
        const char* name;
    } rows[] = {
        {CalendarPart::PreviousMonth, "Previous month"},
        {CalendarPart::NextMonth, "Next month"},
        {CalendarPart::MonthButton, "Month June"},
        {CalendarPart::YearButton, "Year 2019"},
    };
    for (const auto& row : rows) {
        QWidget* part = PartOf(calendar(), row.part);
        ASSERT_NE(part, nullptr) << row.name;
        EXPECT_EQ(accessible(part)->text(QAccessible::Name), row.name);
    }
    // Readers pass over a table without a table interface as layout; a group they name as the
    // focus comes into it.
    QAccessibleInterface* group = accessible(calendar());
    EXPECT_TRUE(group->role() == QAccessible::Grouping);
    EXPECT_EQ(group->child(0), accessible(PartOf(calendar(), CalendarPart::NavigationBar)));
    EXPECT_EQ(group->child(1), accessible(dayGrid()));
    EXPECT_EQ(group->indexOfChild(accessible(dayGrid())), 1);
}

TEST_F(AccessibilityTest, ResultBoxesCanBeReadButNotChanged) {
    chooseYear(currentYear() - 5);
    typeDenomination("1000");
    pickDate(QDate(currentYear() - 7, 6, 15));
    clickCalculate();
    const struct {
        const char* box;
        bool editable;
    } rows[] = {
        {"txtDate", false},
        {"cmdDate(0)", false},
        {"cmdAmt(2)", false},
        {"cmdAmt(0)", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box);
        QLineEdit* edit = box(row.box);
        ASSERT_FALSE(edit->text().isEmpty());
        EXPECT_EQ(edit->isEnabled(), row.editable) << "a result box stays disabled";
        QAccessibleInterface* reader = accessible(edit);
        EXPECT_EQ(reader->state().editable, row.editable);
        EXPECT_EQ(reader->editableTextInterface() != nullptr, row.editable);
        QAccessibleTextInterface* text = reader->textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(0, text->characterCount()), edit->text());
        const QRect second = text->characterRect(1);
        EXPECT_TRUE(QRect(edit->mapToGlobal(QPoint()), edit->size()).contains(second));
        EXPECT_EQ(text->offsetAtPoint(second.center()), 1);
        expectOneRun(text);
    }
}

TEST_F(AccessibilityTest, ReadersGetTheWholeSelectedTextOnFocus) {
    enum class Into { Tab, Backtab, Click };
    const struct {
        const char* name;
        const char* denomination;
        Into into;
    } rows[] = {
        {"backtab 1000", "1000", Into::Backtab},   {"tab 1000", "1000", Into::Tab},
        {"click 1000", "1000", Into::Click},       {"backtab one digit", "7", Into::Backtab},
        {"tab grouped", "1,00,000.50", Into::Tab}, {"click long", "123456789012", Into::Click},
    };
    chooseYear(currentYear());
    QLineEdit* denomination = box("cmdAmt(0)");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        yearList()->setFocus(Qt::OtherFocusReason);
        typeDenomination(row.denomination);
        if (row.into == Into::Backtab) {
            pressTab();
            pressTab(true);
        } else {
            yearList()->setFocus(Qt::OtherFocusReason);
            if (row.into == Into::Tab) pressTab();
            if (row.into == Into::Click) QTest::mouseClick(denomination, Qt::LeftButton);
        }
        ASSERT_EQ(focused(), denomination);
        QAccessibleInterface* reader = accessible(denomination);
        EXPECT_TRUE(reader->state().focused);
        QAccessibleTextInterface* text = reader->textInterface();
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        EXPECT_EQ(text->text(start, end), row.denomination);
        expectOneRun(text);
    }
}

TEST_F(AccessibilityTest, ReadersAnnounceEveryControlByItsLabel) {
    const struct {
        const char* control;
        const char* name;
        const char* caption;  // the label that readers relate to the control
    } rows[] = {
        {"Combo1", "Financial Year", "Label6"},
        {"cmdAmt(0)", "Enter Denomination", "Label1"},
        {"txtDate", "Enter Date of purchase", "Label2"},
        {"cmdDate(0)", "Accrued Interest", "Label3"},
        {"cmdAmt(2)", "Financial Year ends", "Label8"},
        {"cmDate", "Choose date of purchase", nullptr},
        {"Calendar1", "Date of purchase calendar", nullptr},
        {"cmdCalc", "Calculate", nullptr},
    };
    for (const auto& row : rows) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(control(row.control));
        ASSERT_NE(accessible, nullptr) << row.control;
        EXPECT_EQ(accessible->text(QAccessible::Name), row.name) << row.control;
        std::vector<QAccessibleInterface*> labels;
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
            labels.push_back(label);
        }
        std::vector<QAccessibleInterface*> expected;
        if (row.caption != nullptr) {
            expected.push_back(QAccessible::queryAccessibleInterface(control(row.caption)));
        }
        EXPECT_EQ(labels, expected) << row.control;
    }
    // In the year list, its own text is what has the focus.
    EXPECT_EQ(accessible(yearList()->lineEdit())->text(QAccessible::Name), "Financial Year");
}

}  // namespace
