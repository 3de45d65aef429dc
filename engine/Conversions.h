#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Conversions between the texts the window shows and the numbers and dates the engine computes
// with. A date is a day number counted from day 0, 30 December 1899, in the proleptic Gregorian
// calendar; dates are supported for the years 1 to 9999.
namespace tresk {

// Lenient number reading: blanks, tabs and line feeds are skipped anywhere; an optional sign,
// digits, a point and an exponent are read up to the first character that cannot continue the
// number. Never fails: no leading number gives 0, a number beyond the range of a double gives
// an infinity of its sign.
double Val(std::string_view text);

// Shortest text of at most 15 significant digits, with a leading blank for zero and positive
// numbers and a minus sign for negative ones. Whole numbers below 10^15 are written in plain
// digits (" 2030").
std::string Str(double number);

// Plain decimal digits, with a minus sign for a negative number and no blank.
std::string IntText(std::int16_t number);

// Only the pattern "##,##0.00" is known; any other throws std::invalid_argument. The number is
// rounded half away from zero on its exact value, and the integer part is written in full.
std::string Format(double number, std::string_view pattern, std::string_view decimalSeparator = ".",
                   std::string_view thousandsSeparator = ",");

// Reads day/month/year with blanks around the numbers allowed ("1/4/ 2026"); the year has one
// to four digits, as Str writes the years 1 to 9999 ("1/4/ 999"). The empty text is the empty
// value, day 0. Throws std::invalid_argument("Type mismatch") for a text that is not an
// existing date.
double DateFromText(std::string_view text);
// The same reading without the throw: no value for a text that is not an existing date.
std::optional<double> TryDateFromText(std::string_view text);

// The value (0 to 9) of a decimal digit of any script, Unicode general category Nd ("7", "\u0967",
// "\u0663"); no value for any other character, superscripts and other numerals included.
std::optional<int> DigitValue(char32_t c);

// The code points of a UTF-8 text; a malformed byte becomes U+FFFD.
std::u32string CodePoints(std::string_view text);

// The denomination as people type it in their locale, given its decimal and group separators
// (UTF-8). Read as Val reads, except that:
// - digits of any script are read by their value (see DigitValue), in any mix of scripts;
// - blanks, the Unicode space separators that group digits (U+00A0, U+2007, U+2009, U+202F) and
//   invisible format characters (bidirectional marks, zero-width spaces and joiners, the byte
//   order mark) are skipped anywhere;
// - a group separator is skipped where it separates digit groups as people write them: after a
//   digit, before two or three digits, the last group before the decimal mark or the end three
//   ("1,000,000", or groups of two above the thousands: "1,00,000");
// - the decimal separator is the decimal mark, and a point is one too wherever it is not a valid
//   group separator ("10.5" in German).
// Anything else ends the number, as in Val.
double ReadDenomination(std::string_view text, std::string_view decimalSeparator = ".",
                        std::string_view groupSeparator = ",");

// The same reading held to the whole text: digits with their group separators and a decimal mark
// followed by digits, with the characters ReadDenomination skips anywhere; no sign, exponent or
// other character. No value for any other text.
std::optional<double> StrictDenomination(std::string_view text,
                                         std::string_view decimalSeparator = ".",
                                         std::string_view groupSeparator = ",");

// A date as a user types it on the calendar, in the date box's own day-first form: "15/06/2019",
// "1/6/2019" or the eight digits "15062019", in UTF-8 with digits of any script. Only a whole date
// with a four-digit year counts, so that a half-typed text never names a day the user did not mean.
std::optional<double> TypedDate(std::string_view typed);

// A year as a user types it over the year list, in UTF-8: digits of any script, with blanks
// around them allowed, read by their value. No value for any other text, so that a text that is
// not purely a year never names one.
std::optional<double> TypedYear(std::string_view typed);

// The calendar year, month (1 to 12) and day of the month of the day a date falls on. Throw
// std::out_of_range for a date outside the years 1 to 9999.
double YearOf(double date);
double MonthOf(double date);
double DayOf(double date);
// The three at once.
struct CalendarDate {
    int year;
    unsigned month;
    unsigned day;
};
CalendarDate CalendarDateOf(double date);

// Rounds to two decimals on the exact binary value: an exact half goes to the even neighbour.
double Round2(double number);

// The current date of the local clock, whole day only; a clock outside the years 1 to 9999 is
// taken as the nearest day within them.
double Today();

// The day number of a calendar day, moved to the nearest supported day when its year lies
// outside 1 to 9999; throws std::invalid_argument if the day does not exist in its month.
double ClampedDate(long long year, unsigned month, unsigned day);

// The day number of a calendar day; throws std::invalid_argument if the day does not exist.
double DateSerial(int year, unsigned month, unsigned day);

// The same without the throw: no value for a day that does not exist.
std::optional<double> TryDateSerial(int year, unsigned month, unsigned day);

// The day-first text in which the window writes a picked date ("11/04/2007"); DateFromText
// reads it back to the same day.
std::string DateText(double date);
// The same ten characters written at `out`, for writers that fill a buffer; returns their end.
char* WriteDateText(double date, char* out);

}  // namespace tresk
