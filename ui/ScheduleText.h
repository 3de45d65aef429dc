#pragma once

#include <QString>
#include <Qt>

#include "AccruedInterest.h"

class QLocale;
class QPalette;

// How the window writes an amount: "##,##0.00" with the locale's separators.
QString AmountText(double amount, const QLocale& locale);

// The certificate's schedule behind an amount, for the financial year it was computed for:
// the result box's tooltip (an HTML table in the window's direction, the chosen year marked in
// the palette's selection colours), the same table as tab-separated lines for Copy Schedule, and
// what readers are told of the chosen year.
QString ScheduleToolTip(const tresk::CertificateSchedule& schedule, int chosenYear,
                        const QLocale& locale, const QPalette& palette,
                        Qt::LayoutDirection direction);
QString ScheduleTable(const tresk::CertificateSchedule& schedule, const QLocale& locale);
QString ScheduleDescription(const tresk::CertificateSchedule& schedule, int chosenYear);
