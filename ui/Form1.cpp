#include "Form1.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTableView>
#include <QTextCharFormat>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

#include "Conversions.h"
#include "GridLineStyle.h"
#include "NoticeBox.h"
#include "accessibility.h"
#include "fonts.h"

namespace {

const QString kTitle = QStringLiteral("Tresk Interest Calculator");
const QString kChooseYear = QStringLiteral("Pls. Select a year from the Drop Down List");
const QString kNotConsidered = QStringLiteral(
    "Accrued Interest of Tresk will not be considered for the specified Financial Year");
const QString kNoInterest = QStringLiteral("No Interest for this year");
const QString kTooLarge = QStringLiteral("Denomination is too large to calculate");
const QString kYearOutOfRange =
    QStringLiteral("Pls. Select a Financial Year from 1 to 9999 from the Drop Down List");
const QString kNotCalculated = QStringLiteral("The interest could not be calculated");
const char* const kAmountPattern = "##,##0.00";

// The layout is given in twips, 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;
QRect Twips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}
QPoint TwipsPoint(int x, int y) {
    return {x / kTwipsPerPixel, y / kTwipsPerPixel};
}

const QColor kLavender(192, 192, 255);
const QColor kRed(255, 0, 0);
const QColor kLightGreen(192, 255, 192);
const QColor kBlue(0, 0, 255);
const QColor kDarkBlue(0, 0, 160);

QFont Bold825() {
    return WindowFont(QStringLiteral("MS Sans Serif"), 8.25, 700);
}
QFont Bold975() {
    return WindowFont(QStringLiteral("MS Sans Serif"), 9.75, 700);
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

QIcon WindowIcon() {
    QIcon icon;
    for (const int size : {48, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/org.tresk.InterestCalculator-%1.png").arg(size));
    }
    return icon;
}

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// QLineEdit measures, lays out and paints its whole text at every change and repaint, and cuts an
// over-long paste down in time that grows with the square of its limit: a few thousand
// characters keep both within milliseconds, and no denomination or year comes near them.
constexpr int kMaxTextLength = 4096;

QLineEdit* TextBox(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setMaxLength(kMaxTextLength);
    return box;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                const QFont& font, bool red) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    if (red) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, kRed);
        label->setPalette(palette);
    }
    return label;
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
    auto* bar = calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
    QPalette barPalette = bar->palette();
    barPalette.setColor(QPalette::Highlight, kLightGreen);
    barPalette.setColor(QPalette::HighlightedText, kRed);
    barPalette.setColor(QPalette::ButtonText, kRed);
    barPalette.setColor(QPalette::WindowText, kRed);
    bar->setPalette(barPalette);
    bar->setFont(WindowFont(QStringLiteral("Arial"), 8.25, 700));

    // The grid's cells take the view's base, text and font.
    auto* grid = calendar->findChild<QTableView*>();
    QPalette gridPalette = grid->palette();
    gridPalette.setColor(QPalette::Base, kLightGreen);
    gridPalette.setColor(QPalette::AlternateBase, kLightGreen);
    gridPalette.setColor(QPalette::Text, kDarkBlue);
    grid->setPalette(gridPalette);
    grid->setFont(WindowFont(QStringLiteral("Arial"), 8.25, 400));
    grid->setStyle(new GridLineStyle(kRed, grid));
}

}  // namespace

Form1::Form1(QWidget* parent, std::function<double()> today)
    : QWidget(parent), today(std::move(today)) {
    InstallAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kTitle);
    // The frame offers no maximise button, but the window takes any size a window manager or
    // compositor gives it (a Wayland compositor's maximised size must be obeyed to the pixel);
    // the layout stays where it is and the surface fills the rest.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(Twips(0, 0, 4965, 4020).size());
    // Reading the first image loads Qt's list of image format plugins, which would hold back the
    // window's first appearance by a few milliseconds; the icon follows right after it instead.
    QTimer::singleShot(0, this, [this] { setWindowIcon(WindowIcon()); });
    setFont(WindowFont(QStringLiteral("MS Sans Serif"), 8.25, 400));
    // The fixed pixel sizes fit Fusion's metrics, whatever style the desktop asks for.
    const QString fusion = QStringLiteral("Fusion");
    if (QApplication::style()->name().compare(fusion, Qt::CaseInsensitive) != 0) {
        windowStyle = QStyleFactory::create(fusion);
        windowStyle->setParent(this);
    }
    setPalette(WindowPalette());
    setAutoFillBackground(true);

    createControls();
    if (windowStyle != nullptr) applyWindowStyle();
    setTabOrder();
    connectHandlers();
    Form_Load();
}

void Form1::createControls() {
    // Created from the bottom of the stacking order up, so that later controls lie above.
    const QFont bold825 = Bold825();
    const QFont bold975 = Bold975();
    Label[1] =
        Caption(this, "Label1", "Enter Denomination", Twips(480, 960, 1815, 255), bold825, false);
    Label[2] = Caption(this, "Label2", "Enter Date of purchase ", Twips(120, 1560, 2175, 255),
                       bold825, false);
    Label[3] =
        Caption(this, "Label3", "Accrued Interest", Twips(480, 2880, 1815, 255), bold975, false);
    Label[4] =
        Caption(this, "Label4", "Developed by -", Twips(360, 3480, 1815, 255), bold975, true);
    Label[5] = Caption(this, "Label5", "Corvane", Twips(2040, 3720, 2415, 255), bold975, true);
    Label[6] = Caption(this, "Label6", "Financial Year", Twips(840, 480, 1455, 255), bold825, true);
    Label[7] = Caption(this, "Label7", "\"YYYY\"", Twips(2520, 240, 735, 255), bold825, false);
    Label[8] = Caption(this, "Label8", "\"YYYY\"", Twips(3480, 240, 735, 255), bold825, false);

    cmdAmt[0] = TextBox(this, "cmdAmt(0)", Twips(2400, 960, 1455, 315));
    cmdAmt[0]->setAccessibleName(QStringLiteral("Enter Denomination"));

    cmdDate[1] = TextBox(this, "cmdDate(1)", Twips(2400, 1560, 495, 315));
    cmdCalc = Button(this, "cmdCalc", "Calculate", Twips(1680, 2160, 1335, 375));

    cmdDate[0] = TextBox(this, "cmdDate(0)", Twips(2640, 2880, 1455, 315));
    cmdDate[0]->setFont(bold825);
    cmdDate[0]->setEnabled(false);
    cmdDate[0]->setAccessibleName(QStringLiteral("Accrued Interest"));

    cmdAmt[2] = TextBox(this, "cmdAmt(2)", Twips(3480, 480, 855, 315));
    cmdAmt[2]->setFont(bold825);
    cmdAmt[2]->setEnabled(false);
    cmdAmt[2]->setAccessibleName(QStringLiteral("Financial Year ends"));

    cmdDate[2] = TextBox(this, "cmdDate(2)", Twips(3000, 1560, 495, 315));
    cmdDate[3] = TextBox(this, "cmdDate(3)", Twips(3600, 1560, 150, 315));
    // The date-part boxes stay hidden for the life of the window.
    for (std::size_t i = 1; i < cmdDate.size(); ++i) {
        cmdDate[i]->hide();
    }

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(Twips(2400, 480, 975, 315));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMaxVisibleItems(11);  // every year at once, no scrolling
    // Only a choice from the list sets the year: no completion, and no text typed to match an
    // entry turns into a choice when editing finishes.
    Combo1->setCompleter(nullptr);
    disconnect(Combo1->lineEdit(), &QLineEdit::editingFinished, Combo1, nullptr);
    Combo1->lineEdit()->setMaxLength(kMaxTextLength);
    Combo1->setAccessibleName(QStringLiteral("Financial Year"));

    txtDate = TextBox(this, "txtDate", Twips(2400, 1560, 1335, 285));
    txtDate->setFont(bold825);
    txtDate->setEnabled(false);
    txtDate->setAccessibleName(QStringLiteral("Enter Date of purchase"));

    cmDate = Button(this, "cmDate", "|||||", Twips(3720, 1560, 375, 300));
    cmDate->setFont(bold825);
    cmDate->setAccessibleName(QStringLiteral("Choose date of purchase"));

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setGeometry(Twips(1080, 0, 3495, 2295));
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setGridVisible(true);
    // The days that the date text and the engine can carry.
    Calendar1->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    Calendar1->setSelectedDate(QDate(2007, 4, 11));
    // Typed dates are read in the date box's own form instead of Qt's inline editor.
    Calendar1->setDateEditEnabled(false);
    Calendar1->setAccessibleName(QStringLiteral("Date of purchase calendar"));
    ApplyCalendarLook(Calendar1);
    Calendar1->hide();

    // Readers name each control by its caption, and the boxes that only show results take no
    // edits from assistive technology either.
    Label[6]->setBuddy(Combo1);
    Label[1]->setBuddy(cmdAmt[0]);
    Label[2]->setBuddy(txtDate);
    Label[3]->setBuddy(cmdDate[0]);
    for (QLineEdit* box : {txtDate, cmdDate[0], cmdAmt[2]}) {
        MakeReadOnly(box);
    }
    DescribeCalendar(Calendar1);
}

void Form1::applyWindowStyle() {
    // A style does not pass to child widgets, so every one gets it; the drop-down list is
    // created first.
    Combo1->view();
    setStyle(windowStyle);
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget->testAttribute(Qt::WA_SetStyle)) continue;  // the calendar's grid has its own
        widget->setStyle(windowStyle);
    }
}

void Form1::setTabOrder() {
    QWidget* const order[] = {Combo1,  cmdAmt[0], cmDate,     cmdDate[1], cmdDate[2], cmdDate[3],
                              cmdCalc, txtDate,   cmdDate[0], cmdAmt[2],  Calendar1};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void Form1::connectHandlers() {
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(cmDate, &QPushButton::clicked, this, [this] { cmDate_Click(); });
    connect(cmdCalc, &QPushButton::clicked, this, [this] { cmdCalc_Click(); });
    // A day is picked by a click on it or by Enter on the selected day.
    connect(Calendar1, &QCalendarWidget::clicked, this, [this] { Calendar1_Click(); });
    connect(Calendar1, &QCalendarWidget::activated, this, [this] { Calendar1_Click(); });

    // Clicks are seen on the native window, before Qt hands the focus to the clicked control.
    create();
    windowHandle()->installEventFilter(this);
    for (QLineEdit* box : cmdAmt) {
        if (box != nullptr) box->installEventFilter(this);
    }
    for (QLineEdit* box : cmdDate) {
        box->installEventFilter(this);
    }
    Calendar1->findChild<QTableView*>()->installEventFilter(this);
}

void Form1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(kRed, 2));
    painter.drawLine(TwipsPoint(0, 3360), TwipsPoint(4920, 3360));  // Line1
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(TwipsPoint(3240, 600), TwipsPoint(3480, 600));  // Line2
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
        // Answered before the click moves the focus, so that the click itself does nothing
        // (no Calculate behind the notice, no button left pressed).
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!clickLeavesEmptyYearList(childAt(position))) return false;
        Combo1_LostFocus();
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == Calendar1->findChild<QTableView*>()) {
        return handleCalendarKey(static_cast<QKeyEvent*>(event));
    }
    handleTextBoxEvent(watched, event);
    return false;
}

bool Form1::focusNextPrevChild(bool next) {
    // Tab and Shift+Tab; clicks are answered in eventFilter before they move the focus.
    if (leavingEmptyYearList()) {
        Combo1_LostFocus();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

bool Form1::handleCalendarKey(const QKeyEvent* key) {
    const bool yearKey = (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) &&
                         (key->modifiers() & Qt::ControlModifier);
    if (yearKey) {
        typedDate.clear();
        const int years = key->key() == Qt::Key_PageDown ? 1 : -1;
        Calendar1->setSelectedDate(Calendar1->selectedDate().addYears(years));
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !(text[0].isDigit() || text[0] == u'/')) {
        typedDate.clear();
        return false;
    }
    // A pause ends a typed date, as it ends a typed search in a list.
    constexpr qint64 kTypingPause = 2000;
    if (!lastTypedKey.isValid() || lastTypedKey.elapsed() > kTypingPause) typedDate.clear();
    lastTypedKey.start();
    typedDate += text;
    if (const std::optional<double> day = tresk::TypedDate(typedDate.toStdString())) {
        Calendar1->setSelectedDate(QDate(static_cast<int>(tresk::YearOf(*day)),
                                         static_cast<int>(tresk::MonthOf(*day)),
                                         static_cast<int>(tresk::DayOf(*day))));
    }
    return true;
}

void Form1::handleTextBoxEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    for (std::int16_t index = 0; index < static_cast<std::int16_t>(cmdAmt.size()); ++index) {
        if (cmdAmt[index] == nullptr || watched != cmdAmt[index]) continue;
        if (type == QEvent::FocusIn) {
            cmdAmt_GotFocus(index);
            selectDenominationOnRelease =
                static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        } else if (type == QEvent::FocusOut) {
            cmdAmt_LostFocus(index);
        } else if (type == QEvent::MouseButtonRelease && selectDenominationOnRelease) {
            selectDenominationOnRelease = false;
            cmdAmt_GotFocus(index);
        }
        return;
    }
    for (std::int16_t index = 0; index < static_cast<std::int16_t>(cmdDate.size()); ++index) {
        if (watched == cmdDate[index] && type == QEvent::FocusIn) cmdDate_GotFocus(index);
    }
}

bool Form1::leavingEmptyYearList() const {
    return QApplication::focusWidget() == Combo1 && Combo1->currentText().isEmpty();
}

bool Form1::clickLeavesEmptyYearList(QWidget* target) const {
    if (!leavingEmptyYearList()) return false;
    // The widget that the click would focus, found as Qt finds it: the first that takes focus
    // by click, passed on through its focus proxies (the list's own text hands it to the list).
    for (QWidget* widget = target; widget != nullptr && widget != this;
         widget = widget->parentWidget()) {
        if (!widget->isEnabled() || !(widget->focusPolicy() & Qt::ClickFocus)) continue;
        QWidget* taker = widget;
        while (taker->focusProxy() != nullptr)
            taker = taker->focusProxy();
        return taker != Combo1;
    }
    return false;
}

void Form1::showNotice(const QString& text) {
    NoticeBox notice(kTitle, text, this);
    notice.exec();
    // Without a window manager nothing hands the activation back when the notice closes.
    activateWindow();
}

void Form1::Form_Load() {
    // Near the ends of the calendar the list keeps its eleven years within 1 to 9999, so that
    // every entry names a financial year that can be computed.
    ctr = static_cast<std::int16_t>(std::clamp(tresk::YearOf(today()), 6.0, 9994.0));
    for (int position = 0; position <= 10; ++position) {
        Combo1->insertItem(position, FromStd(tresk::Str(ctr - 5 + position)));
    }
    // Inserting into an empty list chose its first entry; the list starts with none.
    Combo1->setCurrentIndex(-1);
}

void Form1::Combo1_Click() {
    FyS = Combo1->currentText();
    FyE = tresk::Val(FyS.toStdString()) + 1;
    cmdAmt[2]->setText(FromStd(tresk::Str(FyE)));
}

void Form1::Combo1_LostFocus() {
    if (!Combo1->currentText().isEmpty()) return;
    showNotice(kChooseYear);
    Combo1->setFocus(Qt::OtherFocusReason);
}

void Form1::cmDate_Click() {
    Calendar1->show();
    Calendar1->setFocus(Qt::OtherFocusReason);
}

void Form1::Calendar1_Click() {
    const QDate picked = Calendar1->selectedDate();
    txtDate->setText(FromStd(
        tresk::DateText(tresk::DateSerial(picked.year(), static_cast<unsigned>(picked.month()),
                                          static_cast<unsigned>(picked.day())))));
    // The focus leaves the calendar before it hides, so that Qt does not pass it on to the
    // next control in the tab order on its own.
    cmdCalc->setFocus(Qt::OtherFocusReason);
    Calendar1->hide();
    DtOfPur = txtDate->text();
}

void Form1::cmdAmt_GotFocus(std::int16_t /*Index*/) {
    cmdAmt[0]->setSelection(0, static_cast<int>(cmdAmt[0]->text().size()));
}

void Form1::cmdAmt_LostFocus(std::int16_t /*Index*/) {}

void Form1::cmdDate_GotFocus(std::int16_t /*Index*/) {
    for (std::size_t i = 1; i < cmdDate.size(); ++i) {
        cmdDate[i]->setSelection(0, static_cast<int>(cmdDate[i]->text().size()));
    }
}

void Form1::cmdCalc_Click() {
    const QLocale locale;
    const std::string decimalSeparator = locale.decimalPoint().toStdString();
    const std::string groupSeparator = locale.groupSeparator().toStdString();
    showAmount(FromStd(tresk::Format(0, kAmountPattern, decimalSeparator, groupSeparator)));

    const std::string denomination = cmdAmt[0]->text().toStdString();
    tresk::Outcome outcome{};
    try {
        outcome =
            tresk::ComputeAccruedInterest(denomination, DtOfPur.toStdString(), FyS.toStdString(),
                                          fields, decimalSeparator, groupSeparator);
    } catch (const std::exception&) {
        // The texts handed over are the window's own; should one still fail to read, the user
        // hears of it and the window goes on.
        showNotice(kNotCalculated);
        return;
    }
    switch (outcome) {
        case tresk::Outcome::NotConsidered:
            showNotice(kNotConsidered);
            showAmount(FromStd(tresk::IntText(0)));
            break;
        case tresk::Outcome::NoInterest:
            showNotice(kNoInterest);
            break;
        case tresk::Outcome::NoStartYear:
        case tresk::Outcome::YearOutOfRange:
            showNotice(outcome == tresk::Outcome::NoStartYear ? kChooseYear : kYearOutOfRange);
            Combo1->setFocus(Qt::OtherFocusReason);
            break;
        case tresk::Outcome::TooLarge:
            showNotice(kTooLarge);
            break;
        case tresk::Outcome::Amount:
            showAmount(FromStd(
                tresk::Format(fields.TreskInt, kAmountPattern, decimalSeparator, groupSeparator)));
            AnnounceResult(cmdCalc, cmdDate[0]->accessibleName() + ' ' + cmdDate[0]->text());
            break;
    }
}

void Form1::showAmount(const QString& text) {
    cmdDate[0]->setText(text);
    // An amount wider than the box shows its leading digits.
    cmdDate[0]->setCursorPosition(0);
}
