#include "Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

namespace tresk {
namespace {

struct ValRow {
    const char* name;
    const char* text;
    double expected;
};

TEST(Val, ReadsTheLeadingNumberLeniently) {
    const double inf = std::numeric_limits<double>::infinity();
    const ValRow rows[] = {
        {"plain", "1000", 1000},
        {"year text with leading blank", " 2026", 2026},
        {"stops at a comma", "1,000", 1},
        {"stops at the first grouping comma", "10,000", 10},
        {"skips an inner blank", "1 000", 1000},
        {"skips tabs and line feeds", "\t1\n2 3", 123},
        {"decimal then letters", "12.5abc", 12.5},
        {"letters only", "abc", 0},
        {"empty", "", 0},
        {"sign only", "-", 0},
        {"point only", ".", 0},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5},
        {"plus sign", "+7", 7},
        {"minus sign with blank", "- 40.8", -40.8},
        {"double sign", "--5", 0},
        {"exponent", "1.5E3", 1500},
        {"lower-case exponent with sign", "25e-1", 2.5},
        {"exponent without digits stops before E", "12E", 12},
        {"exponent sign without digits", "12e+x", 12},
        {"second point stops", "1.2.3", 1.2},
        {"comma is never a decimal point", "12,5", 12},
        {"overflow gives infinity", "1e400", inf},
        {"long overflow gives infinity", "1e99999999999999999999", inf},
        {"negative overflow", "-1e400", -inf},
        {"many digits then negative exponent overflow", "1000000000e-5", 10000},
        {"underflow gives zero", "1e-400", 0},
        {"zero mantissa with huge exponent", "0e999999", 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Val(row.text), row.expected) << row.name;
    }
}

TEST(Str, WritesShortestTextWithSignPosition) {
    const struct {
        const char* name;
        double number;
        const char* expected;
    } rows[] = {
        {"year", 2026, " 2026"},
        {"year beyond printf's %g precision", 2030, " 2030"},
        {"zero", 0, " 0"},
        {"negative zero", -0.0, " 0"},
        {"negative", -3, "-3"},
        {"fraction", 0.1, " 0.1"},
        {"sum with 17-digit shortest form", 0.1 + 0.2, " 0.3"},
        {"largest plain whole number", 999999999999999, " 999999999999999"},
        {"exponent from 10^15", 1e15, " 1E+15"},
        {"rounded to 15 digits", 1234567890.123456789, " 1234567890.12346"},
        {"small", 0.0001, " 0.0001"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Str(row.number), row.expected) << row.name;
    }
}

TEST(Str, YearTextReadsBackThroughVal) {
    for (int year = 1; year <= 9999; ++year) {
        const std::string text = Str(year);
        ASSERT_EQ(text[0], ' ') << year;
        ASSERT_EQ(Val(text), year) << text;
    }
}

TEST(IntText, PlainDigits) {
    EXPECT_EQ(IntText(0), "0");
    EXPECT_EQ(IntText(-32768), "-32768");
    EXPECT_EQ(IntText(2026), "2026");
}

TEST(Format, TwoDecimalsWithGroupedThousands) {
    const struct {
        const char* name;
        double number;
        const char* expected;
    } rows[] = {
        {"zero", 0, "0.00"},
        {"one decimal", 81.6, "81.60"},
        {"thousand", 1000, "1,000.00"},
        {"no group under a thousand", 441.5, "441.50"},
        {"negative", -40.8, "-40.80"},
        {"exact half goes away from zero", 0.125, "0.13"},
        {"exact half below an even cent", 10.125, "10.13"},
        {"negative exact half", -0.375, "-0.38"},
        {"stored just under a half", 1.005, "1.00"},
        {"stored just over a half", 44.155, "44.16"},
        {"rounds up into a new group", 999999.999, "1,000,000.00"},
        {"stored just under a half in a group", 999999.995, "999,999.99"},
        {"negative that rounds to zero has no sign", -0.001, "0.00"},
        {"integer part written exactly", 1e20, "100,000,000,000,000,000,000.00"},
        {"largest double", std::numeric_limits<double>::max(),
         "179,769,313,486,231,570,814,527,423,731,704,356,798,070,567,525,844,996,598,917,476,803,"
         "157,260,780,028,538,760,589,558,632,766,878,171,540,458,953,514,382,464,234,321,326,889,"
         "464,182,768,467,546,703,537,516,986,049,910,576,551,282,076,245,490,090,389,328,944,075,"
         "868,508,455,133,942,304,583,236,903,222,948,165,808,559,332,123,348,274,797,826,204,144,"
         "723,168,738,177,180,919,299,881,250,404,026,184,124,858,368.00"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Format(row.number, "##,##0.00"), row.expected) << row.name;
    }
}

TEST(Format, UsesTheGivenSeparators) {
    EXPECT_EQ(Format(1234567.891, "##,##0.00", ",", "."), "1.234.567,89");
    EXPECT_EQ(Format(1234.5, "##,##0.00", ",", "\u202f"), "1\u202f234,50");
}

TEST(Format, RejectsAnUnknownPattern) {
    EXPECT_THROW(Format(1, "0.000"), std::invalid_argument);
}

TEST(Round2, ExactHalvesGoToEven) {
    const struct {
        double number;
        double expected;
    } rows[] = {
        {0.125, 0.12},   {0.375, 0.38},   {10.125, 10.12}, {10.375, 10.38},   {14.125, 14.12},
        {42.375, 42.38}, {-0.125, -0.12}, {1.005, 1.00},   {0.0883, 0.09},    {44.15, 44.15},
        {2.675, 2.67},   {1e300, 1e300},  {0.004, 0},      {123.456, 123.46},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Round2(row.number), row.expected) << row.number;
    }
}

TEST(DateFromText, ReadsDayMonthYear) {
    const struct {
        const char* name;
        const char* text;
        double expected;
    } rows[] = {
        {"empty value is day 0", "", 0},
        {"day 0", "30/12/1899", 0},
        {"first schedule boundary", "1/3/2001", 36951},
        {"second schedule boundary", "01/03/2002", 37316},
        {"third schedule boundary", "1/3/2003", 37681},
        {"start of a financial year from a year text", "1/4/ 2026", 46113},
        {"blanks around every number", " 1 / 4 / 2026 ", 46113},
        {"leap day", "29/2/2004", 38046},
        {"before day 0", "29/12/1899", -1},
        {"first supported day", "1/1/0001", -693593},
        {"last supported day", "31/12/9999", 2958465},
        {"three-digit year as Str writes it", "1/4/ 999", DateSerial(999, 4, 1)},
        {"one-digit year", "1/4/ 1", DateSerial(1, 4, 1)},
        {"two-digit year is that year", "1/4/26", DateSerial(26, 4, 1)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DateFromText(row.text), row.expected) << row.name;
    }
}

TEST(DateFromText, RejectsTextThatIsNotADate) {
    const char* rows[] = {
        "1/4/",      "abc",        " ",         "31/4/2026", "29/2/2001",  "0/1/2026",
        "1/13/2026", "1/4/ 10001", "1/4/20266", "1-4-2026",  "1/4/2026x",  "-1/4/2026",
        "1/-4/2026", "001/4/2026", "1/4/0000",  "1//2026",   "1/4/ +2026", "1/4/2026/",
    };
    for (const char* text : rows) {
        EXPECT_THROW(DateFromText(text), std::invalid_argument) << '"' << text << '"';
    }
}

TEST(DigitValue, DecimalDigitsOfEveryScript) {
    const struct {
        const char* name;
        char32_t c;
        std::optional<int> expected;
    } rows[] = {
        {"nul", 0, std::nullopt},
        {"ASCII zero", U'0', 0},
        {"ASCII nine", U'9', 9},
        {"slash before the ASCII digits", U'/', std::nullopt},
        {"superscript two", 0x00B2, std::nullopt},
        {"Arabic-Indic zero", 0x0660, 0},
        {"Arabic decimal mark", 0x066B, std::nullopt},
        {"extended Arabic-Indic four", 0x06F4, 4},
        {"just before Devanagari zero", 0x0965, std::nullopt},
        {"Devanagari seven", 0x096D, 7},
        {"Devanagari abbreviation sign after nine", 0x0970, std::nullopt},
        {"Tai Tham one after a gap", 0x1A81, 1},
        {"mathematical bold zero", 0x1D7CE, 0},
        {"mathematical monospace nine", 0x1D7FF, 9},
        {"just after the last run", 0x1FBFA, std::nullopt},
        {"beyond Unicode", 0xFFFFFFFF, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DigitValue(row.c), row.expected) << row.name;
    }
}

TEST(TypedDate, OnlyAWholeDateCounts) {
    const struct {
        const char* typed;
        std::optional<double> expected;
    } rows[] = {
        {"15/06/2019", DateSerial(2019, 6, 15)},
        {"1/6/2019", DateSerial(2019, 6, 1)},
        {"15062019", DateSerial(2019, 6, 15)},
        {"29022024", DateSerial(2024, 2, 29)},
        {"1906202", std::nullopt},
        {"15/06/201", std::nullopt},
        {"15/06/2", std::nullopt},
        {"150620199", std::nullopt},
        {"29022023", std::nullopt},
        {"15/06/20195", std::nullopt},
        {"15/6", std::nullopt},
        {"", std::nullopt},
        {"1a/06/2019", std::nullopt},
        {"\u0661\u0665/\u0660\u0666/\u0662\u0660\u0661\u0669", DateSerial(2019, 6, 15)},
        {"\u0967\u096b\u0966\u096c\u0968\u0966\u0967\u096f", DateSerial(2019, 6, 15)},
        {"\U0001d7cf\U0001d7d3/6/\U0001d7d0\U0001d7ce\U0001d7cf\U0001d7d7",
         DateSerial(2019, 6, 15)},
        {"\u0661\u0665\u0660\u0666", std::nullopt},  // four digits in eight bytes
        {"15/06/\u0662\u0660", std::nullopt},        // a two-digit year in four bytes
        {"15/06/201\u00b9", std::nullopt},           // a superscript is no digit
    };
    for (const auto& row : rows) {
        EXPECT_EQ(TypedDate(row.typed), row.expected) << row.typed;
    }
}

TEST(Today, ClockOutsideTheSupportedYearsIsClamped) {
    EXPECT_EQ(ClampedDate(0, 6, 1), DateSerial(1, 1, 1));
    EXPECT_EQ(ClampedDate(-40000, 6, 1), DateSerial(1, 1, 1));
    EXPECT_EQ(ClampedDate(10000, 1, 1), DateSerial(9999, 12, 31));
    EXPECT_EQ(ClampedDate(1004, 6, 1), DateSerial(1004, 6, 1));
}

TEST(Dates, TextRoundTripsAndCalendarPartsAgree) {
    // Every day of the years a financial year list can reach, and then some.
    for (double day = DateSerial(1990, 1, 1); day <= DateSerial(2050, 12, 31); ++day) {
        const std::string text = DateText(day);
        ASSERT_EQ(DateFromText(text), day) << text;
        ASSERT_EQ(Val(text.substr(6)), YearOf(day)) << text;
        ASSERT_EQ(Val(text.substr(3, 2)), MonthOf(day)) << text;
        ASSERT_EQ(Val(text.substr(0, 2)), DayOf(day)) << text;
    }
    EXPECT_EQ(DateText(39183), "11/04/2007");
}

TEST(Dates, YearAndMonthOutsideTheSupportedRangeThrow) {
    EXPECT_THROW(YearOf(1e300), std::out_of_range);
    EXPECT_THROW(MonthOf(-1e7), std::out_of_range);
    EXPECT_THROW(YearOf(std::nan("")), std::out_of_range);
    EXPECT_EQ(YearOf(0.75), 1899);  // the time of day does not move the date
}

TEST(Today, IsAWholeDayInTheSupportedRange) {
    const double today = Today();
    EXPECT_EQ(today, std::floor(today));
    EXPECT_GE(YearOf(today), 2020);
}

}  // namespace
}  // namespace tresk
