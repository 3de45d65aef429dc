#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include <functional>

#include "Conversions.h"
#include "form1_inspector.h"
#include "window_test.h"

namespace {

class BehaviourTest : public WindowTest {
  protected:
    QLineEdit* result() const { return box("cmdDate(0)"); }
    double treskInt() const { return Form1Inspector::fields(*window).TreskInt; }
    void typeIntoYearList(const QString& text) {
        // As an input method sends it, so that any script's digits arrive.
        QTest::sendKeyEvent(QTest::Click, yearList(), Qt::Key_unknown, text, {});
        QApplication::processEvents();
    }
};

TEST_F(BehaviourTest, ControlsStartEmptyWithTheYearsListed) {
    QComboBox* list = yearList();
    EXPECT_EQ(focused(), list);
    EXPECT_TRUE(list->isEditable());
    EXPECT_EQ(list->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText(), "");
    ASSERT_EQ(list->count(), 11);
    for (int row = 0; row < 11; ++row) {
        EXPECT_EQ(list->itemText(row), YearText(currentYear() - 5 + row));
    }
    for (const char* name : {"txtDate", "cmdAmt(0)", "cmdAmt(2)", "cmdDate(0)", "cmdDate(1)",
                             "cmdDate(2)", "cmdDate(3)"}) {
        EXPECT_EQ(box(name)->text(), "") << name;
    }
    EXPECT_EQ(list->lineEdit()->maxLength(), box("cmdAmt(0)")->maxLength());
}

TEST_F(BehaviourTest, ChoosingAYearStoresItAndShowsTheFollowingYear) {
    const int first = currentYear() - 5;
    const int last = currentYear() + 5;
    chooseYear(currentYear(), By::Keyboard);
    EXPECT_EQ(Form1Inspector::FyS(*window), YearText(currentYear()));
    EXPECT_EQ(Form1Inspector::FyE(*window), currentYear() + 1);
    EXPECT_EQ(box("cmdAmt(2)")->text(), YearText(currentYear() + 1));

    chooseYear(last, By::Mouse);
    EXPECT_EQ(Form1Inspector::FyS(*window), YearText(last));
    EXPECT_EQ(box("cmdAmt(2)")->text(), YearText(last + 1));

    // Arrow keys on the closed list choose too.
    QTest::keyClick(yearList(), Qt::Key_Up);
    EXPECT_EQ(Form1Inspector::FyS(*window), YearText(last - 1));
    EXPECT_EQ(box("cmdAmt(2)")->text(), YearText(last));

    chooseYear(first, By::Mouse);
    EXPECT_EQ(box("cmdAmt(2)")->text(), YearText(first + 1));
    EXPECT_TRUE(notices().empty());
}

TEST_F(BehaviourTest, LeavingTheEmptyYearListAsksForAYear) {
    const struct {
        const char* name;
        std::function<void()> leave;
        bool asks = true;
    } rows[] = {
        {"Tab", [this] { pressTab(); }},
        {"Shift+Tab", [this] { pressTab(true); }},
        {"click into the denomination",
         [this] { QTest::mouseClick(box("cmdAmt(0)"), Qt::LeftButton); }},
        {"click on Calculate", [this] { QTest::mouseClick(button("cmdCalc"), Qt::LeftButton); }},
        {"click on the calendar button",
         [this] { QTest::mouseClick(button("cmDate"), Qt::LeftButton); }},
        {"Enter", [this] { QTest::keyClick(yearList(), Qt::Key_Return); }},
        {"click into the list's own text",
         [this] { QTest::mouseClick(yearList()->lineEdit(), Qt::LeftButton); }, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(focused(), yearList());
        row.leave();
        QApplication::processEvents();
        EXPECT_EQ(notices(), row.asks ? std::vector<QString>{kChooseYear} : std::vector<QString>{});
        EXPECT_EQ(focused(), yearList());
        EXPECT_EQ(QApplication::activeWindow(), window.get());
        // The click that was answered with the notice did nothing else.
        EXPECT_EQ(result()->text(), "");
        EXPECT_FALSE(calendar()->isVisible());
        EXPECT_EQ(Form1Inspector::FyS(*window), "");
    }
    QTest::keyClicks(focused(), "20");
    EXPECT_EQ(yearList()->currentText(), "20") << "typing goes on in the list";
}

TEST_F(BehaviourTest, AnotherWindowTakingTheActivationShowsNoNotice) {
    QLineEdit other;  // another program's window, with a box to click into
    other.setWindowTitle("another program");
    other.show();
    other.activateWindow();
    waitUntilFocusWindowIs(&other);
    QTest::mouseClick(&other, Qt::LeftButton);
    ASSERT_EQ(focused(), &other);
    window->activateWindow();
    waitUntilFocusWindowIs(window.get());
    EXPECT_EQ(focused(), yearList());
    EXPECT_TRUE(notices().empty());
}

TEST_F(BehaviourTest, EnterPressesOnlyTheFocusedButton) {
    const struct {
        const char* from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* shown;  // the result box afterwards: "" where Calculate did not run
        bool calendarOpen;
    } rows[] = {
        {"cmdAmt(0)", Qt::Key_Return, {}, "", false},
        {"cmdAmt(0)", Qt::Key_Enter, Qt::KeypadModifier, "", false},
        {"cmdAmt(0)", Qt::Key_Escape, {}, "", false},
        {"Combo1", Qt::Key_Return, {}, "", false},
        {"cmdCalc", Qt::Key_Escape, {}, "", false},
        {"cmdCalc", Qt::Key_Return, Qt::ShiftModifier, "", false},
        {"cmdCalc", Qt::Key_Return, {}, "88.30", false},
        {"cmdCalc", Qt::Key_Enter, Qt::KeypadModifier, "88.30", false},
        {"cmDate", Qt::Key_Return, {}, "", true},
        {"cmDate", Qt::Key_Escape, {}, "", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " " + QKeySequence(row.key).toString().toStdString());
        newWindow();
        chooseYear(currentYear());
        typeDenomination("1000");
        pickDate(QDate(currentYear() - 2, 6, 15));
        while (focusName() != row.from)
            pressTab();
        QTest::keyClick(focused(), row.key, row.modifiers);
        EXPECT_EQ(result()->text(), row.shown);
        EXPECT_EQ(calendar()->isVisible(), row.calendarOpen);
        EXPECT_TRUE(notices().empty());
    }
}

TEST_F(BehaviourTest, AChosenYearLetsTheFocusLeaveSilently) {
    chooseYear(currentYear());
    pressTab();
    EXPECT_EQ(focused(), box("cmdAmt(0)"));
    EXPECT_TRUE(notices().empty());
}

TEST_F(BehaviourTest, OpeningTheDropDownShowsNoNotice) {
    QComboBox* list = yearList();
    for (const By by : {By::Keyboard, By::Keyboard, By::Mouse}) {
        QTest::keyClick(openYearList(by), Qt::Key_Escape);
        waitUntilFocusWindowIs(window.get());
        EXPECT_EQ(focused(), list);
    }
    EXPECT_TRUE(notices().empty());
    EXPECT_EQ(list->currentText(), "");
}

TEST_F(BehaviourTest, TypingIntoTheYearListChoosesNothingWhileThere) {
    chooseYear(currentYear());
    for (const QString& typed : {YearText(currentYear() + 1), QString("2030"), QString("abc")}) {
        QTest::keyClick(yearList(), Qt::Key_A, Qt::ControlModifier);
        typeIntoYearList(typed);
        QApplication::processEvents();
        EXPECT_EQ(yearList()->currentText(), typed);
        EXPECT_EQ(yearList()->count(), 11);
        EXPECT_EQ(Form1Inspector::FyS(*window), YearText(currentYear())) << typed.toStdString();
        EXPECT_EQ(box("cmdAmt(2)")->text(), YearText(currentYear() + 1));
    }
    // Leaving the list with a text that names no year passes without a notice, storing nothing.
    pressTab();
    EXPECT_EQ(focused(), box("cmdAmt(0)"));
    EXPECT_EQ(Form1Inspector::FyS(*window), YearText(currentYear()));
    EXPECT_TRUE(notices().empty());
}

TEST_F(BehaviourTest, DenominationIsWhollySelectedWhenFocused) {
    chooseYear(currentYear());
    typeDenomination("12345");
    QLineEdit* denomination = box("cmdAmt(0)");

    pressTab();
    pressTab(true);
    EXPECT_EQ(focused(), denomination);
    EXPECT_EQ(denomination->selectedText(), "12345") << "by Tab";

    QTest::mouseClick(button("cmdCalc"), Qt::LeftButton);
    QTest::mouseClick(denomination, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(denomination->selectedText(), "12345") << "by a click near the start";
    QTest::mouseClick(button("cmdCalc"), Qt::LeftButton);
    QTest::mouseClick(denomination, Qt::LeftButton, {}, QPoint(denomination->width() - 4, 8));
    EXPECT_EQ(denomination->selectedText(), "12345") << "by a click at the end";

    QTest::keyClicks(denomination, "500");
    EXPECT_EQ(denomination->text(), "500") << "typing replaces the denomination";
    notices();  // the Calculate clicks ran without a date
}

TEST_F(BehaviourTest, PickingADayFillsTheDateBoxAndClosesTheCalendar) {
    chooseYear(currentYear());
    for (const By by : {By::Mouse, By::Keyboard}) {
        const QDate day = by == By::Mouse ? QDate(2024, 6, 15) : QDate(2019, 2, 28);
        pickDate(day, by);
        EXPECT_FALSE(calendar()->isVisible());
        EXPECT_EQ(box("txtDate")->text(), day.toString("dd/MM/yyyy"));
        EXPECT_EQ(Form1Inspector::DtOfPur(*window), box("txtDate")->text());
        EXPECT_EQ(tresk::DateFromText(Form1Inspector::DtOfPur(*window).toStdString()),
                  tresk::DateSerial(day.year(), day.month(), day.day()));
        EXPECT_EQ(focused(), button("cmdCalc"));
    }
    for (const QDate day : {QDate(1, 1, 1), QDate(9999, 12, 31)}) {
        pickDate(day);
        EXPECT_EQ(box("txtDate")->text(), day.toString("dd/MM/yyyy"));
    }
    pickDate(QDate(2019, 2, 28), By::Mouse);
    // Shown again, the calendar stands on the last day picked.
    openCalendar();
    EXPECT_EQ(calendar()->selectedDate(), QDate(2019, 2, 28));
    EXPECT_TRUE(notices().empty());
}

TEST_F(BehaviourTest, DoubleClickOnADayOverCalculateOnlyPicksIt) {
    chooseYear(currentYear());
    QTableView* grid = openCalendar();
    // The last week of the calendar lies over the top of Calculate.
    const QPoint over = grid->viewport()->mapFrom(
        window.get(), button("cmdCalc")->geometry().topLeft() + QPoint(20, 3));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, over);
    EXPECT_EQ(result()->text(), "") << "Calculate did not run";
}

TEST_F(BehaviourTest, CalendarKeysMoveTheDayAndEnterPicksIt) {
    const struct {
        const char* name;
        QDate start;
        QString typed;  // typed as text; empty: one press of the key below
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QDate picked;
    } rows[] = {
        {"Ctrl+Page Down: a year on",
         {2007, 4, 11},
         "",
         Qt::Key_PageDown,
         Qt::ControlModifier,
         {2008, 4, 11}},
        {"Ctrl+Page Up: a year back",
         {2007, 4, 11},
         "",
         Qt::Key_PageUp,
         Qt::ControlModifier,
         {2006, 4, 11}},
        {"29 February a year on",
         {2024, 2, 29},
         "",
         Qt::Key_PageDown,
         Qt::ControlModifier,
         {2025, 2, 28}},
        {"Page Down: a month on", {2007, 4, 11}, "", Qt::Key_PageDown, {}, {2007, 5, 11}},
        {"Right: a day on", {2007, 4, 11}, "", Qt::Key_Right, {}, {2007, 4, 12}},
        {"typed as the date box shows it", {2007, 4, 11}, "15/06/2019", {}, {}, {2019, 6, 15}},
        {"typed as digits", {2007, 4, 11}, "19062024", {}, {}, {2024, 6, 19}},
        {"half-typed date moves nothing", {2007, 4, 11}, "1906202", {}, {}, {2007, 4, 11}},
        {"typed date that does not exist", {2007, 4, 11}, "31/02/2019", {}, {}, {2007, 4, 11}},
    };
    chooseYear(currentYear());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* grid = openCalendar();
        calendar()->setSelectedDate(row.start);
        if (row.typed.isEmpty()) {
            QTest::keyClick(grid, row.key, row.modifiers);
        } else {
            QTest::keyClicks(grid, row.typed);
        }
        QTest::keyClick(grid, Qt::Key_Return);
        EXPECT_FALSE(calendar()->isVisible());
        EXPECT_EQ(box("txtDate")->text(), row.picked.toString("dd/MM/yyyy"));
    }
    EXPECT_TRUE(notices().empty());
}

struct CalculateRow {
    const char* name;
    const char* denomination;
    int yearsBefore, month, day;  // purchase, relative to the chosen start year; 0 month: none
    std::vector<QString> notices;
    const char* shown;
};

TEST_F(BehaviourTest, CalculateShowsTheAmountOrTheNotice) {
    const CalculateRow rows[] = {
        {"June two years before", "1000", 2, 6, 15, {}, "88.30"},
        {"February two years before", "1000", 2, 2, 10, {}, "95.50"},
        {"May five years before", "1000", 5, 5, 20, {}, "111.70"},
        {"half denomination", "500", 2, 6, 15, {}, "44.15"},
        {"January six years before", "1000", 6, 1, 5, {kNoInterest}, "0.00"},
        {"1 April of the start year", "1000", 0, 4, 1, {kNotConsidered}, "0"},
        {"grouping commas", "10,000", 2, 6, 15, {}, "883.00"},
        {"grouped result", "1,234,567", 2, 6, 15, {}, "109,012.27"},
        {"oversized denomination", "1e308", 2, 6, 15, {kTooLarge}, "0.00"},
        {"negative denomination", "-1000", 2, 6, 15, {}, "-88.30"},
        {"not a number", "abc", 2, 6, 15, {}, "0.00"},
        {"amount wider than the box", "123456789012345", 2, 6, 15, {}, "10,901,234,469,790.06"},
        {"invisible marks around the digits", "\u200f10\u200b00", 2, 6, 15, {}, "88.30"},
    };
    const int start = currentYear();
    chooseYear(start);
    for (const CalculateRow& row : rows) {
        SCOPED_TRACE(row.name);
        typeDenomination(row.denomination);
        pickDate(QDate(start - row.yearsBefore, row.month, row.day));
        clickCalculate();
        EXPECT_EQ(notices(), row.notices);
        EXPECT_EQ(result()->text(), row.shown);
        EXPECT_EQ(result()->cursorPosition(), 0) << "the leading digits show";
    }
}

TEST_F(BehaviourTest, CalculateWithoutADateFindsNoInterest) {
    chooseYear(currentYear());
    typeDenomination("1000");
    clickCalculate();
    EXPECT_EQ(notices(), std::vector<QString>{kNoInterest});
    EXPECT_EQ(result()->text(), "0.00");
}

TEST_F(BehaviourTest, AmountIsKeptAcrossANoInterestRun) {
    chooseYear(currentYear());
    typeDenomination("1000");
    pickDate(QDate(currentYear() - 2, 6, 15));
    clickCalculate();
    ASSERT_EQ(result()->text(), "88.30");
    pickDate(QDate(currentYear() - 6, 1, 5));
    clickCalculate();
    EXPECT_EQ(notices(), std::vector<QString>{kNoInterest});
    EXPECT_EQ(result()->text(), "0.00");
    EXPECT_EQ(treskInt(), 88.3);

    // An oversized denomination leaves it too.
    typeDenomination("1e400");
    pickDate(QDate(currentYear() - 2, 6, 15));
    clickCalculate();
    EXPECT_EQ(notices(), std::vector<QString>{kTooLarge});
    EXPECT_EQ(treskInt(), 88.3);
}

TEST_F(BehaviourTest, TheResultCanBeCopied) {
    const auto chooseCopy = [](bool byKeyboard) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "no menu";
        QAction* copy = menu->actions().value(0);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->text(), "Copy");
        // From the keyboard a menu opens on its first item, so a reader has one to speak.
        EXPECT_EQ(menu->activeAction(), byKeyboard ? copy : nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copy).center());
    };
    const struct {
        const char* name;
        std::function<void()> copy;
        const char* copied;
    } rows[] = {
        {"right click on the result",
         [&] {
             QTest::mouseClick(window.get(), Qt::RightButton, {}, result()->geometry().center());
             chooseCopy(false);
         },
         "1,088.30"},
        {"menu key on Calculate",
         [&] {
             QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
             QApplication::sendEvent(button("cmdCalc"), &menuKey);
             chooseCopy(true);
         },
         "1,088.30"},
        {"Ctrl+C on Calculate",
         [this] { QTest::keyClick(button("cmdCalc"), Qt::Key_C, Qt::ControlModifier); },
         "1,088.30"},
        {"Ctrl+C in the denomination copies the denomination",
         [this] {
             QTest::mouseClick(box("cmdAmt(0)"), Qt::LeftButton);
             QTest::keyClick(box("cmdAmt(0)"), Qt::Key_C, Qt::ControlModifier);
         },
         "12325"},
    };
    chooseYear(currentYear());
    typeDenomination("12325");
    pickDate(QDate(currentYear() - 2, 6, 15));
    clickCalculate();
    ASSERT_EQ(result()->text(), "1,088.30");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QGuiApplication::clipboard()->clear();
        row.copy();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.copied);
        EXPECT_FALSE(result()->isEnabled()) << "the result box stays disabled";
    }
    // With nothing to copy, Copy is offered but cannot be chosen.
    newWindow();
    QTest::mouseClick(window.get(), Qt::RightButton, {}, result()->geometry().center());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->actions().value(0)->isEnabled());
    menu->close();
    notices();
}

TEST_F(BehaviourTest, TheAmountExplainsItselfUntilItGoes) {
    newWindow([] { return tresk::DateSerial(2026, 5, 1); });
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(result());
    chooseYear(2026);
    typeDenomination("1000");
    pickDate(QDate(2024, 6, 15));
    clickCalculate();
    QTest::mouseMove(window.get(), result()->geometry().center());
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); })) << "the box is disabled";
    EXPECT_TRUE(result()->toolTip().contains("<b>2026\u20132027</b>")) << "the year is marked";
    EXPECT_EQ(reader->text(QAccessible::Description),
              "Year 2 of the certificate's life, anniversary on 15/06/2026, rates of "
              "certificates bought from 01/03/2003");
    QTest::mouseClick(window.get(), Qt::RightButton, {}, result()->geometry().center());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* copySchedule = menu != nullptr ? menu->actions().value(1) : nullptr;
    ASSERT_TRUE(copySchedule != nullptr && copySchedule->text() == "Copy Schedule");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copySchedule).center());
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
    EXPECT_EQ(copied.value(0), "Year of life\tAnniversary\tFinancial Year\tAmount");
    EXPECT_EQ(copied.value(2), "2\t15/06/2026\t2026\u20132027\t88.30");
    EXPECT_EQ(copied.value(7), "Total\t\t\t601.20");
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"an input changed", [this] { typeDenomination("100"); }},
        {"a notice", [this] { pickDate(QDate(2020, 1, 5)), clickCalculate(), notices(); }},
    };
    for (const auto& [name, change] : rows) {
        clickCalculate();
        change();
        EXPECT_EQ(result()->toolTip() + reader->text(QAccessible::Description), "") << name;
        EXPECT_FALSE(copySchedule->isEnabled()) << name;
    }
}

TEST_F(BehaviourTest, ResultIsEmptiedWhenAnInputChanges) {
    const QDate bought(currentYear() - 2, 6, 15);
    const struct {
        const char* name;
        std::function<void()> change;
        bool kept;
    } rows[] = {
        {"the same date picked again", [&] { pickDate(bought); }, true},
        {"another date picked", [&] { pickDate(bought.addDays(1)); }, false},
        {"the denomination edited", [this] { typeDenomination("1000"); }, false},
        {"another year chosen", [this] { chooseYear(currentYear() + 1); }, false},
    };
    chooseYear(currentYear());
    typeDenomination("1000");
    pickDate(bought);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        clickCalculate();
        const QString shown = result()->text();
        row.change();
        EXPECT_EQ(result()->text(), row.kept ? shown : "");
    }
}

TEST_F(BehaviourTest, TheYearComputedIsTheYearShown) {
    const int start = currentYear() - 3;
    QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    arabic.setNumberOptions(QLocale::OmitGroupSeparator);
    enum class Then { Tab, Enter, Calculate };  // Calculate: typed last, clicked from the list
    const struct {
        const char* name;
        bool chosenFirst;  // the current year chosen from the list first
        QString typed;     // then typed over the list's text
        Then then;
        int computed;  // the start year computed with; 0: none, the list asks for one
    } rows[] = {
        {"a year typed into the empty list", false, QString::number(start), Then::Tab, start},
        {"a year typed over a chosen one", true, QString::number(start), Then::Tab, start},
        {"a year typed, then Enter", true, QString::number(start), Then::Enter, start},
        {"blanks around it, then Calculate", true, "  " + QString::number(start) + " ",
         Then::Calculate, start},
        {"as the list writes it", true, YearText(start), Then::Calculate, start},
        {"in Arabic-Indic digits", true, arabic.toString(start), Then::Calculate, start},
        {"a year the list lacks", true, "2100", Then::Tab, 0},
        {"not a year, then Calculate", true, "abc", Then::Calculate, 0},
        {"only blanks", true, "   ", Then::Tab, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        newWindow();
        const auto typeIntoTheList = [&] {
            QTest::mouseClick(yearList()->lineEdit(), Qt::LeftButton);
            QTest::keyClick(yearList(), Qt::Key_A, Qt::ControlModifier);
            typeIntoYearList(row.typed);
        };
        if (row.chosenFirst) chooseYear(currentYear());
        if (row.then != Then::Calculate) {
            typeIntoTheList();
            if (row.then == Then::Tab) pressTab();
            if (row.then == Then::Enter) QTest::keyClick(yearList(), Qt::Key_Return);
            EXPECT_TRUE(notices().empty()) << "a text that is not empty passes";
            if (row.computed != 0) {
                EXPECT_EQ(box("cmdAmt(2)")->text(), YearText(row.computed + 1));
            }
        }
        typeDenomination("1000");
        pickDate(QDate(start - 2, 6, 15));
        if (row.then == Then::Calculate) typeIntoTheList();
        clickCalculate();
        if (row.computed != 0) {
            EXPECT_TRUE(notices().empty());
            EXPECT_EQ(yearList()->currentText(), YearText(row.computed));
            EXPECT_EQ(Form1Inspector::FyS(*window), YearText(row.computed));
            EXPECT_EQ(box("cmdAmt(2)")->text(), YearText(row.computed + 1));
            EXPECT_EQ(result()->text(), "88.30");
        } else {
            EXPECT_EQ(notices(), std::vector<QString>{kChooseYear});
            EXPECT_EQ(result()->text(), "0.00") << "no earlier choice is computed with";
            EXPECT_EQ(focused(), yearList());
            EXPECT_EQ(QApplication::activeWindow(), window.get());
        }
    }
}

TEST_F(BehaviourTest, DenominationIsReadAsTheLocaleWritesIt) {
    const struct {
        QLocale locale;
        const char* typed;
        const char* shown;
    } rows[] = {
        {QLocale::c(), "10000,00", "883.00"},
        {QLocale(QLocale::German, QLocale::Germany), "10.000,50", "883,04"},
        {QLocale(QLocale::German, QLocale::Germany), "1.234.567", "109.012,27"},
        {QLocale(QLocale::French, QLocale::France), "10\u202f000,00", "883,00"},
        {QLocale(QLocale::English, QLocale::India), "1,00,00,000", "883,000.00"},
        {QLocale::c(), "१०००", "88.30"},  // Devanagari digits
        {QLocale::c(), "١٠٠٠", "88.30"},  // Arabic-Indic digits
        {QLocale(QLocale::Hindi, QLocale::India), "१,००,०००", "8,830.00"},
        {QLocale(QLocale::Arabic, QLocale::Egypt), "١٠٬٠٠٠٫٥٠", "883٫04"},
    };
    chooseYear(currentYear());
    pickDate(QDate(currentYear() - 2, 6, 15));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const LocaleGuard locale(row.locale);
        typeDenomination(QString::fromUtf8(row.typed));
        clickCalculate();
        EXPECT_EQ(result()->text(), QString::fromUtf8(row.shown));
    }
}

TEST_F(BehaviourTest, ListAtTheEndsOfTheCalendarComputes) {
    const struct {
        int clockYear;
        int first, last;
    } rows[] = {{1, 1, 11}, {1004, 999, 1009}, {9996, 9989, 9999}, {9999, 9989, 9999}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.clockYear);
        const double today = tresk::DateSerial(row.clockYear, 6, 1);
        newWindow([today] { return today; });
        ASSERT_EQ(yearList()->itemText(0), YearText(row.first));
        ASSERT_EQ(yearList()->itemText(10), YearText(row.last));
        for (const int year : {row.first, row.last}) {
            chooseYear(year);
            typeDenomination("1000");
            pickDate(QDate(year, 1, 15));
            clickCalculate();
            EXPECT_TRUE(notices().empty()) << year;
            EXPECT_EQ(result()->text(), year < 2001 ? "113.00" : "81.60") << year;
        }
    }
}

TEST_F(BehaviourTest, AFailedComputationIsANotice) {
    chooseYear(currentYear());
    typeDenomination("1000");
    Form1Inspector::setDtOfPur(*window, "not a date");
    clickCalculate();
    EXPECT_EQ(notices(), std::vector<QString>{kNotCalculated});
    EXPECT_EQ(result()->text(), "0.00");
    pickDate(QDate(currentYear() - 2, 6, 15));
    clickCalculate();
    EXPECT_EQ(result()->text(), "88.30") << "the window goes on working";
}

TEST_F(BehaviourTest, WholeJobWithTheKeyboardAlone) {
    QAbstractItemView* list = openYearList();
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Return);
    waitUntilFocusWindowIs(window.get());
    const int start = currentYear() + 5;
    ASSERT_EQ(Form1Inspector::FyS(*window), YearText(start));

    pressTab();
    QTest::keyClicks(focused(), "2,000");
    pressTab();
    ASSERT_EQ(focused(), button("cmDate"));
    QTest::keyClick(focused(), Qt::Key_Space);
    ASSERT_TRUE(calendar()->isVisible());
    // From 11 April 2007 one day on and back, then pick 11 April 2007 itself.
    QTest::keyClick(focused(), Qt::Key_Right);
    QTest::keyClick(focused(), Qt::Key_Left);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(box("txtDate")->text(), "11/04/2007");
    ASSERT_EQ(focused(), button("cmdCalc"));
    QTest::keyClick(focused(), Qt::Key_Space);
    // Bought in April 2007, the certificate is long matured by any year the list offers.
    EXPECT_EQ(notices(), std::vector<QString>{kNoInterest});
    EXPECT_EQ(result()->text(), "0.00");
}

}  // namespace
