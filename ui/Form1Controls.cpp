// The window's controls: what they are, where they stand, the tab order, and which handler
// answers which event.
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QWindow>

#include "CalendarParts.h"
#include "Form1.h"
#include "WindowLook.h"
#include "accessible/Accessibility.h"

namespace {

// The layout is given in twips, 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;
QRect Twips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
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

// A line of the design: a strip in the colour of text, beneath the controls and placed as they are.
QWidget* Line(QWidget* parent, const QString& name, const QRect& geometry, bool red) {
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    line->setGeometry(geometry);
    line->setBackgroundRole(QPalette::WindowText);
    line->setAutoFillBackground(true);
    // A click on a line is a click on the window, as it was when the window drew its lines.
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (red) PaintRed(line);
    return line;
}

QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                const QFont& font, bool red) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    if (red) PaintRed(label);
    CentreCaptionInk(label);
    return label;
}

}  // namespace

void Form1::createControls() {
    // Any larger size a window manager gives is taken; a smaller one would cut the controls off.
    setMinimumSize(Twips(0, 0, 4965, 4020).size());
    resize(minimumSize());
    // Created from the bottom of the stacking order up, so that later controls lie above.
    const QFont bold825 = Bold825();
    const QFont bold975 = Bold975();
    Line(this, "Line1", Twips(0, 3345, 4935, 30), true);
    Line(this, "Line2", Twips(3240, 600, 255, 15), false);
    //: The caption beside the denomination box (121 px), which also names the box to readers.
    Label[1] = Caption(this, "Label1", tr("Enter Denomination"), Twips(480, 960, 1815, 255),
                       bold825, false);
    //: The caption beside the date box (145 px), which also names the box to readers without its
    //: trailing blank.
    Label[2] = Caption(this, "Label2", tr("Enter Date of purchase "), Twips(120, 1560, 2175, 255),
                       bold825, false);
    //: The caption beside the result box (121 px), which also names the box to readers.
    Label[3] = Caption(this, "Label3", tr("Accrued Interest"), Twips(480, 2880, 1815, 255), bold975,
                       false);
    Label[4] =
        Caption(this, "Label4", tr("Developed by -"), Twips(360, 3480, 1815, 255), bold975, true);
    Label[5] = Caption(this, "Label5", "Corvane", Twips(2040, 3720, 2415, 255), bold975, true);
    //: The caption beside the year list (97 px). Where the words do not fit, shorten them here
    //: only: the list's name for readers and the schedule's column keep them whole.
    Label[6] = Caption(this, "Label6", tr("Financial Year", "caption"), Twips(840, 480, 1455, 255),
                       bold825, true);
    //: The form of a year, shown above the year list and above the box of the year after it.
    Label[7] = Caption(this, "Label7", tr("\"YYYY\""), Twips(2520, 240, 735, 255), bold825, false);
    Label[8] = Caption(this, "Label8", tr("\"YYYY\""), Twips(3480, 240, 735, 255), bold825, false);

    cmdAmt[0] = TextBox(this, "cmdAmt(0)", Twips(2400, 960, 1455, 315));
    cmdAmt[0]->setAccessibleName(Label[1]->text());

    cmdDate[1] = TextBox(this, "cmdDate(1)", Twips(2400, 1560, 495, 315));
    cmdCalc = Button(this, "cmdCalc", tr("Calculate"), Twips(1680, 2160, 1335, 375));

    cmdDate[0] = TextBox(this, "cmdDate(0)", Twips(2640, 2880, 1455, 315));
    cmdDate[0]->setFont(bold825);
    cmdDate[0]->setEnabled(false);
    cmdDate[0]->setAccessibleName(Label[3]->text());

    cmdAmt[2] = TextBox(this, "cmdAmt(2)", Twips(3480, 480, 855, 315));
    cmdAmt[2]->setFont(bold825);
    cmdAmt[2]->setEnabled(false);
    cmdAmt[2]->setAccessibleName(tr("Financial Year ends"));

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
    // Readers hear the words whole where the caption is shortened to fit. The list's own text
    // takes the focus, so it has the list's name as well.
    //: Names the year list to readers, and heads a column of the schedule in the result's tooltip
    //: and in the table Copy Schedule copies.
    Combo1->setAccessibleName(tr("Financial Year"));
    Combo1->lineEdit()->setAccessibleName(Combo1->accessibleName());

    txtDate = TextBox(this, "txtDate", Twips(2400, 1560, 1335, 285));
    txtDate->setFont(bold825);
    txtDate->setEnabled(false);
    txtDate->setAccessibleName(Label[2]->text().trimmed());

    cmDate = Button(this, "cmDate", "|||||", Twips(3720, 1560, 375, 300));
    cmDate->setFont(bold825);
    cmDate->setAccessibleName(tr("Choose date of purchase"));
    cmDate->setToolTip(tr("Open the calendar to pick the date of purchase"));

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setGeometry(Twips(1080, 0, 3495, 2295));
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Weeks start on the locale's first day (Qt's default); the C locale keeps Sunday.
    if (locale().language() == QLocale::C) Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setGridVisible(true);
    // The days that the date text and the engine can carry.
    Calendar1->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    Calendar1->setSelectedDate(QDate(2007, 4, 11));
    // Typed dates are read in the date box's own form instead of Qt's inline editor.
    Calendar1->setDateEditEnabled(false);
    Calendar1->setAccessibleName(tr("Date of purchase calendar"));
    Calendar1Grid = DayGridOf(Calendar1);
    ApplyCalendarLook(Calendar1);
    Calendar1->hide();

    // Readers name each control by its caption, and the boxes that only show results take no
    // edits from assistive technology either.
    Label[6]->setBuddy(Combo1);
    Label[1]->setBuddy(cmdAmt[0]);
    Label[2]->setBuddy(txtDate);
    Label[3]->setBuddy(cmdDate[0]);
    Label[8]->setBuddy(cmdAmt[2]);  // the form its year is written in
    for (QLineEdit* box : {txtDate, cmdDate[0], cmdAmt[2]}) {
        MakeReadOnly(box);
    }
    DescribeCalendar(Calendar1);

    // The result box is disabled, so its Copy lives on the window: in the box's menu, and on
    // Ctrl+C wherever the focused control has no text of its own to copy.
    mnuCopy = new QAction(tr("Copy"), this);
    mnuCopy->setShortcut(QKeySequence::Copy);
    mnuCopy->setEnabled(false);
    addAction(mnuCopy);
    mnuCopySchedule = new QAction(tr("Copy Schedule"), this);
    mnuAddToCertificates = new QAction(tr("Add to Certificates"), this);
    mnuAddToCertificates->setEnabled(false);
    mnuCertificates = new QAction(tr("Certificates…"), this);
    mnuCertificates->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addAction(mnuCertificates);

    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        designPlaces.emplace_back(control, control->geometry());
    placeControls();
}

// Qt mirrors what layouts place, not fixed places: a right-to-left window mirrors its own, across
// whatever width it is given.
void Form1::placeControls() {
    for (const auto& [control, place] : designPlaces)
        control->setGeometry(visualRect(place));
}

QRect Form1::visualRect(const QRect& rect) const {
    return QStyle::visualRect(layoutDirection(), this->rect(), rect);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

void Form1::setTabOrder() {
    QWidget* const order[] = {Combo1,  cmdAmt[0], cmDate,     cmdDate[1], cmdDate[2], cmdDate[3],
                              cmdCalc, txtDate,   cmdDate[0], cmdAmt[2],  Calendar1};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void Form1::connectHandlers() {
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Combo1, &QComboBox::editTextChanged, this, &Form1::Combo1_Change);
    connect(cmdAmt[0], &QLineEdit::textChanged, this, [this] { cmdAmt_Change(0); });
    connect(cmDate, &QPushButton::clicked, this, &Form1::cmDate_Click);
    connect(cmdCalc, &QPushButton::clicked, this, &Form1::cmdCalc_Click);
    // A day is picked by a click on it or by Enter on the selected day.
    connect(Calendar1, &QCalendarWidget::clicked, this, &Form1::Calendar1_Click);
    connect(Calendar1, &QCalendarWidget::activated, this, &Form1::Calendar1_Click);
    connect(mnuCopy, &QAction::triggered, this, &Form1::mnuCopy_Click);
    connect(mnuCopySchedule, &QAction::triggered, this, &Form1::mnuCopySchedule_Click);
    connect(mnuAddToCertificates, &QAction::triggered, this, &Form1::mnuAddToCertificates_Click);
    connect(mnuCertificates, &QAction::triggered, this, &Form1::mnuCertificates_Click);

    // Clicks are seen on the native window, before Qt hands the focus to the clicked control;
    // focus changes and keys on the controls themselves.
    create();
    windowHandle()->installEventFilter(this);
    for (QWidget* control : std::initializer_list<QWidget*>{Combo1, cmDate, cmdCalc}) {
        control->installEventFilter(this);
    }
    for (QLineEdit* box : cmdAmt) {
        if (box != nullptr) box->installEventFilter(this);
    }
    for (QLineEdit* box : cmdDate) {
        box->installEventFilter(this);
    }
    Calendar1Grid->installEventFilter(this);
}
