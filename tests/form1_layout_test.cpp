#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <optional>

#include "conversions.h"
#include "fonts.h"
#include "window_test.h"

namespace {

const QColor kLavender(192, 192, 255);
const QColor kRed(255, 0, 0);

struct ControlRow {
    const char* name;
    const char* kind;
    int left, top, width, height;  // twips
    const char* caption;
    double points;  // 0: the control's own font
    int weight;
    bool redText;
    bool visible;
    bool enabled;
};

// From the top of the stacking order to the bottom.
const ControlRow kControls[] = {
    {"Calendar1", "QCalendarWidget", 1080, 0, 3495, 2295, "", 0, 0, false, false, true},
    {"cmDate", "QPushButton", 3720, 1560, 375, 300, "|||||", 8.25, 700, false, true, true},
    {"txtDate", "QLineEdit", 2400, 1560, 1335, 285, "", 8.25, 700, false, true, false},
    {"Combo1", "QComboBox", 2400, 480, 975, 315, "", 8.25, 400, false, true, true},
    {"cmdDate(3)", "QLineEdit", 3600, 1560, 150, 315, "", 8.25, 400, false, false, true},
    {"cmdDate(2)", "QLineEdit", 3000, 1560, 495, 315, "", 8.25, 400, false, false, true},
    {"cmdAmt(2)", "QLineEdit", 3480, 480, 855, 315, "", 8.25, 700, false, true, false},
    {"cmdDate(0)", "QLineEdit", 2640, 2880, 1455, 315, "", 8.25, 700, false, true, false},
    {"cmdCalc", "QPushButton", 1680, 2160, 1335, 375, "Calculate", 8.25, 400, false, true, true},
    {"cmdDate(1)", "QLineEdit", 2400, 1560, 495, 315, "", 8.25, 400, false, false, true},
    {"cmdAmt(0)", "QLineEdit", 2400, 960, 1455, 315, "", 8.25, 400, false, true, true},
    {"Label8", "QLabel", 3480, 240, 735, 255, "\"YYYY\"", 8.25, 700, false, true, true},
    {"Label7", "QLabel", 2520, 240, 735, 255, "\"YYYY\"", 8.25, 700, false, true, true},
    {"Label6", "QLabel", 840, 480, 1455, 255, "Financial Year", 8.25, 700, true, true, true},
    {"Label5", "QLabel", 2040, 3720, 2415, 255, "Corvane", 9.75, 700, true, true, true},
    {"Label4", "QLabel", 360, 3480, 1815, 255, "Developed by -", 9.75, 700, true, true, true},
    {"Label3", "QLabel", 480, 2880, 1815, 255, "Accrued Interest", 9.75, 700, false, true, true},
    {"Label2", "QLabel", 120, 1560, 2175, 255, "Enter Date of purchase ", 8.25, 700, false, true,
     true},
    {"Label1", "QLabel", 480, 960, 1815, 255, "Enter Denomination", 8.25, 700, false, true, true},
};

QString CaptionOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QPushButton*>(control)) return button->text();
    if (auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    if (auto* list = qobject_cast<const QComboBox*>(control)) return list->currentText();
    return {};
}

using LayoutTest = WindowTest;

TEST_F(LayoutTest, WindowIsFixedLavenderAndTitled) {
    EXPECT_EQ(window->objectName(), "Form1");
    EXPECT_EQ(window->windowTitle(), "Tresk Interest Calculator");
    EXPECT_EQ(window->size(), QSize(331, 268));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->palette().color(QPalette::Window), kLavender);
    EXPECT_EQ(window->font().family(), InstalledFace("MS Sans Serif"));
    EXPECT_EQ(window->font().pointSizeF(), 8.25);
    EXPECT_TRUE(window->windowIcon().availableSizes().contains(QSize(48, 48)));
}

TEST_F(LayoutTest, EveryControlAsInTheTable) {
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        QWidget* widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), row.kind);
        EXPECT_EQ(widget->parentWidget(), window.get());
        EXPECT_EQ(widget->geometry(),
                  QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
        EXPECT_EQ(CaptionOf(widget), row.caption);
        EXPECT_EQ(widget->isVisibleTo(window.get()), row.visible);
        EXPECT_EQ(widget->isEnabled(), row.enabled);
        if (row.points > 0) {
            EXPECT_EQ(widget->font().family(), "Liberation Sans");
            EXPECT_EQ(widget->font().pointSizeF(), row.points);
            EXPECT_EQ(widget->font().weight(), row.weight);
            EXPECT_FALSE(widget->font().italic() || widget->font().underline() ||
                         widget->font().strikeOut());
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_TRUE(label->autoFillBackground());
            EXPECT_EQ(label->palette().color(QPalette::Window), kLavender);
            EXPECT_EQ(label->palette().color(QPalette::WindowText) == kRed, row.redText);
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
        }
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_GT(box->maxLength(), 1'000'000) << "a text box has no length limit";
        }
        if (auto* push = qobject_cast<QPushButton*>(widget)) {
            EXPECT_FALSE(push->isDefault() || push->autoDefault());
            EXPECT_FALSE(push->text().contains('&'));
        }
    }
}

TEST_F(LayoutTest, StackingOrderFollowsTheTable) {
    std::vector<QString> bottomUp;
    for (QObject* child : window->children()) {
        if (child->isWidgetType()) bottomUp.push_back(child->objectName());
    }
    std::vector<QString> expected;
    for (auto row = std::rbegin(kControls); row != std::rend(kControls); ++row) {
        expected.emplace_back(row->name);
    }
    EXPECT_EQ(bottomUp, expected);
}

TEST_F(LayoutTest, ControlsStartEmptyWithTheYearsListed) {
    QComboBox* list = yearList();
    EXPECT_EQ(focused(), list);
    EXPECT_TRUE(list->isEditable());
    EXPECT_EQ(list->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText(), "");
    ASSERT_EQ(list->count(), 11);
    for (int row = 0; row < 11; ++row) {
        EXPECT_EQ(list->itemText(row), QString::fromStdString(tresk::Str(currentYear() - 5 + row)));
    }
    for (const char* name : {"txtDate", "cmdAmt(0)", "cmdAmt(2)", "cmdDate(0)", "cmdDate(1)",
                             "cmdDate(2)", "cmdDate(3)"}) {
        EXPECT_EQ(box(name)->text(), "") << name;
    }
    EXPECT_EQ(list->lineEdit()->maxLength(), box("cmdAmt(0)")->maxLength());
}

TEST_F(LayoutTest, CalendarStandsOnItsStoredDay) {
    QCalendarWidget* month = calendar();
    EXPECT_EQ(month->selectedDate(), QDate(2007, 4, 11));
    EXPECT_EQ(month->yearShown(), 2007);
    EXPECT_EQ(month->monthShown(), 4);
    EXPECT_EQ(month->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    // A day beyond these has no four-digit date text, and picking it would throw.
    EXPECT_EQ(month->minimumDate(), QDate(1, 1, 1));
    EXPECT_EQ(month->maximumDate(), QDate(9999, 12, 31));
    EXPECT_EQ(month->weekdayTextFormat(Qt::Sunday).foreground().color(), QColor(0, 0, 160));
    EXPECT_EQ(month->headerTextFormat().foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(month->headerTextFormat().font().family(), InstalledFace("Bookman Old Style"));
}

TEST_F(LayoutTest, CalendarLiesAboveWhatItCovers) {
    chooseYear(currentYear());
    QTest::mouseClick(button("cmDate"), Qt::LeftButton);
    ASSERT_TRUE(calendar()->isVisible());
    const QRect area = calendar()->geometry();
    for (int x = area.left(); x <= area.right(); x += 7) {
        for (int y = area.top(); y <= area.bottom(); y += 7) {
            QWidget* hit = window->childAt(x, y);
            ASSERT_TRUE(hit == calendar() || calendar()->isAncestorOf(hit)) << x << "," << y;
        }
    }
    // The lower part of Calculate stays within reach.
    EXPECT_EQ(window->childAt(QPoint(150, 160)), button("cmdCalc"));
}

TEST_F(LayoutTest, NoCaptionIsClipped) {
    for (const ControlRow& row : kControls) {
        QWidget* widget = control(row.name);
        const QString caption = CaptionOf(widget);
        if (caption.isEmpty()) continue;
        const QFontMetrics metrics(widget->font());
        int room = widget->contentsRect().width();
        if (qobject_cast<QPushButton*>(widget)) {
            room -= 2 * widget->style()->pixelMetric(QStyle::PM_ButtonMargin) / 2;
        }
        EXPECT_LE(metrics.horizontalAdvance(caption), room) << row.name;
        EXPECT_LE(metrics.height(), widget->height()) << row.name;
    }
}

TEST_F(LayoutTest, TabCycleSkipsHiddenAndDisabledBoxes) {
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

TEST_F(LayoutTest, ShownCalendarJoinsTheTabCycleAfterCalculate) {
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

TEST_F(LayoutTest, ReadersAnnounceEveryControlByItsLabel) {
    const struct {
        const char* control;
        const char* name;
        const char* caption;  // the label that readers relate to the control
    } rows[] = {
        {"Combo1", "Financial Year", "Label6"},
        {"cmdAmt(0)", "Enter Denomination", "Label1"},
        {"txtDate", "Enter Date of purchase", "Label2"},
        {"cmdDate(0)", "Accrued Interest", "Label3"},
        {"cmdAmt(2)", "Financial Year ends", nullptr},
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
}

TEST_F(LayoutTest, LinesArePaintedBeneathTheControls) {
    const QImage image = window->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const auto pixel = [&](int x, int y) { return image.pixelColor(QPoint(x, y) * scale); };
    for (int x : {2, 100, 326}) {
        EXPECT_EQ(pixel(x, 223), kRed) << "Line1 at " << x;
        EXPECT_EQ(pixel(x, 224), kRed) << "Line1 at " << x;
    }
    EXPECT_EQ(pixel(100, 226), kLavender);
    EXPECT_EQ(pixel(228, 40), window->palette().color(QPalette::WindowText)) << "Line2's dash";
    EXPECT_NE(pixel(220, 40), window->palette().color(QPalette::WindowText))
        << "Line2 is hidden under the year list";
}

TEST_F(LayoutTest, WindowDrawsAtTheScreensScale) {
    const QPixmap picture = window->grab();
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(331, 268));
    EXPECT_EQ(picture.size(), QSize(331, 268) * window->devicePixelRatioF());
}

}  // namespace
