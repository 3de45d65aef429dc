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

bool IsDigit(char32_t c) {  // of any script
    return DigitValue(c).has_value();
}

// Characters that carry no meaning inside a typed or pasted number: blanks, the spaces that
// group digits, and the invisible format characters that text copied from web pages and
// spreadsheets brings along (Unicode category Cf).
bool IsSkipped(char32_t c) {
    switch (c) {
        case ' ':
        case '\t':
        case '\n':
        case 0x00A0:  // no-break space
        case 0x2007:  // figure space
        case 0x2009:  // thin space
        case 0x202F:  // narrow no-break space
        case 0x00AD:  // soft hyphen
        case 0x061C:  // Arabic letter mark
        case 0x180E:  // Mongolian vowel separator
        case 0xFEFF:  // byte order mark, zero-width no-break space
            return true;
        default:
            return (c >= 0x200B && c <= 0x200F) ||  // zero-width spaces, joiners, LRM, RLM
                   (c >= 0x202A && c <= 0x202E) ||  // bidirectional embeddings and overrides
                   (c >= 0x2060 && c <= 0x2064) ||  // word joiner, invisible operators
                   (c >= 0x2066 && c <= 0x206F) ||  // bidirectional isolates, deprecated marks
                   (c >= 0xFFF9 && c <= 0xFFFB) ||  // interlinear annotation
                   (c >= 0xE0001 && c <= 0xE007F);  // tags
    }
}

bool StartsWith(std::u32string_view text, std::size_t at, std::u32string_view part) {
    return !part.empty() && at <= text.size() && text.substr(at, part.size()) == part;
}

// Whether a group separator that follows a digit and ends at `next` separates digit groups:
// two or three digits follow, and three when no further group separator and digit come after.
bool SeparatesGroup(std::u32string_view text, std::size_t next, std::u32string_view group) {
    std::size_t digits = 0;
    while (digits < 4 && next + digits < text.size() && IsDigit(text[next + digits]))
        ++digits;
    const std::size_t after = next + digits;
    const bool moreGroups = StartsWith(text, after, group) && after + group.size() < text.size() &&
                            IsDigit(text[after + group.size()]);
    return moreGroups ? digits == 2 || digits == 3 : digits == 3;
}

}  // namespace

double ReadDenomination(std::string_view text, std::string_view decimalSeparator,
                        std::string_view groupSeparator) {
    std::u32string points;
    for (const char32_t c : CodePoints(text)) {
        if (!IsSkipped(c)) points += c;
    }
    const std::u32string decimal = CodePoints(decimalSeparator);
    const std::u32string group = CodePoints(groupSeparator);

    // Rewritten into the plain form Val reads; separators count only in the whole part.
    std::string plain;
    bool wholePart = true;
    for (std::size_t i = 0; i < points.size();) {
        const char32_t c = points[i];
        if (wholePart && i > 0 && IsDigit(points[i - 1]) && StartsWith(points, i, group) &&
            SeparatesGroup(points, i + group.size(), group)) {
            i += group.size();
            continue;
        }
        if (wholePart && (StartsWith(points, i, decimal) || c == '.')) {
            plain += '.';
            wholePart = false;
            i += StartsWith(points, i, decimal) ? decimal.size() : 1;
            continue;
        }
        if (const std::optional<int> digit = DigitValue(c)) {
            plain += static_cast<char>('0' + *digit);
        } else if (c < 0x80) {
            if (c == 'e' || c == 'E') wholePart = false;
            plain += static_cast<char>(c);
        } else {
            break;
        }
        ++i;
    }
    return Val(plain);
}

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
