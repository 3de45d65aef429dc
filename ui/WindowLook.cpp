#include "WindowLook.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>
#include <QTableView>
#include <QTextCharFormat>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <span>

#include "CalendarParts.h"
#include "GridLineStyle.h"

namespace {

const QColor kLightGreen(192, 255, 192);
const QColor kBlue(0, 0, 255);
const QColor kDarkBlue(0, 0, 160);

struct Substitution {
    const char* face;
    const char* installed;
};

// Liberation Sans is metric-compatible with Arial and the closest sans face to MS Sans Serif;
// URW Bookman is the free Bookman, Nimbus Sans Narrow a narrow sans face. All come from the
// Debian packages the scripts install.
constexpr Substitution kSubstitutions[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Bookman Old Style", "URW Bookman"},
    {"Arial Narrow", "Nimbus Sans Narrow"},
};

// One face per script of the window's languages (the list in ui/CMakeLists.txt: a language in a
// new script needs its face here), named rather than left to the font configuration's choice:
// Noto's UI faces, drawn to fit the height of a control's line, with bold weights of their own. A
// Nastaliq face is too tall for the window's rows, so Urdu is written in Naskh.
constexpr const char* kScriptFaces[] = {
    "Noto Sans Devanagari UI", "Noto Sans Bengali UI",  "Noto Sans Telugu UI",
    "Noto Sans Tamil UI",      "Noto Sans Gujarati UI", "Noto Sans Kannada UI",
    "Noto Sans Malayalam UI",  "Noto Sans Gurmukhi UI", "Noto Sans Oriya UI",
    "Noto Naskh Arabic UI",
};

#ifdef Q_OS_WIN
// Nirmala UI draws every Indic script of Windows since 8.1, Segoe UI the Arabic of Urdu; the free
// faces follow for wine and for older machines.
constexpr const char* kWindowsScriptFaces[] = {"Nirmala UI", "Segoe UI"};

// Windows has the window's faces, but MS Sans Serif is a bitmap face there, in a few sizes
// only: its outline twin scales with the screen. Bookman and Arial Narrow come with Office,
// so a machine may lack them, and wine has none of them; the free faces then stand in.
constexpr Substitution kWindowsFaces[] = {
    {"MS Sans Serif", "Microsoft Sans Serif"},
};
#endif

QString Substitute(const QString& face, std::span<const Substitution> table) {
    for (const auto& substitution : table) {
        if (face == QLatin1String(substitution.face))
            return QString::fromLatin1(substitution.installed);
    }
    return face;
}

// The day names whole in the calendar's language: its short names in the header's face where
// they fit a column, else in a narrow face, else its one-letter names. The model gives the texts
// and fonts the grid draws, before the grid is laid out.
void FitDayNames(QCalendarWidget* calendar, QTextCharFormat dayNames) {
    const QTableView* grid = DayGridOf(calendar);
    // Qt's item delegate elides a text that leaves less than its focus margin on each side.
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid);
    const int room = calendar->width() / 7 - 2 * (margin + 1) - 1;
    const auto fits = [&] {
        for (int column = 0; column < 7; ++column) {
            const QModelIndex heading = grid->model()->index(0, column);
            const QFontMetrics metrics(heading.data(Qt::FontRole).value<QFont>());
            if (metrics.horizontalAdvance(heading.data().toString()) > room) return false;
        }
        return true;
    };
    if (fits()) return;
    const QFont face = dayNames.font();
    dayNames.setFont(WindowFont(QStringLiteral("Arial Narrow"), face.pointSizeF(), face.weight()));
    calendar->setHeaderTextFormat(dayNames);
    if (fits()) return;
    dayNames.setFont(face);
    calendar->setHeaderTextFormat(dayNames);
    calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
}

// The calendar's own arrows are the desktop theme's, which can be pale on the light green bar.
QIcon MonthArrow(bool pointsLeft) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kRed);
        const double tip = pointsLeft ? 0.25 : 0.75;
        const double base = 1 - tip;
        painter.drawPolygon(QPolygonF{QPointF(tip, 0.5) * size, QPointF(base, 0.2) * size,
                                      QPointF(base, 0.8) * size});
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QString InstalledFace(const QString& face) {
#ifdef Q_OS_WIN
    const QString windowsFace = Substitute(face, kWindowsFaces);
    if (QFontDatabase::hasFamily(windowsFace)) return windowsFace;
#endif
    return Substitute(face, kSubstitutions);
}

QStringList ScriptFaces() {
    QStringList faces;
#ifdef Q_OS_WIN
    for (const char* face : kWindowsScriptFaces)
        faces << QString::fromLatin1(face);
#endif
    for (const char* face : kScriptFaces)
        faces << QString::fromLatin1(face);
    return faces;
}

QFont WindowFont(const QString& face, double points, int weight) {
    QFont font(InstalledFace(face));
    font.setFamilies(font.families() + ScriptFaces());
    font.setPointSizeF(points);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

QFont DefaultFont() {
    return WindowFont(QStringLiteral("MS Sans Serif"), 8.25, 400);
}
QFont Bold825() {
    return WindowFont(QStringLiteral("MS Sans Serif"), 8.25, 700);
}
QFont Bold975() {
    return WindowFont(QStringLiteral("MS Sans Serif"), 9.75, 700);
}

void ApplyApplicationFont() {
    QFont font = QApplication::font();
    if (font.families().contains(ScriptFaces().constLast())) return;
    font.setFamilies(font.families() + ScriptFaces());
    QApplication::setFont(font);
}

void CentreCaptionInk(QLabel* label) {
    // Drawn as the label draws it, unclipped, with room above and below.
    constexpr int kRoom = 40;
    QImage image(label->width(), label->height() + 2 * kRoom, QImage::Format_Alpha8);
    image.fill(0);
    QPainter painter(&image);
    painter.setFont(label->font());
    painter.drawText(QRect(QPoint(0, kRoom), label->size()), label->alignment() | Qt::TextDontClip,
                     label->text());
    painter.end();
    const auto inked = [&image](int y) {
        const uchar* row = image.constScanLine(y);
        return std::any_of(row, row + image.width(), [](uchar alpha) { return alpha != 0; });
    };
    int first = 0;
    while (first < image.height() && !inked(first))
        ++first;
    if (first == image.height()) return;
    int last = image.height() - 1;
    while (!inked(last))
        --last;
    // In the label's rows: ink above it has negative ones.
    const int top = first - kRoom;
    const int bottom = last - kRoom;
    if (top >= 0 && bottom < label->height()) return;
    // Margins move the centred line by half their difference.
    const int shift = (label->height() - (bottom - top + 1)) / 2 - top;
    label->setContentsMargins(0, std::max(0, 2 * shift), 0, std::max(0, -2 * shift));
}

// The surface is a fixed pale colour, so nothing drawn on it may follow a dark desktop palette.
// Qt's light scheme is built here rather than taken from a style: under a platform theme a
// style's standard palette is the desktop's own.
QPalette WindowPalette() {
    QPalette palette(QColor(239, 239, 239), kLavender);  // buttons, surface
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    // The output boxes keep the grey surface of a disabled box, but the result they show is the
    // one thing the user came for: their text stays dark enough to read (7:1).
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(239, 239, 239));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(80, 80, 80));
    // Every role counts as set, so that none is taken from a desktop's palette for a class of
    // widget (a platform theme gives text boxes, buttons and labels palettes of their own).
    palette.setResolveMask(~QPalette::ResolveMask{0});
    return palette;
}

void PaintRed(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, kRed);
    widget->setPalette(palette);
}

QIcon WindowIcon() {
    QIcon icon;
    for (const int size : {48, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/org.tresk.InterestCalculator-%1.png").arg(size));
    }
    return icon;
}

void ApplyCalendarLook(QCalendarWidget* calendar) {
    // The day names take the header format; a weekday format would be merged over it (and Qt's
    // red weekends over both), so the dates get their look from the grid itself.
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        calendar->setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(day), QTextCharFormat());
    }
    QTextCharFormat dayNames;
    dayNames.setForeground(kBlue);
    dayNames.setBackground(kLightGreen);
    dayNames.setFont(WindowFont(QStringLiteral("Bookman Old Style"), 8.25, 600));
    calendar->setHeaderTextFormat(dayNames);

    // Colours and fonts go to the calendar's parts through palettes: a style sheet would wrap
    // every part in a style of its own and polish each through it, at every start.
    // The navigation bar fills itself with the highlight colour, and its month and year buttons
    // take their caption colour from the highlighted text and their menu arrow's from the
    // window text.
    QWidget* bar = PartOf(calendar, CalendarPart::NavigationBar);
    QPalette barPalette = bar->palette();
    barPalette.setColor(QPalette::Highlight, kLightGreen);
    barPalette.setColor(QPalette::HighlightedText, kRed);
    barPalette.setColor(QPalette::ButtonText, kRed);
    barPalette.setColor(QPalette::WindowText, kRed);
    bar->setPalette(barPalette);
    bar->setFont(WindowFont(QStringLiteral("Arial"), 8.25, 700));

    // The grid's cells take the view's base, text and font.
    QTableView* grid = DayGridOf(calendar);
    QPalette gridPalette = grid->palette();
    gridPalette.setColor(QPalette::Base, kLightGreen);
    gridPalette.setColor(QPalette::AlternateBase, kLightGreen);
    gridPalette.setColor(QPalette::Text, kDarkBlue);
    grid->setPalette(gridPalette);
    grid->setFont(WindowFont(QStringLiteral("Arial"), 8.25, 400));
    grid->setStyle(new GridLineStyle(kRed, grid));

    // Measuring the day names loads the header's faces, and the arrows are drawn: the hidden
    // calendar needs neither before the window first appears, so both follow it.
    QTimer::singleShot(0, calendar, [calendar, dayNames] {
        FitDayNames(calendar, dayNames);
        const bool rightToLeft = calendar->isRightToLeft();
        qobject_cast<QToolButton*>(PartOf(calendar, CalendarPart::PreviousMonth))
            ->setIcon(MonthArrow(!rightToLeft));
        qobject_cast<QToolButton*>(PartOf(calendar, CalendarPart::NextMonth))
            ->setIcon(MonthArrow(rightToLeft));
    });
}

void ApplyWindowStyle(QWidget* window) {
    const QString fusion = QStringLiteral("Fusion");
    if (QApplication::style()->name().compare(fusion, Qt::CaseInsensitive) == 0) return;
    QStyle* style = QStyleFactory::create(fusion);
    style->setParent(window);
    // A style does not pass to child widgets, so every one gets it; a drop-down's list is made
    // on first use, so it is made now.
    for (QComboBox* list : window->findChildren<QComboBox*>())
        list->view();
    window->setStyle(style);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->testAttribute(Qt::WA_SetStyle)) continue;  // the calendar's grid has its own
        widget->setStyle(style);
    }
}
