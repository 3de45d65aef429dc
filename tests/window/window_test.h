#pragma once

#include <QApplication>
#include <QDate>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

#include "Form1.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QCalendarWidget;

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
    static QWidget* focused() { return QApplication::focusWidget(); }
    static QString focusName() { return focused() ? focused()->objectName() : "<none>"; }
    static int currentYear();

    void chooseYear(int year, By by = By::Keyboard);
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
