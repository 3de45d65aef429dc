#include "Totals.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "AccruedInterest.h"
#include "Conversions.h"

namespace tresk {
namespace {
__extension__ typedef unsigned __int128 Magnitude;
}  // namespace

Cents CentsOf(double amount) {
    // Below 2^50 cents the nearest double to a whole number of cents is at most a thousandth of
    // a cent away from it, so that rounding finds that number.
    return static_cast<Cents>(std::llround(amount * 100));
}

std::string CentsText(Cents cents) {
    char text[42];
    return std::string(text, WriteCentsText(cents, text));
}

char* WriteCentsText(Cents cents, char* out) {
    char digits[42];  // 2^127 has 39 digits; backwards, with the point
    char* first = digits + sizeof digits;
    auto rest = static_cast<Magnitude>(cents < 0 ? -cents : cents);
    int written = 0;
    const auto put = [&](unsigned digit) {
        if (written++ == 2) *--first = '.';
        *--first = static_cast<char>('0' + digit);
    };
    for (; rest > UINT64_MAX; rest /= 10)
        put(static_cast<unsigned>(rest % 10));
    // The rest in 64 bits, whose division is many times faster.
    for (auto small = static_cast<std::uint64_t>(rest); small > 0 || written < 3; small /= 10)
        put(static_cast<unsigned>(small % 10));
    if (cents < 0) *out++ = '-';
    return std::copy(first, digits + sizeof digits, out);
}

YearInterest InterestIn(const Certificate& certificate, int startYear) {
    const int yearOfLife = YearOfLifeIn(certificate.purchase, startYear);
    if (yearOfLife == 0) return {};
    return {yearOfLife, InterestOf(certificate.denomination, certificate.purchase, yearOfLife)};
}

void Totals::Add(const Certificate& certificate) {
    const CalendarDate purchase = CalendarDateOf(certificate.purchase);
    const int bought = FinancialYearOf(purchase);
    // The years end with the calendar, as the certificate's schedule does; nearly always all six
    // anniversaries have their day.
    const bool allSix = Anniversary(certificate.purchase, 6).has_value();
    for (int year = bought + 1; year <= bought + 6; ++year) {
        const int yearOfLife = YearOfLifeIn(purchase, year);
        if (yearOfLife == 0) continue;
        if (!allSix && !Anniversary(certificate.purchase, yearOfLife)) break;
        const double amount =
            InterestOf(certificate.denomination, certificate.purchase, yearOfLife);
        cents_[static_cast<std::size_t>(year)] += CentsOf(amount);
        earns_[static_cast<std::size_t>(year)] = true;
    }
}

std::map<int, Cents> Totals::byYear() const {
    std::map<int, Cents> years;
    for (std::size_t year = 0; year < cents_.size(); ++year) {
        if (earns_[year]) years.emplace(static_cast<int>(year), cents_[year]);
    }
    return years;
}

std::string FinancialYearText(int startYear) {
    const int next = (startYear + 1) % 100;
    return std::to_string(startYear) + (next < 10 ? "-0" : "-") + std::to_string(next);
}

}  // namespace tresk
