// Two kinds of input in one target. The bytes, read as text, go to every conversion and, split at
// '|' into denomination, date of purchase and start year, to the computation. The same bytes also
// pick what the window itself hands over (a year from its list, a day from its calendar, a
// denomination typed in one of several locales and scripts), and the outcome is checked against
// a model of the rules that is worked out here without the engine.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include "AccruedInterest.h"
#include "Conversions.h"

namespace {

using namespace std::chrono;

constexpr sys_days kDayZero{year{1899} / December / 30};
constexpr int kFirstDay = (sys_days{year{1} / January / 1} - kDayZero).count();
constexpr int kLastDay = (sys_days{year{9999} / December / 31} - kDayZero).count();

struct Separators {
    const char* decimal;
    const char* group;
    bool twosAboveThousands;  // groups of two above the last three digits ("1,00,000")
};
constexpr Separators kLocales[] = {
    {".", ",", false},      {",", ".", false},           {",", "\u202F", false},
    {".", ",", true},       {"\u066B", "\u066C", false},  // Arabic decimal and thousands marks
    {".", "\u2019", false},                               // a right single quotation mark
};

// Blanks, the spaces that group digits and invisible format characters.
constexpr char32_t kSkipped[][2] = {{' ', ' '},       {'\t', '\t'},     {'\n', '\n'},
                                    {0xA0, 0xA0},     {0x2007, 0x2007}, {0x2009, 0x2009},
                                    {0x202F, 0x202F}, {0x200B, 0x200F}, {0x202A, 0x202E},
                                    {0x2060, 0x2060}, {0x2066, 0x2069}, {0xFEFF, 0xFEFF}};

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

std::string Utf8(char32_t c) {
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    if (c < 0x800) return {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    if (c < 0x10000) {
        return {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                static_cast<char>(0x80 | (c & 0x3F))};
    }
    return {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
            static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
}

// The zeros of some scripts' digits, each followed by its one to nine: ASCII, Arabic-Indic,
// extended Arabic-Indic, Devanagari, Bengali, fullwidth, and mathematical bold (four bytes).
constexpr char32_t kZeros[] = {'0', 0x0660, 0x06F0, 0x0966, 0x09E6, 0xFF10, 0x1D7CE};

char32_t ScriptZero(FuzzedDataProvider& in) {
    return kZeros[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kZeros) - 1)];
}

// The text with each ASCII digit written in the script of `zero`.
std::string InScript(std::string_view text, char32_t zero) {
    std::string written;
    for (const char c : text) {
        written +=
            c >= '0' && c <= '9' ? Utf8(zero + static_cast<char32_t>(c - '0')) : std::string(1, c);
    }
    return written;
}

// Skipped characters put anywhere between code points, never inside one.
std::string WithSkipped(std::string text, FuzzedDataProvider& in) {
    for (int count = in.ConsumeIntegralInRange(0, 6); count > 0; --count) {
        const auto& range =
            kSkipped[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSkipped) - 1)];
        const char32_t c = range[0] + in.ConsumeIntegralInRange<char32_t>(0, range[1] - range[0]);
        std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, text.size());
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
        text.insert(at, Utf8(c));
    }
    return text;
}

double ReadBack(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

// Both through the C library, which prints the exact binary value under round-half-even.
double RoundedCents(double number) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.2f", number);
    return ReadBack(buffer);
}
double FifteenDigits(double number) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", number);
    return ReadBack(buffer);
}

// Format rounds half away from zero; an exact half cent is an odd multiple of 1/8.
double FormattedCents(double number) {
    const double eighths = std::fabs(number) * 8;
    if (eighths != std::floor(eighths) || std::fmod(eighths, 2.0) != 1.0) {
        return RoundedCents(number);
    }
    const long long cents = (125 * static_cast<long long>(eighths) + 5) / 10;
    return std::copysign(static_cast<double>(cents) / 100, number);
}

struct Denomination {
    std::string text;  // as typed, separators and skipped characters included
    double value;      // what it means
};

Denomination TypedDenomination(FuzzedDataProvider& in, const Separators& locale) {
    const bool negative = in.ConsumeIntegralInRange(0, 7) == 7;
    std::string whole(in.ConsumeIntegralInRange(0, 20), '0');
    // Now and then beyond the range of a double.
    if (in.ConsumeIntegralInRange(0, 15) == 15) whole.resize(whole.size() + 300, '0');
    for (char& digit : whole)
        digit = static_cast<char>('0' + in.ConsumeIntegralInRange(0, 9));
    std::string fraction(in.ConsumeIntegralInRange(0, 8), '0');
    for (char& digit : fraction)
        digit = static_cast<char>('0' + in.ConsumeIntegralInRange(0, 9));
    const bool point = !fraction.empty() || in.ConsumeBool();

    // Mostly one script, now and then each digit in a script of its own.
    const char32_t zero = ScriptZero(in);
    const bool mixed = in.ConsumeIntegralInRange(0, 7) == 7;
    const auto digit = [&](char ascii) {
        return InScript({&ascii, 1}, mixed ? ScriptZero(in) : zero);
    };

    std::string text = negative ? "-" : "";
    const bool grouped = in.ConsumeBool();
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const std::size_t left = whole.size() - i;
        const bool boundary =
            locale.twosAboveThousands ? left == 3 || (left > 3 && left % 2 == 1) : left % 3 == 0;
        if (grouped && i > 0 && boundary) text += locale.group;
        text += digit(whole[i]);
    }
    if (point) text += locale.decimal;
    for (const char d : fraction)
        text += digit(d);
    const bool anyDigit = !whole.empty() || !fraction.empty();
    const std::string plain = (negative ? "-" : "") + whole + "." + fraction;
    return {WithSkipped(text, in), anyDigit ? ReadBack(plain) : 0.0};
}

struct StartYear {
    std::string text;
    int year;  // 0 for a text outside the years 1 to 9999
};

StartYear ListedYear(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange(0, 7) == 7) {
        const auto reach =
            static_cast<double>(in.ConsumeIntegralInRange<std::int64_t>(0, 10'000'000'000'000'000));
        return {tresk::Str(in.ConsumeBool() ? 10000 + reach : -reach), 0};
    }
    // The year list is centred on the clock's year, kept far enough from the calendar's ends.
    const int centre = std::clamp(in.ConsumeIntegralInRange(1, 9999), 6, 9994);
    const int year = centre - 5 + in.ConsumeIntegralInRange(0, 10);
    return {tresk::Str(year), year};
}

int DayOf(int y, unsigned m, unsigned d) {
    return (sys_days{year{y} / month{m} / day{d}} - kDayZero).count();
}

// A day the calendar can give, most often within the certificate's life of the start year.
int PurchaseDay(FuzzedDataProvider& in, int startYear) {
    if (startYear == 0 || in.ConsumeBool()) return in.ConsumeIntegralInRange(kFirstDay, kLastDay);
    const int day = DayOf(startYear, 4, 1) + in.ConsumeIntegralInRange(-7 * 366, 400);
    return std::clamp(day, kFirstDay, kLastDay);
}

// An amount written with the window's pattern reads back as its rounded value.
void CheckFormatReadBack(double number, const Separators& locale) {
    if (!(std::fabs(number) < 1e12)) return;
    const auto read = [&](double x) {
        return tresk::ReadDenomination(tresk::Format(x, "##,##0.00", locale.decimal, locale.group),
                                       locale.decimal, locale.group);
    };
    Check(read(number) == FormattedCents(number));
    Check(read(tresk::Round2(number)) == tresk::Round2(number));
    Check(tresk::Round2(number) == RoundedCents(number));
}

void CheckWindowRun(FuzzedDataProvider& in, const Separators& locale) {
    const StartYear start = ListedYear(in);
    const bool picked = in.ConsumeIntegralInRange(0, 15) != 15;
    const int purchase = picked ? PurchaseDay(in, start.year) : 0;  // unpicked is day 0
    const Denomination denomination = TypedDenomination(in, locale);
    Check(tresk::ReadDenomination(denomination.text, locale.decimal, locale.group) ==
          denomination.value);
    CheckFormatReadBack(denomination.value, locale);

    tresk::InterestFields fields;
    constexpr double kEarlier = -4.56;  // left by an earlier run
    fields.TreskInt = kEarlier;
    tresk::Outcome outcome{};
    try {
        outcome = tresk::ComputeAccruedInterest(denomination.text,
                                                picked ? tresk::DateText(purchase) : "", start.text,
                                                fields, locale.decimal, locale.group);
    } catch (...) {
        Check(false);
    }
    Check(fields.amt == denomination.value);
    if (outcome != tresk::Outcome::Amount) Check(fields.TreskInt == kEarlier);
    if (start.year == 0) return Check(outcome == tresk::Outcome::YearOutOfRange);
    if (purchase >= DayOf(start.year, 4, 1)) return Check(outcome == tresk::Outcome::NotConsidered);

    const year_month_day bought{kDayZero + days{purchase}};
    const int yearDiff = start.year - static_cast<int>(bought.year());
    const int yearOfLife = yearDiff + (bought.month() <= March ? 1 : 0);
    Check(fields.YearDiff == yearDiff);
    Check(fields.mDtOfPur == static_cast<unsigned>(bought.month()));
    if (yearOfLife >= 7) return Check(outcome == tresk::Outcome::NoInterest);

    const double interest =
        FifteenDigits(denomination.value) * tresk::RatePerThousand(purchase, yearOfLife) / 1000;
    if (!std::isfinite(interest)) return Check(outcome == tresk::Outcome::TooLarge);
    Check(outcome == tresk::Outcome::Amount && fields.TreskInt == RoundedCents(interest));
}

void FeedConversions(std::string_view text, const Separators& locale) {
    const double number = tresk::Val(text);
    tresk::Str(number);
    tresk::Format(number, "##,##0.00", ",", ".");
    tresk::ReadDenomination(text);
    CheckFormatReadBack(number, locale);

    std::int16_t small = 0;
    std::memcpy(&small, text.data(), std::min(text.size(), sizeof small));
    Check(tresk::Val(tresk::IntText(small)) == small);

    try {
        const double date = tresk::DateFromText(text);
        Check(tresk::DateFromText(tresk::DateText(date)) == date);
        Check(tresk::MonthOf(date) >= 1 && tresk::MonthOf(date) <= 12);
        Check(tresk::YearOf(date) >= 1 && tresk::YearOf(date) <= 9999);
    } catch (const std::invalid_argument&) {
        // Text that is not a date.
    }
}

std::string_view NextField(std::string_view& rest) {
    const auto bar = rest.find('|');
    const std::string_view field = rest.substr(0, bar);
    rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
    return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view rest = input;
    const std::string_view denomination = NextField(rest);
    const std::string_view purchase = NextField(rest);
    const std::string_view startYear = NextField(rest);

    tresk::InterestFields fields;
    try {
        const tresk::Outcome outcome =
            tresk::ComputeAccruedInterest(denomination, purchase, startYear, fields);
        if (outcome == tresk::Outcome::Amount) Check(std::isfinite(fields.TreskInt));
    } catch (const std::invalid_argument&) {
        // A date or start year that is not a date; the window never hands such texts over.
    }

    FuzzedDataProvider in(data, size);
    const Separators& locale =
        kLocales[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kLocales) - 1)];
    FeedConversions(input, locale);
    FeedConversions(denomination, locale);
    const std::string text(input);
    Check(tresk::ReadDenomination(WithSkipped(text, in), locale.decimal, locale.group) ==
          tresk::ReadDenomination(text, locale.decimal, locale.group));
    // Digits of every script read as the ASCII ones.
    const std::string scripted = InScript(text, ScriptZero(in));
    Check(tresk::ReadDenomination(scripted, locale.decimal, locale.group) ==
          tresk::ReadDenomination(text, locale.decimal, locale.group));
    Check(tresk::TypedDate(scripted) == tresk::TypedDate(text));
    if (const auto typed = tresk::TypedDate(text))
        Check(tresk::TypedDate(tresk::DateText(*typed)) == typed);
    CheckWindowRun(in, locale);
    return 0;
}
