#include "AccruedInterest.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "Conversions.h"

namespace tresk {
namespace {

using Rates = std::array<double, 6>;

struct Schedule {
    double firstDay;  // the first purchase day of the issue period
    Rates perThousand;
};

// Latest issue period first. Each period starts on 1 March and owns its first day.
constexpr std::array<Schedule, 4> kSchedules{{
    {37681, {81.6, 88.3, 95.5, 103.3, 111.7, 120.8}},  // from 1 March 2003
    {37316, {92, 100.5, 109.7, 119.8, 130.9, 142.9}},  // from 1 March 2002
    {36951, {97.2, 106.7, 117.1, 128.5, 141, 154.7}},  // from 1 March 2001
    {-std::numeric_limits<double>::infinity(),
     {113, 125.8, 140, 155.8, 173.5, 193.1}},  // before 1 March 2001
}};

}  // namespace

int YearOfLife(double yearDiff, double monthOfPurchase) {
    // A purchase in January to March has its anniversary in the calendar year after the
    // financial year's start year, so it is one year further into its life.
    const int early = monthOfPurchase < 4 ? 1 : 0;
    if (yearDiff > 6) return 0;
    if (yearDiff > 5) return early ? 0 : 6;
    // A purchase in the start year itself reaches this point only when made before 1 April.
    if (yearDiff == 0) return 1;
    if (yearDiff < 0) return 0;
    return static_cast<int>(yearDiff) + early;
}

double RatePerThousand(double purchaseDate, int yearOfLife) {
    for (const Schedule& schedule : kSchedules) {
        if (purchaseDate >= schedule.firstDay) {
            return schedule.perThousand.at(static_cast<std::size_t>(yearOfLife - 1));
        }
    }
    return 0;  // unreachable: the earliest period has no first day
}

Outcome ComputeAccruedInterest(std::string_view denominationText, std::string_view dtOfPurText,
                               std::string_view fySText, InterestFields& fields,
                               std::string_view decimalSeparator, std::string_view groupSeparator) {
    // Without a start year "1/4/" names no date; nothing can be computed or stored.
    if (fySText.empty()) return Outcome::NoStartYear;

    fields.amt = ReadDenomination(denominationText, decimalSeparator, groupSeparator);
    fields.FyStart = IntText(1) + "/" + IntText(4) + "/" + std::string(fySText);
    const std::optional<double> fyStart = TryDateFromText(fields.FyStart);
    if (!fyStart) return Outcome::YearOutOfRange;
    const double purchase = DateFromText(dtOfPurText);
    fields.mDtOfPur = MonthOf(purchase);
    if (purchase >= *fyStart) return Outcome::NotConsidered;

    fields.YearDiff = YearOf(*fyStart) - YearOf(purchase);
    const int yearOfLife = YearOfLife(fields.YearDiff, fields.mDtOfPur);
    if (yearOfLife == 0) return Outcome::NoInterest;

    // The denomination enters the product as its 15-digit text reads back.
    const double amount = std::isfinite(fields.amt) ? Val(Str(fields.amt)) : fields.amt;
    const double interest = amount * RatePerThousand(purchase, yearOfLife) / 1000;
    if (!std::isfinite(interest)) return Outcome::TooLarge;
    fields.TreskInt = Round2(interest);
    return Outcome::Amount;
}

}  // namespace tresk
