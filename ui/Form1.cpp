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
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextCharFormat>
#include <QWindow>

#include <limits>

#include "accessibility.h"
#include "conversions.h"
#include "fonts.h"

namespace {

const QString kTitle = QStringLiteral("Tresk Interest Calculator");
const QString kChooseYear = QStringLiteral("Pls. Select a year from the Drop Down List");
const QString kNotConsidered = QStringLiteral(
    "Accrued Interest of Tresk will not be considered for the specified Financial Year");
const QString kNoInterest = QStringLiteral("No Interest for this year");
const QString kTooLarge = QStringLiteral("Denomination is too large to calculate");
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

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* TextBox(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setMaxLength(std::numeric_limits<int>::max());
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
    QTextCharFormat dayNames;
    dayNames.setForeground(kBlue);
    dayNames.setBackground(kLightGreen);
    dayNames.setFont(WindowFont(QStringLiteral("Bookman Old Style"), 8.25, 600));
    calendar->setHeaderTextFormat(dayNames);

    QTextCharFormat dates;
    dates.setForeground(kDarkBlue);
    dates.setFont(WindowFont(QStringLiteral("Arial"), 8.25, 400));
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        calendar->setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(day), dates);
    }

    const QString titleFace = InstalledFace(QStringLiteral("Arial"));
    calendar->setStyleSheet(
        QStringLiteral("QWidget#qt_calendar_navigationbar { background-color: rgb(192, 255, 192); }"
                       "QToolButton { color: rgb(255, 0, 0); font: bold 8.25pt \"%1\"; }"
                       "QAbstractItemView { background-color: rgb(192, 255, 192);"
                       " gridline-color: rgb(255, 0, 0); }")
            .arg(titleFace));
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    InstallAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kTitle);
    // The layout is fixed: the window can be minimised but neither resized nor maximised.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips(0, 0, 4965, 4020).size());
    QIcon icon;
    for (const int size : {48, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/org.tresk.InterestCalculator-%1.png").arg(size));
    }
    setWindowIcon(icon);
    setFont(WindowFont(QStringLiteral("MS Sans Serif"), 8.25, 400));
    QPalette surface = palette();
    surface.setColor(QPalette::Window, kLavender);
    setPalette(surface);
    setAutoFillBackground(true);

    createControls();
    setTabOrder();
    connectHandlers();
    Form_Load();
}

Form1::~Form1() {
    // QWidget's destructor still hides the window and moves the focus, after this object's own
    // part is gone: nothing of it may answer those.
    disconnect(qApp, &QApplication::focusChanged, this, &Form1::onFocusChanged);
    if (QWindow* handle = windowHandle()) handle->removeEventFilter(this);
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
    Combo1->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
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
    connect(qApp, &QApplication::focusChanged, this, &Form1::onFocusChanged);

    // Clicks are seen on the native window, before Qt hands the focus to the clicked control.
    create();
    windowHandle()->installEventFilter(this);
    for (QLineEdit* box : cmdAmt) {
        if (box != nullptr) box->installEventFilter(this);
    }
    for (QLineEdit* box : cmdDate) {
        box->installEventFilter(this);
    }
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
    handleTextBoxEvent(watched, event);
    return false;
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

bool Form1::clickLeavesEmptyYearList(QWidget* target) const {
    if (QApplication::focusWidget() != Combo1 || !Combo1->currentText().isEmpty()) return false;
    // The widget that the click would focus, found as Qt finds it.
    for (QWidget* widget = target; widget != nullptr && widget != this;
         widget = widget->parentWidget()) {
        if (widget == Combo1) return false;
        if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus)) return true;
    }
    return false;
}

void Form1::onFocusChanged(QWidget* old, QWidget* now) {
    // Only a move to another control of this window counts as leaving the year list: the list's
    // own drop-down and the notice's box are other windows, and losing activation leaves none.
    if (old != Combo1 || now == nullptr || now->window() != this) return;
    // Deferred, so that the move that took the focus has finished before the notice shows.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (QApplication::focusWidget() != Combo1) Combo1_LostFocus();
        },
        Qt::QueuedConnection);
}

void Form1::showNotice(const QString& text) {
    QMessageBox notice(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, this);
    notice.setWindowModality(Qt::ApplicationModal);
    notice.exec();
    // Without a window manager nothing hands the activation back when the notice closes.
    activateWindow();
}

void Form1::Form_Load() {
    ctr = static_cast<std::int16_t>(tresk::YearOf(tresk::Today()));
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
    cmdDate[0]->setText(
        FromStd(tresk::Format(0, kAmountPattern, decimalSeparator, groupSeparator)));

    const std::string denomination = cmdAmt[0]->text().toStdString();
    switch (tresk::ComputeAccruedInterest(denomination, DtOfPur.toStdString(), FyS.toStdString(),
                                          fields)) {
        case tresk::Outcome::NotConsidered:
            showNotice(kNotConsidered);
            cmdDate[0]->setText(FromStd(tresk::IntText(0)));
            break;
        case tresk::Outcome::NoInterest:
            showNotice(kNoInterest);
            break;
        case tresk::Outcome::NoStartYear:
            showNotice(kChooseYear);
            Combo1->setFocus(Qt::OtherFocusReason);
            break;
        case tresk::Outcome::TooLarge:
            showNotice(kTooLarge);
            break;
        case tresk::Outcome::Amount:
            cmdDate[0]->setText(FromStd(
                tresk::Format(fields.TreskInt, kAmountPattern, decimalSeparator, groupSeparator)));
            AnnounceResult(cmdCalc, cmdDate[0]->accessibleName() + ' ' + cmdDate[0]->text());
            break;
    }
}
