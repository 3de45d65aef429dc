#include "AccruedInterest.h"

#include <array>
#include <chrono>
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
    IssuePeriod period;
    Rates perThousand;
};

// Latest issue period first. Each period starts on 1 March and owns its first day.
constexpr std::array<Schedule, 4> kSchedules{{
    {37681, IssuePeriod::From2003, {81.6, 88.3, 95.5, 103.3, 111.7, 120.8}},
    {37316, IssuePeriod::From2002, {92, 100.5, 109.7, 119.8, 130.9, 142.9}},
    {36951, IssuePeriod::From2001, {97.2, 106.7, 117.1, 128.5, 141, 154.7}},
    {-std::numeric_limits<double>::infinity(),
     IssuePeriod::Before2001,
     {113, 125.8, 140, 155.8, 173.5, 193.1}},
}};

const Schedule& ScheduleFor(double purchaseDate) {
    for (const Schedule& schedule : kSchedules) {
        if (purchaseDate >= schedule.firstDay) return schedule;
    }
    return kSchedules.back();  // unreachable: the earliest period has no first day
}

// 1 for a day in January to March, which falls in the financial year that started the calendar
// year before; 0 for a day in April to December.
int YearBefore(double month) {
    return month < 4 ? 1 : 0;
}

}  // namespace

int YearOfLife(double yearDiff, double monthOfPurchase) {
    // A purchase in January to March has its anniversary in the calendar year after the
    // financial year's start year, so it is one year further into its life.
    const int early = YearBefore(monthOfPurchase);
    if (yearDiff > 6) return 0;
    if (yearDiff > 5) return early ? 0 : 6;
    // A purchase in the start year itself reaches this point only when made before 1 April.
    if (yearDiff == 0) return 1;
    if (yearDiff < 0) return 0;
    return static_cast<int>(yearDiff) + early;
}

std::optional<double> Anniversary(double purchaseDate, int yearOfLife) {
    const int year = static_cast<int>(YearOf(purchaseDate)) + yearOfLife;
    if (year > 9999) return std::nullopt;
    const auto month = static_cast<unsigned>(MonthOf(purchaseDate));
    const auto day = static_cast<unsigned>(DayOf(purchaseDate));
    const bool noLeapDay = month == 2 && day == 29 && !std::chrono::year{year}.is_leap();
    return DateSerial(year, month, noLeapDay ? 28 : day);
}

int YearOfLifeIn(double purchaseDate, int startYear) {
    return YearOfLifeIn(CalendarDateOf(purchaseDate), startYear);
}

int YearOfLifeIn(const CalendarDate& purchase, int startYear) {
    if (purchase.year > startYear || (purchase.year == startYear && purchase.month >= 4)) return 0;
    return YearOfLife(startYear - purchase.year, purchase.month);
}

int FinancialYearOf(double date) {
    return FinancialYearOf(CalendarDateOf(date));
}

int FinancialYearOf(const CalendarDate& date) {
    return date.year - YearBefore(date.month);
}

double InterestOf(double denomination, double purchaseDate, int yearOfLife) {
    // The denomination enters the product as its 15-digit text reads back; a whole number below
    // 10^15 is that text already, and needs no round trip.
    const bool exact = std::fabs(denomination) < 1e15 && denomination == std::trunc(denomination);
    const double amount =
        exact || !std::isfinite(denomination) ? denomination : Val(Str(denomination));
    return Round2(amount * RatePerThousand(purchaseDate, yearOfLife) / 1000);
}

double RatePerThousand(double purchaseDate, int yearOfLife) {
    return ScheduleFor(purchaseDate).perThousand.at(static_cast<std::size_t>(yearOfLife - 1));
}

IssuePeriod IssuePeriodOf(double purchaseDate) {
    return ScheduleFor(purchaseDate).period;
}

PurchaseDays PurchaseDaysOf(IssuePeriod period) {
    PurchaseDays days;
    // Latest first: each period ends the day before the later one starts.
    for (const Schedule& schedule : kSchedules) {
        if (schedule.period == period) {
            if (std::isfinite(schedule.firstDay)) days.first = schedule.firstDay;
            return days;
        }
        days.last = schedule.firstDay - 1;
    }
    return days;  // unreachable: every period has its schedule
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
    const int yearOfLife = YearOfLifeIn(purchase, static_cast<int>(YearOf(*fyStart)));
    if (yearOfLife == 0) return Outcome::NoInterest;

    const double interest = InterestOf(fields.amt, purchase, yearOfLife);
    if (!std::isfinite(interest)) return Outcome::TooLarge;
    fields.TreskInt = interest;
    return Outcome::Amount;
}

CertificateSchedule ScheduleOf(std::string_view denominationText, std::string_view dtOfPurText,
                               std::string_view decimalSeparator, std::string_view groupSeparator) {
    return ScheduleOf(ReadDenomination(denominationText, decimalSeparator, groupSeparator),
                      DateFromText(dtOfPurText));
}

CertificateSchedule ScheduleOf(double amt, double purchase) {
    CertificateSchedule schedule{IssuePeriodOf(purchase), {}, 0};
    double total = 0;
    // The first anniversary falls in the financial year after the purchase's own.
    const int bought = FinancialYearOf(purchase);
    for (int financialYear = bought + 1; financialYear <= bought + 6; ++financialYear) {
        const int n = YearOfLifeIn(purchase, financialYear);
        if (n == 0) continue;
        const std::optional<double> anniversary = Anniversary(purchase, n);
        if (!anniversary) break;
        schedule.years.push_back({n, *anniversary, financialYear, InterestOf(amt, purchase, n)});
        total += schedule.years.back().amount;
    }
    schedule.total = Round2(total);
    return schedule;
}

}  // namespace tresk
