#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Conversions.h"

// The interest that accrues on one certificate within one financial year (1 April of the start
// year to 31 March of the next). A certificate lives six years; on each anniversary of its
// purchase the interest of that year of its life accrues.
namespace tresk {

enum class Outcome { NotConsidered, NoInterest, Amount, NoStartYear, TooLarge, YearOutOfRange };

struct InterestFields {  // the window's working fields: it owns one and hands it to every run
    double amt = 0;
    std::string FyStart;
    double mDtOfPur = 0;
    double YearDiff = 0;
    double TreskInt = 0;
};

// Sets the fields as far as the run gets; TreskInt changes only on Outcome::Amount. An empty
// start-year text (no year chosen yet) returns NoStartYear without touching any field, and a
// start year outside 1 to 9999 returns YearOutOfRange. A date-of-purchase text that is not a
// date throws std::invalid_argument("Type mismatch"). The denomination is read with the given
// separators (see ReadDenomination).
Outcome ComputeAccruedInterest(std::string_view denominationText, std::string_view dtOfPurText,
                               std::string_view fySText, InterestFields& fields,
                               std::string_view decimalSeparator = ".",
                               std::string_view groupSeparator = ",");

// Which year of the certificate's life (1 to 6) has its anniversary in the financial year, from
// the difference of the calendar years of the year's start and of the purchase, and the month of
// purchase; 0 when none has.
int YearOfLife(double yearDiff, double monthOfPurchase);

// The one rule that places a certificate's years of life in financial years, for Calculate, the
// schedule and the totals alike: the year of life (1 to 6) whose anniversary falls in the
// financial year that starts on 1 April of startYear; 0 when none does, and always 0 for a
// purchase on or after that 1 April.
int YearOfLifeIn(double purchaseDate, int startYear);
// The same for a date of purchase already taken apart: many years of one certificate.
int YearOfLifeIn(const CalendarDate& purchase, int startYear);

// The day on which a year of life (1 to 6) ends and its interest accrues; a 29 February purchase
// has it on 28 February in common years. No value beyond the last day the dates can carry.
std::optional<double> Anniversary(double purchaseDate, int yearOfLife);

// The start year of the financial year in which a date falls.
int FinancialYearOf(double date);
int FinancialYearOf(const CalendarDate& date);

// The interest that accrues in a year of life (1 to 6): the product first, then the division,
// then the rounding. Not finite when the product exceeds a double.
double InterestOf(double denomination, double purchaseDate, int yearOfLife);

// Interest per 1000 of denomination for a year of life (1 to 6), by the issue period of the
// purchase date.
double RatePerThousand(double purchaseDate, int yearOfLife);

// The issue periods whose certificates share one rate schedule; each starts on 1 March.
enum class IssuePeriod { Before2001, From2001, From2002, From2003 };
IssuePeriod IssuePeriodOf(double purchaseDate);

// The first and last purchase day of an issue period; the earliest period has no first day and
// the latest no last day.
struct PurchaseDays {
    std::optional<double> first;
    std::optional<double> last;
};
PurchaseDays PurchaseDaysOf(IssuePeriod period);

// One year of a certificate's life and the interest that accrues on its anniversary.
struct ScheduleYear {
    int yearOfLife;      // 1 to 6
    double anniversary;  // a 29 February purchase has it on 28 February in common years
    int financialYear;   // the start year of the financial year the anniversary falls in
    double amount;       // as Calculate gives it for that financial year
};

struct CertificateSchedule {
    IssuePeriod period;
    // Six years, fewer only where the calendar ends (year 9999) before the last anniversary.
    std::vector<ScheduleYear> years;
    double total;
};

// The certificate's whole life, read as ComputeAccruedInterest reads its inputs (and throwing
// as it does for a date that is not one). An amount is infinite only where Calculate finds the
// denomination too large.
CertificateSchedule ScheduleOf(std::string_view denominationText, std::string_view dtOfPurText,
                               std::string_view decimalSeparator = ".",
                               std::string_view groupSeparator = ",");
// The same from a denomination and a date of purchase already read.
CertificateSchedule ScheduleOf(double denomination, double purchaseDate);

}  // namespace tresk
