#include "Conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>
#include <iterator>
#include <stdexcept>

namespace tresk {
namespace {

using namespace std::chrono;

constexpr sys_days kDayZero{year{1899} / December / 30};
constexpr int kFirstDay = (sys_days{year{1} / January / 1} - kDayZero).count();
constexpr int kLastDay = (sys_days{year{9999} / December / 31} - kDayZero).count();

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The zero of each run of decimal digits (general category Nd) in Unicode 14.0, the version of
// the Qt the window is built with; every run is its zero and the nine code points after it.
constexpr char32_t kDigitZeros[] = {
    0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,
    0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2,
    0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0,
};

[[noreturn]] void TypeMismatch() {
    throw std::invalid_argument("Type mismatch");
}

double DayNumber(const year_month_day& day) {
    return (sys_days{day} - kDayZero).count();
}

year_month_day CalendarDay(double date) {
    if (!(date >= kFirstDay && date < kLastDay + 1.0)) {
        throw std::out_of_range("Date out of range");
    }
    return year_month_day{kDayZero + days{static_cast<int>(std::floor(date))}};
}

// The power of ten of the leading digit of a decimal number written as digits with an optional
// point, times 10^exponent. Only used to tell an overflow from an underflow.
long long LeadingPowerOfTen(std::string_view mantissa, long long exponent) {
    const auto point = mantissa.find('.');
    const auto intDigits =
        static_cast<long long>(point == std::string_view::npos ? mantissa.size() : point);
    const auto firstNonZero = mantissa.find_first_not_of("0.");
    if (firstNonZero == std::string_view::npos) return 0;
    const auto position = static_cast<long long>(firstNonZero);
    const long long power = position < intDigits ? intDigits - position - 1 : intDigits - position;
    return power + exponent;
}

enum class Tie { ToEven, AwayFromZero };

// A non-negative finite number as fixed-point text with exactly two decimals. An exact half at
// the second decimal is only possible for an odd multiple of 1/8 (the one dyadic form of k + 1/2
// hundredths), so that case is decided here and every other value is correctly rounded by
// to_chars, whose own tie rule the standard leaves to the C library.
std::string TwoDecimals(double magnitude, Tie tie) {
    const double eighths = magnitude * 8;
    if (eighths < 0x1p53 && eighths == std::floor(eighths) && std::fmod(eighths, 2.0) == 1.0) {
        const auto odd = static_cast<long long>(eighths);
        long long cents = 125 * odd / 10;  // the half is dropped: rounded towards zero
        if (tie == Tie::AwayFromZero || cents % 2 != 0) ++cents;
        std::string digits = std::to_string(cents);
        if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
        digits.insert(digits.size() - 2, 1, '.');
        return digits;
    }
    std::array<char, 400> buffer{};  // DBL_MAX has 309 integer digits
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, 2);
    return std::string(buffer.data(), result.ptr);
}

std::string GroupThousands(std::string_view digits, std::string_view separator) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

bool IsAnyDigit(char32_t c) {  // of any script
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

template <class Text>
bool IsAnyDigitAt(const Text& text, std::size_t at) {
    return at < text.size() && IsAnyDigit(static_cast<char32_t>(text[at]));
}

// Text is a std::u32string_view of code points, or a std::string_view of ASCII, whose bytes are
// its code points: the one reading serves both, and ASCII needs no decoding.
template <class Text>
bool StartsWith(const Text& text, std::size_t at, std::u32string_view part) {
    if (part.empty() || at + part.size() > text.size()) return false;
    for (std::size_t k = 0; k < part.size(); ++k) {
        if (static_cast<char32_t>(text[at + k]) != part[k]) return false;
    }
    return true;
}

// Whether a group separator that follows a digit and ends at `next` separates digit groups:
// two or three digits follow, and three when no further group separator and digit come after.
template <class Text>
bool SeparatesGroup(const Text& text, std::size_t next, std::u32string_view group) {
    std::size_t digits = 0;
    while (digits < 4 && IsAnyDigitAt(text, next + digits))
        ++digits;
    const std::size_t after = next + digits;
    const bool moreGroups =
        StartsWith(text, after, group) && IsAnyDigitAt(text, after + group.size());
    return moreGroups ? digits == 2 || digits == 3 : digits == 3;
}

struct PlainNumber {
    std::string text;  // in the form Val reads
    bool whole;        // every character was read into it
};

// A denomination with its skipped characters removed, rewritten into the plain form Val reads;
// separators count only in the whole part.
template <class Text>
PlainNumber ToPlain(const Text& points, std::u32string_view decimal, std::u32string_view group) {
    PlainNumber plain{{}, true};
    bool wholePart = true;
    for (std::size_t i = 0; i < points.size();) {
        const auto c = static_cast<char32_t>(points[i]);
        if (wholePart && i > 0 && IsAnyDigitAt(points, i - 1) && StartsWith(points, i, group) &&
            SeparatesGroup(points, i + group.size(), group)) {
            i += group.size();
            continue;
        }
        if (wholePart && (StartsWith(points, i, decimal) || c == '.')) {
            plain.text += '.';
            wholePart = false;
            i += StartsWith(points, i, decimal) ? decimal.size() : 1;
            continue;
        }
        if (const std::optional<int> digit = DigitValue(c)) {
            plain.text += static_cast<char>('0' + *digit);
        } else if (c < 0x80) {
            if (c == 'e' || c == 'E') wholePart = false;
            plain.text += static_cast<char>(c);
        } else {
            plain.whole = false;
            break;
        }
        ++i;
    }
    return plain;
}

std::u32string Separator(std::string_view text) {
    // The usual one-byte separators need no decoding.
    if (text.size() == 1 && static_cast<unsigned char>(text[0]) < 0x80)
        return std::u32string(1, static_cast<char32_t>(text[0]));
    return CodePoints(text);
}

PlainNumber PlainDenomination(std::string_view text, std::string_view decimalSeparator,
                              std::string_view groupSeparator) {
    const std::u32string decimal = Separator(decimalSeparator);
    const std::u32string group = Separator(groupSeparator);
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        if (std::none_of(text.begin(), text.end(), IsBlank)) return ToPlain(text, decimal, group);
        std::string kept;
        for (const char c : text) {
            if (!IsBlank(c)) kept += c;
        }
        return ToPlain(std::string_view(kept), decimal, group);
    }
    std::u32string points;
    for (const char32_t c : CodePoints(text)) {
        if (!IsSkipped(c)) points += c;
    }
    return ToPlain(std::u32string_view(points), decimal, group);
}

}  // namespace

std::optional<int> DigitValue(char32_t c) {
    if (c < 0x80) return c >= '0' && c <= '9' ? std::optional<int>(c - '0') : std::nullopt;
    const auto* after = std::upper_bound(std::begin(kDigitZeros), std::end(kDigitZeros), c);
    if (after == std::begin(kDigitZeros)) return std::nullopt;
    const char32_t offset = c - *(after - 1);
    if (offset > 9) return std::nullopt;
    return static_cast<int>(offset);
}

std::u32string CodePoints(std::string_view text) {
    std::u32string points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t point = 0;
        if (lead < 0x80) {
            length = 1, point = lead;
        } else if (lead >> 5 == 0x6) {
            length = 2, point = lead & 0x1Fu;
        } else if (lead >> 4 == 0xE) {
            length = 3, point = lead & 0x0Fu;
        } else if (lead >> 3 == 0x1E) {
            length = 4, point = lead & 0x07u;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = next >> 6 == 0x2;
            point = point << 6 | (next & 0x3Fu);
        }
        points += valid ? point : U'\uFFFD';
        i += valid ? length : 1;
    }
    return points;
}

double ReadDenomination(std::string_view text, std::string_view decimalSeparator,
                        std::string_view groupSeparator) {
    return Val(PlainDenomination(text, decimalSeparator, groupSeparator).text);
}

std::optional<double> StrictDenomination(std::string_view text, std::string_view decimalSeparator,
                                         std::string_view groupSeparator) {
    // Plain digits, the usual form in a file, are their own value.
    if (!text.empty() && text.size() <= 15 &&
        std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c); })) {
        std::uint64_t value = 0;
        for (const char c : text)
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
        return static_cast<double>(value);
    }
    const PlainNumber plain = PlainDenomination(text, decimalSeparator, groupSeparator);
    const std::string& digits = plain.text;
    const auto point = digits.find('.');
    const auto isDigits = [](std::string_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), IsDigit);
    };
    if (!plain.whole || !isDigits(std::string_view(digits).substr(0, point)) ||
        (point != digits.npos && !isDigits(std::string_view(digits).substr(point + 1)))) {
        return std::nullopt;
    }
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

double Val(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (!IsBlank(c)) compact += c;
    }
    std::size_t end = 0;
    const bool negative = !compact.empty() && compact[0] == '-';
    if (!compact.empty() && (compact[0] == '-' || compact[0] == '+')) ++end;
    const std::size_t mantissaStart = end;
    std::size_t digits = 0;
    while (end < compact.size() && IsDigit(compact[end]))
        ++end, ++digits;
    if (end < compact.size() && compact[end] == '.') {
        ++end;
        while (end < compact.size() && IsDigit(compact[end]))
            ++end, ++digits;
    }
    if (digits == 0) return 0;
    const std::size_t mantissaEnd = end;

    long long exponent = 0;
    if (end < compact.size() && (compact[end] == 'e' || compact[end] == 'E')) {
        std::size_t e = end + 1;
        const bool negativeExponent = e < compact.size() && compact[e] == '-';
        if (e < compact.size() && (compact[e] == '-' || compact[e] == '+')) ++e;
        if (e < compact.size() && IsDigit(compact[e])) {
            for (; e < compact.size() && IsDigit(compact[e]); ++e) {
                // Saturate: beyond this every value overflows or underflows anyway.
                if (exponent < 100'000'000) exponent = exponent * 10 + (compact[e] - '0');
            }
            if (negativeExponent) exponent = -exponent;
            end = e;
        }
    }

    double value = 0;
    const char* first = compact.data() + mantissaStart;
    const auto [ptr, ec] = std::from_chars(first, compact.data() + end, value);
    if (ec == std::errc::result_out_of_range) {
        const std::string_view mantissa(first, mantissaEnd - mantissaStart);
        value = LeadingPowerOfTen(mantissa, exponent) > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

std::string Str(double number) {
    if (number == 0) return " 0";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e') c = 'E';
    }
    return number < 0 ? text : " " + text;
}

std::string IntText(std::int16_t number) {
    return std::to_string(number);
}

std::string Format(double number, std::string_view pattern, std::string_view decimalSeparator,
                   std::string_view thousandsSeparator) {
    if (pattern != "##,##0.00") {
        throw std::invalid_argument("Unsupported format pattern");
    }
    if (!std::isfinite(number)) {
        std::array<char, 16> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
        return std::string(buffer.data(), result.ptr);
    }
    const std::string fixed = TwoDecimals(std::fabs(number), Tie::AwayFromZero);
    const auto point = fixed.find('.');
    const std::string_view whole = std::string_view(fixed).substr(0, point);
    const std::string_view decimals = std::string_view(fixed).substr(point + 1);
    // A value that rounds to zero is written without a sign: "-0.00" reads as a fault.
    const bool showMinus = number < 0 && fixed.find_first_not_of("0.") != std::string::npos;
    std::string text = showMinus ? "-" : "";
    text += GroupThousands(whole, thousandsSeparator);
    text += decimalSeparator;
    text += decimals;
    return text;
}

std::optional<double> TryDateFromText(std::string_view text) {
    if (text.empty()) return 0;
    std::array<int, 3> parts{};  // day, month, year
    std::size_t pos = 0;
    const auto skipBlanks = [&] {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
            ++pos;
    };
    for (std::size_t k = 0; k < parts.size(); ++k) {
        skipBlanks();
        if (pos >= text.size() || !IsDigit(text[pos])) return std::nullopt;
        const auto [ptr, ec] =
            std::from_chars(text.data() + pos, text.data() + text.size(), parts[k]);
        const auto length = static_cast<std::size_t>(ptr - (text.data() + pos));
        if (ec != std::errc{} || length > (k == 2 ? 4u : 2u)) return std::nullopt;
        pos += length;
        skipBlanks();
        if (k < 2) {
            if (pos >= text.size() || text[pos] != '/') return std::nullopt;
            ++pos;
        }
    }
    if (pos != text.size() || parts[2] < 1) return std::nullopt;
    const year_month_day day{year{parts[2]}, month{static_cast<unsigned>(parts[1])},
                             std::chrono::day{static_cast<unsigned>(parts[0])}};
    if (!day.ok()) return std::nullopt;
    return DayNumber(day);
}

double DateFromText(std::string_view text) {
    const std::optional<double> date = TryDateFromText(text);
    if (!date) TypeMismatch();
    return *date;
}

std::optional<double> TypedDate(std::string_view typed) {
    // Read as ASCII, so that the lengths below count digits, not bytes.
    std::string ascii;
    for (const char32_t c : CodePoints(typed)) {
        const std::optional<int> digit = DigitValue(c);
        if (!digit && c != '/') return std::nullopt;
        ascii += digit ? static_cast<char>('0' + *digit) : '/';
    }
    const bool allDigits = !ascii.empty() && ascii.find('/') == ascii.npos;
    if (allDigits) {
        if (ascii.size() != 8) return std::nullopt;
        const std::string slashed =
            ascii.substr(0, 2) + "/" + ascii.substr(2, 2) + "/" + ascii.substr(4);
        return TryDateFromText(slashed);
    }
    const auto lastSlash = ascii.rfind('/');
    if (lastSlash == ascii.npos || ascii.size() - lastSlash - 1 != 4) return std::nullopt;
    return TryDateFromText(ascii);
}

std::optional<double> TypedYear(std::string_view typed) {
    const std::u32string points = CodePoints(typed);
    const auto isBlank = [](char32_t c) { return c < 0x80 && IsBlank(static_cast<char>(c)); };
    const auto first = std::find_if_not(points.begin(), points.end(), isBlank);
    const auto last = std::find_if_not(points.rbegin(), points.rend(), isBlank).base();
    if (first >= last) return std::nullopt;
    double year = 0;
    for (auto c = first; c != last; ++c) {
        const std::optional<int> digit = DigitValue(*c);
        if (!digit) return std::nullopt;
        year = year * 10 + *digit;
    }
    return year;
}

double YearOf(double date) {
    return static_cast<int>(CalendarDay(date).year());
}

double MonthOf(double date) {
    return static_cast<unsigned>(CalendarDay(date).month());
}

double DayOf(double date) {
    return static_cast<unsigned>(CalendarDay(date).day());
}

CalendarDate CalendarDateOf(double date) {
    const year_month_day day = CalendarDay(date);
    return {static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
            static_cast<unsigned>(day.day())};
}

double Round2(double number) {
    // Every double from 2^52 on is a whole number already.
    if (!std::isfinite(number) || std::fabs(number) >= 0x1p52) return number;
    const double magnitude = std::fabs(number);
    if (magnitude < 0x1p40) {
        // In hundredths: the product rounded, and its exact error by a fused multiply-add. Below
        // 2^47 hundredths both the fraction and its distance from a half are exact doubles,
        // so the comparison with the half is exact too, and ties are seen as ties.
        const double hundredths = magnitude * 100;
        const double error = std::fma(magnitude, 100, -hundredths);
        double whole = std::floor(hundredths);
        if (whole == hundredths && error < 0) whole -= 1;
        const double fromHalf = (hundredths - whole) - 0.5;  // plus error: the exact distance
        if (fromHalf > -error || (fromHalf == -error && std::fmod(whole, 2.0) == 1.0)) whole += 1;
        // The nearest double to the decimal, as reading its text would give.
        return std::copysign(whole / 100, number);
    }
    const std::string fixed = TwoDecimals(std::fabs(number), Tie::ToEven);
    double rounded = 0;
    std::from_chars(fixed.data(), fixed.data() + fixed.size(), rounded);
    return std::copysign(rounded, number);
}

double Today() {
    const std::time_t now = std::time(nullptr);
    // libstdc++ 12 has no chrono time zones; the C library's local time is the local clock.
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) return kLastDay;  // a time beyond what the C library can represent
    return ClampedDate(local->tm_year + 1900LL, static_cast<unsigned>(local->tm_mon + 1),
                       static_cast<unsigned>(local->tm_mday));
}

double ClampedDate(long long yearNumber, unsigned monthNumber, unsigned dayNumber) {
    if (yearNumber < 1) return kFirstDay;
    if (yearNumber > 9999) return kLastDay;
    return DateSerial(static_cast<int>(yearNumber), monthNumber, dayNumber);
}

double DateSerial(int yearNumber, unsigned monthNumber, unsigned dayNumber) {
    const year_month_day day{year{yearNumber}, month{monthNumber}, std::chrono::day{dayNumber}};
    if (!day.ok() || yearNumber < 1 || yearNumber > 9999) {
        throw std::invalid_argument("No such date");
    }
    return DayNumber(day);
}

std::string DateText(double date) {
    char text[10];
    return std::string(text, WriteDateText(date, text));
}

char* WriteDateText(double date, char* out) {
    const year_month_day day = CalendarDay(date);
    const auto d = static_cast<unsigned>(day.day());
    const auto m = static_cast<unsigned>(day.month());
    const auto y = static_cast<unsigned>(static_cast<int>(day.year()));
    const auto digit = [](unsigned n) { return static_cast<char>('0' + n % 10); };
    const char text[] = {
        digit(d / 10),   digit(d),       '/',           digit(m / 10), digit(m), '/',
        digit(y / 1000), digit(y / 100), digit(y / 10), digit(y)};
    return std::copy(std::begin(text), std::end(text), out);
}

std::optional<double> TryDateSerial(int yearNumber, unsigned monthNumber, unsigned dayNumber) {
    const year_month_day day{year{yearNumber}, month{monthNumber}, std::chrono::day{dayNumber}};
    if (!day.ok() || yearNumber < 1 || yearNumber > 9999) return std::nullopt;
    return DayNumber(day);
}

}  // namespace tresk
