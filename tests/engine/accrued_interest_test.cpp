#include "AccruedInterest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "Conversions.h"

namespace tresk {
namespace {

using namespace std::chrono;

std::string Day(int y, unsigned m, unsigned d) {
    return DateText(DateSerial(y, m, d));
}

struct Result {
    Outcome outcome;
    InterestFields fields;
};

Result Compute(const std::string& denomination, const std::string& purchase, int startYear) {
    Result run{};
    run.outcome = ComputeAccruedInterest(denomination, purchase, Str(startYear), run.fields);
    return run;
}

struct Case {
    const char* name;
    const char* denomination;
    int y, m, d;  // date of purchase
    int startYear;
    Outcome outcome;
    double interest;   // TreskInt when the outcome is Amount
    double total = 0;  // of the certificate's schedule; 0: not checked
};

int AnniversaryInYear(year_month_day purchase, int startYear, sys_days* on = nullptr);

// The purchase's schedule: six years in order, each in the financial year of its anniversary
// with Calculate's amount there. Calculate finds none in any other year (see
// AgreesWithCountingAnniversaries).
void ExpectSchedule(const Case& c) {
    const CertificateSchedule schedule = ScheduleOf(c.denomination, Day(c.y, c.m, c.d));
    EXPECT_EQ(schedule.years.size(), 6u) << c.name;
    EXPECT_TRUE(c.total == 0 || schedule.total == c.total) << c.name << " " << schedule.total;
    // The purchase lies within its period's days, and the period owns its first and last day.
    const PurchaseDays days = PurchaseDaysOf(schedule.period);
    const double bought = DateSerial(c.y, static_cast<unsigned>(c.m), static_cast<unsigned>(c.d));
    const double first = days.first.value_or(DateSerial(1, 1, 1));
    const double last = days.last.value_or(DateSerial(9999, 12, 31));
    EXPECT_TRUE(first <= bought && bought <= last) << c.name;
    EXPECT_TRUE(IssuePeriodOf(first) == schedule.period && IssuePeriodOf(last) == schedule.period &&
                (!days.first || IssuePeriodOf(first - 1) != schedule.period) &&
                (!days.last || IssuePeriodOf(last + 1) != schedule.period))
        << c.name;
    for (const ScheduleYear& row : schedule.years) {
        const Result run = Compute(c.denomination, Day(c.y, c.m, c.d), row.financialYear);
        sys_days on{};
        EXPECT_EQ(AnniversaryInYear(year{c.y} / c.m / c.d, row.financialYear, &on), row.yearOfLife);
        EXPECT_EQ(row.yearOfLife, &row - schedule.years.data() + 1) << c.name;
        EXPECT_EQ(row.anniversary, (on - sys_days{year{1899} / December / 30}).count()) << c.name;
        EXPECT_EQ(row.amount, run.fields.TreskInt) << c.name << " " << row.financialYear;
    }
}

void ExpectCases(const Case* begin, const Case* end) {
    for (const Case* c = begin; c != end; ++c) {
        const Result run = Compute(c->denomination, Day(c->y, c->m, c->d), c->startYear);
        EXPECT_EQ(run.outcome, c->outcome) << c->name;
        EXPECT_EQ(run.fields.TreskInt, c->outcome == Outcome::Amount ? c->interest : 0) << c->name;
        ExpectSchedule(*c);
    }
}

TEST(AccruedInterest, WorkedExamples) {
    const Case cases[] = {
        {"June two years before, year 2", "1000", 2018, 6, 15, 2020, Outcome::Amount, 88.3},
        {"February two years before, year 3", "1000", 2018, 2, 10, 2020, Outcome::Amount, 95.5},
        {"May 2001, year 5 of the second schedule", "1000", 2001, 5, 20, 2006, Outcome::Amount,
         141},
        {"January six years before", "1000", 2014, 1, 5, 2020, Outcome::NoInterest, 0},
        {"1 April of the start year", "1000", 2020, 4, 1, 2020, Outcome::NotConsidered, 0},
        {"after the start of the year", "1000", 2021, 1, 1, 2020, Outcome::NotConsidered, 0},
        {"half denomination", "500", 2018, 6, 15, 2020, Outcome::Amount, 44.15},
        {"31 March of the start year is year 1", "1000", 2020, 3, 31, 2020, Outcome::Amount, 81.6},
        {"negative denomination is not rejected", "-1000", 2018, 6, 15, 2020, Outcome::Amount,
         -88.3},
        {"text denomination reads as 0", "abc", 2018, 6, 15, 2020, Outcome::Amount, 0},
        {"exact half 14.125 to even", "125", 2000, 2, 1, 2000, Outcome::Amount, 14.12},
        {"exact half 23.875 to even", "250", 2018, 2, 10, 2020, Outcome::Amount, 23.88},
        {"Devanagari digits", "\u0967\u0966\u0966\u0966", 2018, 6, 15, 2020, Outcome::Amount, 88.3},
        {"29 February, in common years on the 28th", "1000", 2000, 2, 29, 2003, Outcome::Amount,
         155.8, 901.2},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(AccruedInterest, ScheduleBoundariesBelongToTheLaterPeriod) {
    // Year 1 of life: the start year is the year of a January to March purchase.
    const Case cases[] = {
        {"28 Feb 2001", "1000", 2001, 2, 28, 2001, Outcome::Amount, 113, 901.2},
        {"1 Mar 2001", "1000", 2001, 3, 1, 2001, Outcome::Amount, 97.2, 745.2},
        {"28 Feb 2002", "1000", 2002, 2, 28, 2002, Outcome::Amount, 97.2, 745.2},
        {"1 Mar 2002", "1000", 2002, 3, 1, 2002, Outcome::Amount, 92, 695.8},
        {"28 Feb 2003", "1000", 2003, 2, 28, 2003, Outcome::Amount, 92, 695.8},
        {"1 Mar 2003", "1000", 2003, 3, 1, 2003, Outcome::Amount, 81.6, 601.2},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(AccruedInterest, RatesGrowWithTheYearOfLife) {
    for (const double purchase : {36000.0, 37000.0, 37500.0, 40000.0}) {
        for (int year = 2; year <= 6; ++year) {
            EXPECT_GT(RatePerThousand(purchase, year), RatePerThousand(purchase, year - 1))
                << purchase << " year " << year;
        }
    }
}

TEST(AccruedInterest, YearOfLifeForEveryYearDifference) {
    const struct {
        int yearDiff;
        int early;  // purchase in February
        int late;   // purchase in July; -1 when the purchase is not before the year's start
    } rows[] = {
        {0, 1, -1}, {1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {4, 5, 4}, {5, 6, 5}, {6, 0, 6}, {7, 0, 0},
    };
    const double rates[] = {81.6, 88.3, 95.5, 103.3, 111.7, 120.8};
    for (const auto& row : rows) {
        for (const auto& [month, year] : {std::pair{2, row.early}, std::pair{7, row.late}}) {
            const Result run = Compute("1000", Day(2015 - row.yearDiff, month, 14), 2015);
            const std::string label =
                "YearDiff " + std::to_string(row.yearDiff) + " month " + std::to_string(month);
            if (year < 0) {
                EXPECT_EQ(run.outcome, Outcome::NotConsidered) << label;
                continue;
            }
            EXPECT_EQ(run.fields.YearDiff, row.yearDiff) << label;
            EXPECT_EQ(run.fields.mDtOfPur, month) << label;
            EXPECT_EQ(YearOfLife(row.yearDiff, month), year) << label;
            if (year == 0) {
                EXPECT_EQ(run.outcome, Outcome::NoInterest) << label;
            } else {
                EXPECT_EQ(run.outcome, Outcome::Amount) << label;
                EXPECT_EQ(run.fields.TreskInt, rates[year - 1]) << label;
            }
        }
    }
}

void ExpectFields(const InterestFields& actual, const InterestFields& expected) {
    EXPECT_EQ(actual.amt, expected.amt);
    EXPECT_EQ(actual.FyStart, expected.FyStart);
    EXPECT_EQ(actual.mDtOfPur, expected.mDtOfPur);
    EXPECT_EQ(actual.YearDiff, expected.YearDiff);
    EXPECT_EQ(actual.TreskInt, expected.TreskInt);
}

TEST(AccruedInterest, FieldsAreSetAsFarAsTheRunGets) {
    InterestFields fields;
    ComputeAccruedInterest("2,500", "15/06/2018", " 2020", fields);
    ExpectFields(fields, {2500, "1/4/ 2020", 6, 2, 220.75});

    // Not considered stops before the year difference is taken.
    EXPECT_EQ(ComputeAccruedInterest("100", "01/05/2021", " 2021", fields), Outcome::NotConsidered);
    ExpectFields(fields, {100, "1/4/ 2021", 5, 2, 220.75});
}

TEST(AccruedInterest, AmountIsKeptAcrossANoInterestRun) {
    InterestFields fields;
    ASSERT_EQ(ComputeAccruedInterest("1000", "15/06/2018", " 2020", fields), Outcome::Amount);
    // A date never picked is day 0, far too old to earn anything.
    EXPECT_EQ(ComputeAccruedInterest("5000", "", " 2020", fields), Outcome::NoInterest);
    EXPECT_EQ(fields.amt, 5000);
    EXPECT_EQ(fields.TreskInt, 88.3);
}

TEST(AccruedInterest, MissingStartYearChangesNothing) {
    InterestFields fields{12, "kept", 7, 3, 88.3};
    EXPECT_EQ(ComputeAccruedInterest("1000", "15/06/2018", "", fields), Outcome::NoStartYear);
    ExpectFields(fields, {12, "kept", 7, 3, 88.3});
}

TEST(AccruedInterest, OversizedDenominationIsTooLarge) {
    for (const char* denomination : {"1e308", "1e400", "-1e308", "1.7976931348623157e308"}) {
        InterestFields fields;
        fields.TreskInt = 44.15;
        EXPECT_EQ(ComputeAccruedInterest(denomination, "15/06/2018", " 2020", fields),
                  Outcome::TooLarge)
            << denomination;
        EXPECT_EQ(fields.TreskInt, 44.15) << denomination;
    }
    // The largest that still fits gives an amount.
    EXPECT_EQ(Compute("1e305", Day(2018, 6, 15), 2020).outcome, Outcome::Amount);
}

TEST(AccruedInterest, DenominationAsTypedInTheLocale) {
    const struct {
        const char* locale;
        const char* text;
        double expected;
        const char* decimal = ".";
        const char* group = ",";
    } rows[] = {
        {"C", "1,000", 1000},
        {"C", "10,000.50", 10000.5},
        {"C", "1,00,000", 100000},
        {"C", "1,000,000", 1e6},
        {"C", ",5", 0},
        {"C", "1,,000", 1},
        {"C", "1, 000", 1000},
        {"C", "1 ,000", 1000},
        {"C", "12,5", 12},
        {"C", "10,5", 10},
        {"C", "10000,00", 10000},
        {"C", "1,0000", 1},
        {"C", "1,000,00", 1000},
        {"C", "1000,", 1000},
        {"C", "", 0},
        {"C", "-2,500", -2500},
        {"C", "1,000e3", 1e6},
        {"C", "1.5,000", 1.5},
        {"de", "10.000", 10000, ",", "."},
        {"de", "100.000", 100000, ",", "."},
        {"de", "10.000,50", 10000.5, ",", "."},
        {"de", "10000,00", 10000, ",", "."},
        {"de", "10,5", 10.5, ",", "."},
        {"de", "10.5", 10.5, ",", "."},
        {"de", "1.000.000", 1e6, ",", "."},
        {"de", "1,5,3", 1.5, ",", "."},
        {"fr", "10\u202f000", 10000, ",", "\u202f"},
        {"fr", "10\u00a0000", 10000, ",", "\u202f"},
        {"fr", "10 000", 10000, ",", "\u202f"},
        {"fr", "10\u202f000,00", 10000, ",", "\u202f"},
        {"fr", "10.5", 10.5, ",", "\u202f"},
        {"en_IN", "1,00,000", 100000},
        {"en_IN", "1,00,00,000", 1e7},
        {"thin and figure spaces", "1\u2009000\u2007000", 1e6},
        {"right-to-left mark", "\u200f1000", 1000},
        {"zero-width space inside", "10\u200b00", 1000},
        {"byte order mark and joiners", "\ufeff1\u200d0\u200c00\u2060", 1000},
        {"bidirectional isolate", "\u20661000\u2069", 1000},
        {"letters still end the number", "10\u00e900", 10},
        {"malformed UTF-8 ends the number",
         "10\xff"
         "00",
         10},
        {"lone continuation byte",
         "\x80"
         "10",
         0},
        {"multi-byte decimal separator", "12\u066b5", 12.5, "\u066b", "\u066c"},
        {"hi", "\u0967\u0966\u0966\u0966", 1000},
        {"hi", "\u0967,\u0966\u0966,\u0966\u0966\u0966", 100000},
        {"hi", "\u0967\u0966,\u0966\u0966\u0966.\u096b\u0966", 10000.5},
        {"hi", "\u0967,\u0966\u0966\u0966\u0966", 1},
        {"hi", "\u0967\u0966e\u0969", 10000},
        {"ar", "\u0661\u0660\u0660\u0660", 1000, "\u066b", "\u066c"},
        {"ar", "\u0661\u066c\u0660\u0660\u0660\u066c\u0660\u0660\u0660\u066b\u0665", 1000000.5,
         "\u066b", "\u066c"},
        {"ar", "\u0661\u066c\u0660\u0660\u066c\u0660\u0660\u0660", 100000, "\u066b", "\u066c"},
        {"ar", "\u0661\u0660\u066c\u0665", 10, "\u066b", "\u066c"},
        {"ar", "\u0661\u0660.\u0665", 10.5, "\u066b", "\u066c"},
        {"ar", "\u061c-\u0662\u066c\u0665\u0660\u0660", -2500, "\u066b", "\u066c"},
        {"fa", "\u06f2\u066c\u06f5\u06f0\u06f0", 2500, "\u066b", "\u066c"},
        {"digits of mixed scripts", "1\u0966\u0660\u06f0", 1000},
        {"digits beyond the first plane", "\U0001d7cf\U0001d7ce", 10},
        {"a superscript ends the number", "10\u00b2", 10},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReadDenomination(row.text, row.decimal, row.group), row.expected)
            << row.locale << " " << row.text;
    }
    EXPECT_EQ(Compute("1,000", Day(2018, 6, 15), 2020).fields.TreskInt, 88.3);
    EXPECT_EQ(Compute("10,000", Day(2018, 6, 15), 2020).fields.TreskInt, 883);
}

TEST(AccruedInterest, EveryYearTheListCanHoldComputes) {
    const struct {
        const char* startYear;
        Outcome outcome;
        double interest;  // bought on 15 January of the start year: year 1 of its life
    } rows[] = {
        {" 1", Outcome::Amount, 113},       {" 999", Outcome::Amount, 113},
        {" 1009", Outcome::Amount, 113},    {" 9989", Outcome::Amount, 81.6},
        {" 9999", Outcome::Amount, 81.6},   {" 0", Outcome::YearOutOfRange, 0},
        {"-4", Outcome::YearOutOfRange, 0}, {" 10000", Outcome::YearOutOfRange, 0},
    };
    for (const auto& row : rows) {
        const int start = static_cast<int>(Val(row.startYear));
        const std::string bought = start >= 1 && start <= 9999 ? Day(start, 1, 15) : "";
        InterestFields fields;
        EXPECT_EQ(ComputeAccruedInterest("1000", bought, row.startYear, fields), row.outcome)
            << row.startYear;
        EXPECT_EQ(fields.TreskInt, row.interest) << row.startYear;
        // The schedule ends with the calendar, where anniversaries past 9999 have no date.
        if (!bought.empty()) {
            EXPECT_EQ(ScheduleOf("1000", bought).years.size(), std::min(6, 9999 - start));
        }
    }
}

// The year of life found a second way: count the anniversaries of the purchase that fall
// between 1 April of the start year and 31 March of the next.
int AnniversaryInYear(year_month_day purchase, int startYear, sys_days* on) {
    const sys_days first{year{startYear} / April / 1};
    const sys_days final{year{startYear + 1} / March / 31};
    int found = 0;
    for (int n = 1; n <= 6; ++n) {
        year_month_day anniversary = purchase + years{n};
        if (!anniversary.ok())
            anniversary = anniversary.year() / anniversary.month() / std::chrono::last;
        const sys_days day{anniversary};
        if (day >= first && day <= final) {
            EXPECT_EQ(found, 0) << "two anniversaries in one financial year";
            found = n;
            if (on != nullptr) *on = day;
        }
    }
    return found;
}

TEST(AccruedInterest, AgreesWithCountingAnniversaries) {
    const sys_days dayZero{year{1899} / December / 30};
    for (const int startYear : {2001, 2002, 2003, 2004, 2007, 2012, 2021, 2026, 2031}) {
        const sys_days yearStart{year{startYear} / April / 1};
        for (sys_days day{year{1993} / January / 1}; day <= sys_days{year{2032} / December / 31};
             day += days{1}) {
            const year_month_day purchase{day};
            const double serial = (day - dayZero).count();
            const Result run = Compute("1000", DateText(serial), startYear);
            const int n = AnniversaryInYear(purchase, startYear);
            if (day >= yearStart) {
                ASSERT_EQ(run.outcome, Outcome::NotConsidered) << DateText(serial);
            } else if (n == 0) {
                ASSERT_EQ(run.outcome, Outcome::NoInterest) << DateText(serial) << " " << startYear;
            } else {
                ASSERT_EQ(run.outcome, Outcome::Amount) << DateText(serial) << " " << startYear;
                ASSERT_EQ(run.fields.TreskInt, RatePerThousand(serial, n))
                    << DateText(serial) << " " << startYear;
            }
        }
    }
}

}  // namespace
}  // namespace tresk
