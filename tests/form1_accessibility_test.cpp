#include <QAccessible>
#include <QLineEdit>

#include "window_test.h"

namespace {

// What a screen reader reads off the window.
class AccessibilityTest : public WindowTest {
  protected:
    static QAccessibleInterface* accessible(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
};

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
    }
}

}  // namespace
