#include "Form1.h"

#include <QAction>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <utility>

#include "NoticeBox.h"
#include "ScheduleText.h"
#include "WindowLook.h"
#include "accessible/Accessibility.h"

namespace {

const char* const kTitle = QT_TRANSLATE_NOOP("Form1", "Tresk Interest Calculator");
const char* const kChooseYear =
    QT_TRANSLATE_NOOP("Form1", "Pls. Select a year from the Drop Down List");
const char* const kNotConsidered = QT_TRANSLATE_NOOP(
    "Form1", "Accrued Interest of Tresk will not be considered for the specified Financial Year");
const char* const kNoInterest = QT_TRANSLATE_NOOP("Form1", "No Interest for this year");
const char* const kTooLarge = QT_TRANSLATE_NOOP("Form1", "Denomination is too large to calculate");
const char* const kYearOutOfRange = QT_TRANSLATE_NOOP(
    "Form1", "Pls. Select a Financial Year from 1 to 9999 from the Drop Down List");
const char* const kNotCalculated =
    QT_TRANSLATE_NOOP("Form1", "The interest could not be calculated");

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

Form1::Form1(QWidget* parent, std::function<double()> today)
    : QWidget(parent), today(std::move(today)) {
    InstallAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr(kTitle));
    // The frame offers no maximise button, but the window takes any size a window manager or
    // compositor gives it (a Wayland compositor's maximised size must be obeyed to the pixel);
    // the layout keeps to the leading edge, the right one in a right-to-left language, and the
    // surface fills the rest.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Reading the first image loads Qt's list of image format plugins, which would hold back the
    // window's first appearance by a few milliseconds; the icon follows right after it instead.
    QTimer::singleShot(0, this, [this] { setWindowIcon(WindowIcon()); });
    ApplyApplicationFont();
    setFont(DefaultFont());
    setPalette(WindowPalette());
    setAutoFillBackground(true);

    createControls();
    ApplyWindowStyle(this);
    setTabOrder();
    connectHandlers();
    Form_Load();
}

void Form1::showNotice(const char* text) {
    NoticeBox notice(tr(kTitle), tr(text), this);
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

void Form1::Combo1_Change() {
    forgetStaleResult();
}

void Form1::Combo1_LostFocus() {
    settleYearListText();
}

void Form1::settleYearListText() {
    if (!Combo1->currentText().isEmpty()) {
        chooseTypedYear();
        return;
    }
    showNotice(kChooseYear);
    Combo1->setFocus(Qt::OtherFocusReason);
}

int Form1::typedYearEntry() const {
    const std::optional<double> typed = tresk::TypedYear(Combo1->currentText().toStdString());
    if (!typed) return -1;
    for (int entry = 0; entry < Combo1->count(); ++entry) {
        if (tresk::Val(Combo1->itemText(entry).toStdString()) == *typed) return entry;
    }
    return -1;
}

bool Form1::chooseTypedYear() {
    // A year typed over the list counts as choosing its entry, so that the year computed is
    // always the year the list shows.
    const int entry = typedYearEntry();
    if (entry < 0) return false;
    const QString year = Combo1->itemText(entry);
    if (Combo1->currentIndex() != entry || Combo1->currentText() != year) {
        Combo1->setCurrentIndex(entry);
        Combo1->setEditText(year);
        Combo1_Click();
    }
    return true;
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
    hideCalendar(cmdCalc);
    DtOfPur = txtDate->text();
    forgetStaleResult();
    // The focus has gone on to Calculate, so a reader would never hear the day picked. It is told
    // after the reader has heard of the focus, which would otherwise cut it short.
    QMetaObject::invokeMethod(
        cmdCalc,
        [this] {
            //: Told to screen readers when a day is picked on the calendar: %1 is the date. Word
            //: it as a sentence of its own; it need not repeat the caption's words.
            Announce(cmdCalc, tr("Enter Date of purchase %1").arg(txtDate->text()));
        },
        Qt::QueuedConnection);
}

void Form1::hideCalendar(QWidget* nextFocus) {
    typedDate.clear();
    // The focus leaves the calendar before it hides, so that Qt does not pass it on to the
    // next control in the tab order on its own.
    nextFocus->setFocus(Qt::OtherFocusReason);
    Calendar1->hide();
}

void Form1::cmdAmt_Change(std::int16_t /*Index*/) {
    forgetStaleResult();
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
    // What Calculate itself changes, such as a typed year taken as chosen, belongs to its result.
    resultInputs.reset();
    calculate();
    resultInputs = inputsOnScreen();
}

void Form1::calculate() {
    const QLocale locale;
    const std::string decimalSeparator = locale.decimalPoint().toStdString();
    const std::string groupSeparator = locale.groupSeparator().toStdString();
    showAmount(AmountText(0, locale));
    // A text typed over the list that names no year is never computed with an earlier choice.
    if (!chooseTypedYear()) {
        showNotice(kChooseYear);
        Combo1->setFocus(Qt::OtherFocusReason);
        return;
    }

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
            showAmount(AmountText(fields.TreskInt, locale),
                       Explained{tresk::ScheduleOf(denomination, DtOfPur.toStdString(),
                                                   decimalSeparator, groupSeparator),
                                 static_cast<int>(tresk::Val(FyS.toStdString()))});
            //: Told to screen readers after Calculate: %1 is the amount shown. Word it as a
            //: sentence of its own; it need not repeat the caption's words.
            Announce(cmdCalc, tr("Accrued Interest %1").arg(cmdDate[0]->text()));
            break;
    }
}

void Form1::mnuCopy_Click() {
    QGuiApplication::clipboard()->setText(cmdDate[0]->text());
}

int Form1::chosenYear() const {
    return FyS.isEmpty() ? tresk::FinancialYearOf(today())
                         : static_cast<int>(tresk::Val(FyS.toStdString()));
}

void Form1::mnuAddToCertificates_Click() {
    emit addToCertificatesWanted(cmdAmt[0]->text(), DtOfPur, chosenYear());
}

void Form1::mnuCertificates_Click() {
    emit certificatesWanted(chosenYear());
}

Form1::Inputs Form1::inputsOnScreen() const {
    const int entry = typedYearEntry();
    return {entry < 0 ? Combo1->currentText() : Combo1->itemText(entry), cmdAmt[0]->text(),
            DtOfPur};
}

void Form1::forgetStaleResult() {
    // A result beside inputs it was not computed from would be copied into forms as theirs.
    if (!resultInputs || *resultInputs == inputsOnScreen()) return;
    resultInputs.reset();
    showAmount(QString());
}
