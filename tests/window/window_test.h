#pragma once

#include <QApplication>
#include <QDate>
#include <QString>

#include <gtest/gtest.h>

#include <QLocale>
#include <QPalette>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "Conversions.h"
#include "Form1.h"

class QAbstractItemView;
class QComboBox;
class QLineEdit;
class QPushButton;
class QCalendarWidget;
class QTableView;

// The texts of the window's notices.
inline const QString kChooseYear = QStringLiteral("Pls. Select a year from the Drop Down List");
inline const QString kNotConsidered = QStringLiteral(
    "Accrued Interest of Tresk will not be considered for the specified Financial Year");
inline const QString kNoInterest = QStringLiteral("No Interest for this year");
inline const QString kTooLarge = QStringLiteral("Denomination is too large to calculate");
inline const QString kYearOutOfRange =
    QStringLiteral("Pls. Select a Financial Year from 1 to 9999 from the Drop Down List");
inline const QString kNotCalculated = QStringLiteral("The interest could not be calculated");

// A year as the year list and the following-year box write it.
inline QString YearText(int year) {
    return QString::fromStdString(tresk::Str(year));
}

// The application's palettes, the class-specific ones given too, restored when it goes, so that
// a failed assertion leaks no desktop's colours into later tests.
class PaletteGuard {
  public:
    // The classes of widget that a platform theme gives palettes of their own.
    static constexpr const char* kThemedClasses[] = {"QLabel", "QLineEdit", "QAbstractButton",
                                                     "QComboBox"};
    PaletteGuard();
    ~PaletteGuard();
    PaletteGuard(const PaletteGuard&) = delete;
    PaletteGuard& operator=(const PaletteGuard&) = delete;
    // The desktop's palette, as a platform theme hands it to the application and its classes.
    static void setDesktopPalette(const QPalette& palette);

  private:
    QPalette original;
};

// The default locale, restored when it goes.
class LocaleGuard {
  public:
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(original); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

  private:
    QLocale original;
};

// Lets GoogleTest print texts in its messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

enum class By { Mouse, Keyboard };

// A shown, active window driven through real mouse and keyboard input.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    template <class T = QWidget>
    T* control(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) ADD_FAILURE() << "no control " << name;
        return found;
    }
    QComboBox* yearList() const;
    QLineEdit* box(const char* name) const;
    QPushButton* button(const char* name) const;
    QCalendarWidget* calendar() const;
    QTableView* dayGrid() const;
    static QWidget* focused() { return QApplication::focusWidget(); }
    static QString focusName() { return focused() ? focused()->objectName() : "<none>"; }
    static int currentYear();

    // A new shown and active window, whose year list is centred on the year of `today`.
    void newWindow(std::function<double()> today = tresk::Today);
    QAbstractItemView* openYearList(By by = By::Keyboard);
    void chooseYear(int year, By by = By::Keyboard);
    // Opens the calendar with its button and returns its grid of days, which has the focus.
    QTableView* openCalendar(By by = By::Mouse);
    void typeDenomination(const QString& text);
    void pickDate(QDate date, By by = By::Mouse);
    void clickCalculate();
    void pressTab(bool backwards = false);
    void waitUntilFocusWindowIs(QWidget* widget);

    // The texts of the notices shown since the last call; each must be a plain notice titled
    // with the application's title.
    std::vector<QString> notices();

    std::unique_ptr<Form1> window;
};
