#pragma once

#include <string>
#include <string_view>

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

// Interest per 1000 of denomination for a year of life (1 to 6), by the issue period of the
// purchase date.
double RatePerThousand(double purchaseDate, int yearOfLife);

}  // namespace tresk
