#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>
#include <QTextLayout>
#include <QToolButton>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>

#include "CalendarParts.h"
#include "Conversions.h"
#include "NoticeBox.h"
#include "Translation.h"
#include "WindowLook.h"
#include "notice_watchdog.h"
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
    {"Line2", "QWidget", 3240, 600, 255, 15, "", 0, 0, false, true, true},
    {"Line1", "QWidget", 0, 3345, 4935, 30, "", 0, 0, false, true, true},
};

QString CaptionOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QPushButton*>(control)) return button->text();
    if (auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    if (auto* list = qobject_cast<const QComboBox*>(control)) return list->currentText();
    return {};
}

// The lines of a label's text as they are drawn at `width`.
QStringList WrappedLines(const QLabel* label, int width) {
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << label->text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

// Where the ink of a caption falls, unclipped, in its control's coordinates.
QRect InkOf(const QWidget* control, const QString& caption, int alignment) {
    QImage image(control->size() + QSize(80, 80), QImage::Format_Alpha8);
    image.fill(0);
    QPainter painter(&image);
    painter.setFont(control->font());
    painter.drawText(control->contentsRect().translated(40, 40), alignment | Qt::TextDontClip,
                     caption);
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            if (image.constScanLine(y)[x] != 0) ink |= QRect(x - 40, y - 40, 1, 1);
    }
    return ink;
}

// Where the controls stand and how they are drawn: these run again at 1.5 and 2 times the scale.
using LayoutTest = WindowTest;

TEST_F(LayoutTest, WindowIsFixedLavenderAndTitled) {
    EXPECT_EQ(window->objectName(), "Form1");
    EXPECT_EQ(window->windowTitle(), "Tresk Interest Calculator");
    EXPECT_EQ(window->size(), QSize(331, 268));
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
            EXPECT_GE(box->maxLength(), 4096) << "room for any denomination, pasted marks and all";
        }
        if (auto* push = qobject_cast<QPushButton*>(widget)) {
            EXPECT_FALSE(push->isDefault() || push->autoDefault());
            EXPECT_FALSE(push->text().contains('&'));
        }
    }
}

TEST_F(LayoutTest, AnImposedSizeMovesNothing) {
    const struct {
        QSize imposed;
        QSize taken;  // a compositor's maximised size is taken; nothing smaller than the layout
    } rows[] = {
        {{800, 600}, {800, 600}},
        {{200, 150}, {331, 268}},
        {{400, 200}, {400, 268}},
        {{331, 268}, {331, 268}},
    };
    for (const auto& row : rows) {
        window->resize(row.imposed);
        QApplication::processEvents();
        ASSERT_EQ(window->size(), row.taken);
        for (const ControlRow& control : kControls) {
            EXPECT_EQ(
                this->control(control.name)->geometry(),
                QRect(control.left / 15, control.top / 15, control.width / 15, control.height / 15))
                << control.name << " at " << row.imposed.width();
        }
        if (row.taken.width() > 331) {
            const QImage image = window->grab().toImage();
            EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), kLavender);
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

TEST_F(LayoutTest, CalendarStandsOnItsStoredDay) {
    QCalendarWidget* month = calendar();
    EXPECT_EQ(month->selectedDate(), QDate(2007, 4, 11));
    EXPECT_EQ(month->yearShown(), 2007);
    EXPECT_EQ(month->monthShown(), 4);
    EXPECT_EQ(month->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    // A day beyond these has no four-digit date text, and picking it would throw.
    EXPECT_EQ(month->minimumDate(), QDate(1, 1, 1));
    EXPECT_EQ(month->maximumDate(), QDate(9999, 12, 31));
    // What the grid draws: day names in the header row, dates below, Sundays in column 0.
    QTableView* grid = dayGrid();
    grid->ensurePolished();
    const auto cell = [&](int row, int column, int role) {
        return grid->model()->index(row, column).data(role);
    };
    for (const int column : {0, 3}) {
        EXPECT_EQ(cell(0, column, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
        EXPECT_EQ(cell(0, column, Qt::FontRole).value<QFont>().family(),
                  InstalledFace("Bookman Old Style"));
        EXPECT_EQ(cell(0, column, Qt::FontRole).value<QFont>().weight(), 600);
        EXPECT_EQ(cell(3, column, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 160));
        EXPECT_EQ(cell(3, column, Qt::FontRole).value<QFont>().family(), InstalledFace("Arial"));
        EXPECT_EQ(cell(3, column, Qt::FontRole).value<QFont>().weight(), 400);
    }
    QStyleOptionViewItem option;
    option.initFrom(grid);
    EXPECT_EQ(QColor::fromRgba(static_cast<QRgb>(
                  grid->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, grid))),
              QColor(255, 0, 0));
    // The title: red bold month and year on the light green bar.
    QWidget* bar = PartOf(month, CalendarPart::NavigationBar);
    for (auto* title : bar->findChildren<QToolButton*>()) {
        if (title->text().isEmpty()) continue;  // the arrows
        EXPECT_EQ(title->font().weight(), QFont::Bold);
    }
    const QImage drawn = bar->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(1, 1), QColor(192, 255, 192));
    int red = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            red += pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80;
        }
    }
    EXPECT_GT(red, 20) << "the month and year are drawn in red";
}

TEST_F(LayoutTest, YearListAndCalendarShowWhole) {
    chooseYear(currentYear());
    QComboBox* list = yearList();
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = true;
    const QRect arrow =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
    EXPECT_GE(arrow.width(), 8);
    EXPECT_TRUE(list->rect().contains(arrow));
    const int yearWidth = QFontMetrics(list->font()).horizontalAdvance(list->currentText());
    EXPECT_LE(yearWidth, list->lineEdit()->width() - 4) << "the whole year shows";

    QTableView* grid = openCalendar();
    const int lastWeek = grid->model()->rowCount() - 1;
    EXPECT_LE(grid->rowViewportPosition(lastWeek) + grid->rowHeight(lastWeek),
              grid->viewport()->height())
        << "the sixth week shows whole";
}

TEST_F(LayoutTest, DayNamesShowWholeInEveryLanguage) {
    const struct {
        QLocale locale;
        bool distinct;  // Hindi's fit only as Qt's first letters, which repeat one
        Qt::DayOfWeek firstDay;
    } rows[] = {
        {QLocale::c(), true, Qt::Sunday},
        {QLocale(QLocale::French, QLocale::France), true, Qt::Monday},
        {QLocale(QLocale::German, QLocale::Germany), true, Qt::Monday},
        {QLocale(QLocale::Arabic, QLocale::Egypt), true, Qt::Saturday},
        {QLocale(QLocale::Hindi, QLocale::India), false, Qt::Sunday},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.locale.name().toStdString());
        const LocaleGuard guard(row.locale);
        newWindow();
        chooseYear(currentYear());
        QTableView* grid = openCalendar();
        EXPECT_EQ(calendar()->firstDayOfWeek(), row.firstDay);
        // Qt's item delegate elides a text that leaves less than its focus margin on each side.
        const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid);
        QStringList names;
        for (int column = 0; column < 7; ++column) {
            const QModelIndex heading = grid->model()->index(0, column);
            const QString name = heading.data().toString();
            const QFontMetrics metrics(heading.data(Qt::FontRole).value<QFont>());
            EXPECT_LE(metrics.horizontalAdvance(name), grid->columnWidth(column) - 2 * (margin + 1))
                << name.toStdString();
            names << name;
        }
        if (row.distinct) {
            EXPECT_EQ(names.removeDuplicates(), 0) << "each day is told apart";
        }
    }
}

using LanguageTest = WindowTest;

TEST_F(LanguageTest, EachLanguageInItsScriptWholeInEveryControl) {
    const auto english = qScopeGuard([] { UseLanguage(QLocale::c()); });
    // Every caption's ink inside its control: first a caption whose stacked marks rise above its
    // label, then each language's.
    QLabel marks(QString::fromUtf8("a\u0302\u0302\u0302"));
    marks.setGeometry(32, 192, 121, 17);
    marks.setFont(Bold825());
    CentreCaptionInk(&marks);
    EXPECT_TRUE(marks.rect().contains(InkOf(&marks, marks.text(), marks.alignment())))
        << "marks above the label";
    for (const QString& lang : QStringLiteral(TRESK_LANGUAGES).split(u',')) {
        SCOPED_TRACE(lang.toStdString());
        const QLocale locale(lang);
        const QChar::Script script = locale.nativeLanguageName().at(0).script();
        const bool mirrored = locale.textDirection() == Qt::RightToLeft;
        const auto inScript = [script](const QString& text) {
            return std::ranges::any_of(text, [&](QChar c) { return c.script() == script; });
        };
        ASSERT_EQ(UseLanguage(locale), lang);
        newWindow();
        // At the design size, and enlarged as a window manager may make it.
        for (const QSize size : {QSize(331, 268), QSize(800, 600)}) {
            window->resize(size);
            QApplication::processEvents();
            ASSERT_EQ(window->size(), size);
            for (const ControlRow& row : kControls) {
                SCOPED_TRACE(std::string(row.name) + " at " + std::to_string(size.width()));
                QWidget* widget = control(row.name);
                EXPECT_EQ(widget->x(),
                          mirrored ? size.width() - (row.left + row.width) / 15 : row.left / 15);
                const QString caption = CaptionOf(widget);
                if (caption.isEmpty()) continue;
                const bool word = QChar(row.caption[0]).isLetter() && caption != "Corvane";
                EXPECT_TRUE(word ? inScript(caption) : caption == row.caption);
                const auto* label = qobject_cast<QLabel*>(widget);
                const int alignment =
                    label ? QStyle::visualAlignment(widget->layoutDirection(), label->alignment())
                          : int(Qt::AlignCenter);
                EXPECT_EQ(bool(alignment & Qt::AlignRight), label && mirrored);
                const QRect room = label ? widget->rect().adjusted(-1, 0, 1, 0)
                                         : widget->rect().adjusted(2, 2, -2, -2);
                EXPECT_TRUE(room.contains(InkOf(widget, caption, alignment)));
                QTextLayout layout(caption, widget->font());
                layout.beginLayout();
                layout.createLine();
                layout.endLayout();
                for (const QGlyphRun& run : layout.glyphRuns())  // no empty box, no face by chance
                    EXPECT_TRUE(!run.glyphIndexes().contains(0) &&
                                widget->font().families().contains(run.rawFont().familyName()));
            }
        }
        chooseYear(currentYear());
        typeDenomination("1000");
        clickCalculate();
        const Notice notice = NoticeWatchdog::instance().take().at(0);
        const QString ok = NoticeBox({}, {}, window.get()).button(QMessageBox::Ok)->text();
        EXPECT_TRUE(inScript(notice.title) && inScript(notice.text) && inScript(ok));
        pickDate(QDate(currentYear() - 2, 6, 15));
        clickCalculate();
        EXPECT_EQ(box("cmdDate(0)")->text(), "88.30");
        EXPECT_TRUE(inScript(button("cmDate")->accessibleName()));
        // The schedule's columns run in the window's direction, the year of life first.
        const QString schedule = box("cmdDate(0)")->toolTip();
        EXPECT_EQ(schedule.indexOf("88.30") < schedule.indexOf("<b>2</b>"), mirrored);
        // Qt's own menu of a text box, found by the context and texts Qt looks it up by.
        const std::unique_ptr<QMenu> menu(box("cmdAmt(0)")->createStandardContextMenu());
        for (const QAction* action : menu->actions())
            EXPECT_TRUE(action->isSeparator() || inScript(action->text()));
        // From the keyboard the result's menu hangs from the box's leading edge.
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(button("cmdCalc"), &menuKey);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        const QRect result(box("cmdDate(0)")->mapToGlobal(QPoint()), box("cmdDate(0)")->size());
        EXPECT_EQ(mirrored ? popup->geometry().right() : popup->x(),
                  mirrored ? result.right() : result.left());
        popup->close();
    }
}

TEST_F(LayoutTest, WindowKeepsItsOwnStyle) {
    const QString desktopStyle = QApplication::style()->name();
    QApplication::setStyle(QStringLiteral("Windows"));
    Form1 other;
    QApplication::setStyle(desktopStyle);
    EXPECT_EQ(other.style()->name(), "fusion");
    // The calendar's grid draws through Fusion too, wrapped for the colour of its lines.
    const QTableView* grid = DayGridOf(other.findChild<QCalendarWidget*>());
    for (QWidget* widget : other.findChildren<QWidget*>()) {
        if (widget == grid) continue;
        EXPECT_EQ(widget->style(), other.style()) << widget->metaObject()->className();
    }
    const auto* wrapped = qobject_cast<const QProxyStyle*>(grid->style());
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(wrapped->baseStyle()->name(), "fusion");
}

TEST_F(LayoutTest, CalendarLiesAboveWhatItCovers) {
    chooseYear(currentYear());
    openCalendar();
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

// WCAG contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of text drawn in an area: its commonest colour is what the text is drawn on, the
// pixel farthest from that is the text's own colour.
double TextContrast(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const QColor ground = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                              return a.second < b.second;
                          })->first;
    double best = 1;
    for (const auto& [rgb, count] : counts)
        best = std::max(best, Contrast(ground, QColor(rgb)));
    return best;
}

TEST_F(LayoutTest, TextIsLegibleUnderLightAndDarkDesktops) {
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 238));
    dark.setColor(QPalette::Text, QColor(238, 238, 238));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 238));
    const struct {
        const char* name;
        QPalette desktop;
    } rows[] = {{"light", QApplication::palette()}, {"dark", dark}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PaletteGuard guard;
        PaletteGuard::setDesktopPalette(row.desktop);
        newWindow();
        chooseYear(currentYear());
        typeDenomination("1000");
        pickDate(QDate(currentYear() - 2, 6, 15));
        QTest::mouseClick(button("cmdCalc"), Qt::LeftButton);
        ASSERT_EQ(box("cmdDate(0)")->text(), "88.30");
        window->setFocus();  // no focus frame or cursor among the measured pixels
        const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal scale = image.devicePixelRatio();
        const auto pixels = [&](const QRect& r) {
            return QRectF(QPointF(r.topLeft()) * scale, QSizeF(r.size()) * scale).toRect();
        };
        for (const char* name : {"Label1", "Label2", "Label3", "Label7", "Label8"}) {
            EXPECT_GE(TextContrast(image, pixels(control(name)->geometry())), 4.5) << name;
        }
        // Inside the frames: the text against the box or the button it is drawn on.
        for (const char* name : {"cmdDate(0)", "cmdAmt(2)", "txtDate", "cmdAmt(0)", "cmdCalc"}) {
            EXPECT_GE(TextContrast(image, pixels(control(name)->geometry().adjusted(4, 4, -4, -4))),
                      4.5)
                << name;
        }
        // The calendar's month arrows against its bar, as large graphics (3:1).
        openCalendar();
        QWidget* bar = PartOf(calendar(), CalendarPart::NavigationBar);
        const QImage drawn = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal barScale = drawn.devicePixelRatio();
        for (const CalendarPart arrow : {CalendarPart::PreviousMonth, CalendarPart::NextMonth}) {
            const QRect button = PartOf(calendar(), arrow)->geometry().adjusted(2, 2, -2, -2);
            const QRect area(button.topLeft() * barScale, button.size() * barScale);
            EXPECT_GE(TextContrast(drawn, area), 3) << static_cast<int>(arrow);
        }
        window.reset();
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
    // At a fractional scale the last device pixel is a whole one.
    const qreal scale = window->devicePixelRatioF();
    const QSize pixels(qCeil(331 * scale), qCeil(268 * scale));
    EXPECT_EQ(picture.size(), pixels);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(pixels) / scale);
}

}  // namespace

TEST_F(LayoutTest, NoticesWrapInBalancedLines) {
    const struct {
        const char* name;
        const QString& text;
    } rows[] = {{"choose a year", kChooseYear},         {"not considered", kNotConsidered},
                {"no interest", kNoInterest},           {"too large", kTooLarge},
                {"year out of range", kYearOutOfRange}, {"not calculated", kNotCalculated}};
    // Each size of the face wraps the texts at other words.
    for (const auto& row : rows) {
        for (const int points : {8, 9, 10, 11, 12, 14}) {
            SCOPED_TRACE(row.name + std::string(" at ") + std::to_string(points) + "pt");
            NoticeBox notice("Tresk Interest Calculator", row.text, window.get());
            QFont face = notice.font();
            face.setPointSize(points);
            notice.setFont(face);
            notice.show();
            auto* label = notice.findChild<QLabel*>("qt_msgbox_label");
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(notice.text(), row.text) << "no line breaks in what screen readers read";
            const QStringList lines = WrappedLines(label, label->contentsRect().width());
            EXPECT_EQ(lines.join(' '), row.text);
            for (const QString& line : lines) {
                EXPECT_GT(line.count(' '), 0) << "a word alone on a line: " << line.toStdString();
            }
            // No more lines than the text needs in the room the box gives the label.
            if (auto* grid = qobject_cast<QGridLayout*>(notice.layout())) {
                int cellRow = 0, cellColumn = 0, rowSpan = 0, columnSpan = 0;
                grid->getItemPosition(grid->indexOf(label), &cellRow, &cellColumn, &rowSpan,
                                      &columnSpan);
                const int room = grid->cellRect(cellRow, cellColumn).width() - label->width() +
                                 label->contentsRect().width();
                EXPECT_EQ(lines.size(), WrappedLines(label, room).size());
            }
            const QRect drawn = label->fontMetrics().boundingRect(label->contentsRect(),
                                                                  Qt::TextWordWrap, row.text);
            EXPECT_TRUE(label->contentsRect().contains(drawn)) << "every line shows whole";
            EXPECT_TRUE(notice.rect().contains(label->geometry()));
        }
    }
}

TEST_F(LayoutTest, ANoticeGivenMoreRoomKeepsItsTextAndOkTogetherInTheMiddle) {
    for (const QSize size : {QSize(1920, 1080), QSize(800, 600), QSize(600, 130)}) {
        SCOPED_TRACE(size.width());
        NoticeBox notice("Tresk Interest Calculator", kNotConsidered, window.get());
        // Lays the box out as its event loop would, without running the loop, which would
        // dismiss the notice.
        const auto layOut = [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        };
        notice.show();
        layOut();
        const QSize own = notice.size();
        auto* label = notice.findChild<QLabel*>("qt_msgbox_label");
        QAbstractButton* ok = notice.button(QMessageBox::Ok);
        ASSERT_TRUE(label != nullptr && ok != nullptr);
        const auto inBox = [&](const QWidget* part) {
            return QRect(part->mapTo(&notice, QPoint(0, 0)), part->size());
        };
        const QRect label0 = inBox(label), ok0 = inBox(ok);
        notice.resize(size);
        layOut();
        ASSERT_EQ(notice.size(), size) << "a compositor's size must be taken";
        const QPoint shift((size.width() - own.width()) / 2, (size.height() - own.height()) / 2);
        EXPECT_EQ(inBox(label), label0.translated(shift));
        EXPECT_EQ(inBox(ok), ok0.translated(shift));
        EXPECT_TRUE(notice.rect().contains(inBox(label).united(inBox(ok))));
        EXPECT_TRUE(ok->isVisible() && label->isVisible());
    }
}
