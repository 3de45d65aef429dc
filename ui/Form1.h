#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "AccruedInterest.h"
#include "Conversions.h"

class QAction;
class QCalendarWidget;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;
class QTableView;

// The calculator's one window: the controls at fixed places, the fields the handlers share,
// and one handler per event that the window answers.
//
// Form1.cpp holds the handlers, Form1Controls.cpp makes and places the controls, Form1Input.cpp
// holds the rules for keys, clicks and the focus, and Form1Schedule.cpp the schedule behind a
// shown amount; the look is WindowLook's, the language Translation's.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    // `today` is the clock the year list is centred on.
    explicit Form1(QWidget* parent = nullptr, std::function<double()> today = tresk::Today);

  signals:
    // The certificates window is wanted, with the financial year chosen (today's where none is).
    void certificatesWanted(int chosenYear);
    // The certificate on screen, as its boxes hold it, is to join the list.
    void addToCertificatesWanted(const QString& denomination, const QString& date, int chosenYear);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    friend class Form1Inspector;  // lets tests read the fields

    // Form1Controls.cpp
    void createControls();
    void setTabOrder();
    void connectHandlers();
    void placeControls();
    // A rect of the left-to-right design as this window shows it, mirrored across its width when
    // it is laid out right to left; the same call takes a shown rect back to the design.
    QRect visualRect(const QRect& rect) const;

    // The handlers
    void Form_Load();
    void Combo1_Click();
    void Combo1_Change();
    void Combo1_LostFocus();
    void cmDate_Click();
    void Calendar1_Click();
    void cmdAmt_Change(std::int16_t Index);
    void cmdAmt_GotFocus(std::int16_t Index);
    void cmdAmt_LostFocus(std::int16_t Index);
    void cmdDate_GotFocus(std::int16_t Index);
    void cmdCalc_Click();
    void mnuCopy_Click();
    void mnuCopySchedule_Click();
    void mnuAddToCertificates_Click();
    void mnuCertificates_Click();
    int chosenYear() const;

    void settleYearListText();
    int typedYearEntry() const;
    bool chooseTypedYear();
    void hideCalendar(QWidget* nextFocus);
    void showNotice(const char* text);  // its English text, translated as it is shown
    void calculate();

    // Form1Schedule.cpp
    // The certificate's schedule behind an amount, and the financial year it was computed for.
    struct Explained {
        tresk::CertificateSchedule schedule;
        int chosenYear;
    };
    // The result box's text, and what explains it: an amount without a schedule takes the
    // previous amount's tooltip, description and Copy Schedule away.
    void showAmount(const QString& text, const std::optional<Explained>& explained = std::nullopt);

    // What a shown result was computed from: the year (as its entry writes it, when the list's
    // text names one), the denomination's text and the date of purchase.
    struct Inputs {
        QString year, denomination, date;
        bool operator==(const Inputs&) const = default;
    };
    Inputs inputsOnScreen() const;
    void forgetStaleResult();

    // Form1Input.cpp
    bool leavingEmptyYearList() const;
    bool clickLeavesEmptyYearList(QWidget* target) const;
    bool handleWindowMouse(const QMouseEvent* mouse);
    void handleTextBoxEvent(QObject* watched, QEvent* event);
    bool handleCalendarKey(const QKeyEvent* key);
    bool handleButtonKey(QPushButton* button, const QEvent* event);

    QCalendarWidget* Calendar1 = nullptr;
    QTableView* Calendar1Grid = nullptr;  // the calendar's days, where its keys and focus go
    QPushButton* cmDate = nullptr;
    QLineEdit* txtDate = nullptr;
    QComboBox* Combo1 = nullptr;
    std::array<QLineEdit*, 4> cmdDate{};
    std::array<QLineEdit*, 3> cmdAmt{};  // elements 0 and 2; there is no element 1
    QPushButton* cmdCalc = nullptr;
    std::array<QLabel*, 9> Label{};  // Label1 to Label8 at their numbers
    QAction* mnuCopy = nullptr;      // copies the result box's text
    QAction* mnuCopySchedule = nullptr;
    // Every control and line at its place in the left-to-right design.
    std::vector<std::pair<QWidget*, QRect>> designPlaces;
    QAction* mnuAddToCertificates = nullptr;  // while an amount is shown
    QAction* mnuCertificates = nullptr;       // also on Ctrl+L anywhere in the window

    std::function<double()> today;
    std::int16_t ctr = 0;
    QString FyS;
    double FyE = 0;
    QString DtOfPur;
    tresk::InterestFields fields;
    // None while the result box shows nothing, or while Calculate runs.
    std::optional<Inputs> resultInputs;
    QString scheduleTable;  // what Copy Schedule copies: tab-separated, one line per row

    // A click that focuses the denomination box puts the cursor at the click after the
    // focus-in; the release then selects the whole denomination again.
    bool selectDenominationOnRelease = false;
    // What has been typed on the open calendar towards a date, and when the last key came.
    QString typedDate;
    QElapsedTimer lastTypedKey;
    // The last press on the window: a second press within the double-click time and distance
    // ends a double click, which acts only on what the first press was on.
    QPointer<QWidget> lastPressTarget;
    QPoint lastPressPosition;
    std::optional<quint64> lastPressTimestamp;
    bool ignoringClick = false;  // the rest of a click whose press went nowhere
};
