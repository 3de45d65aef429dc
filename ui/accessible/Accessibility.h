#pragma once

class QCalendarWidget;
class QLineEdit;
class QString;
class QWidget;

// What a screen reader needs beyond Qt's own accessible interfaces.

// Installs this program's accessible interfaces. Qt keeps the first interface it hands out for
// a widget, so this comes before the widgets that they serve are made.
void InstallAccessibleInterfaces();

// A box that only shows a result: read-only to assistive technology as well as to the keyboard.
void MakeReadOnly(QLineEdit* box);

// Names the calendar's navigation buttons after what they do and show, and has a reader speak
// the selected day when the calendar takes the focus.
void DescribeCalendar(QCalendarWidget* calendar);

// Has a screen reader speak a text, such as a result, while the focus stays on a button.
void Announce(QWidget* focusedButton, const QString& text);
