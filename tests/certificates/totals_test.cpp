#include "Totals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "AccruedInterest.h"
#include "Conversions.h"

namespace tresk {
namespace {

TEST(Totals, EveryAmountIsCalculates) {
    const Certificate certificates[] = {
        {"before 2001", 1000, DateSerial(2000, 2, 29)},
        {"boundary of 2001", 250, DateSerial(2001, 3, 1)},
        {"last day of a year", 125, DateSerial(2002, 3, 31)},
        {"first day of a year", 10000.5, DateSerial(2003, 4, 1)},
        {"leap day", 333.33, DateSerial(2016, 2, 29)},
        {"largest", kMaxDenomination, DateSerial(2019, 6, 15)},
        {"at the calendar's end", 1000, DateSerial(9996, 6, 15)},
    };
    Totals totals;
    std::map<int, Cents> expected;
    for (const Certificate& c : certificates) {
        totals.Add(c);
        const int bought = FinancialYearOf(c.purchase);
        for (int year = bought - 1; year <= std::min(bought + 7, 9999); ++year) {
            InterestFields fields;
            const Outcome outcome = ComputeAccruedInterest(Str(c.denomination),
                                                           DateText(c.purchase), Str(year), fields);
            const YearInterest interest = InterestIn(c, year);
            const bool anniversary = Anniversary(c.purchase, interest.yearOfLife).has_value();
            EXPECT_EQ(interest.yearOfLife != 0, outcome == Outcome::Amount) << c.label << year;
            if (outcome != Outcome::Amount) continue;
            EXPECT_EQ(interest.amount, fields.TreskInt) << c.label << " " << year;
            EXPECT_EQ(CentsText(CentsOf(interest.amount)),
                      Format(fields.TreskInt, "##,##0.00", ".", ""));
            if (anniversary) expected[year] += CentsOf(fields.TreskInt);
        }
    }
    EXPECT_EQ(totals.byYear(), expected);
}

TEST(Totals, WrittenForScripts) {
    const Cents large = static_cast<Cents>(1'000'000'000'000'000'000) * 1000 + 5;
    EXPECT_EQ(CentsText(0), "0.00");
    EXPECT_EQ(CentsText(5), "0.05");
    EXPECT_EQ(CentsText(123450), "1234.50");
    EXPECT_EQ(CentsText(large), "10000000000000000000.05");
    EXPECT_EQ(FinancialYearText(2025), "2025-26");
    EXPECT_EQ(FinancialYearText(2099), "2099-00");
    EXPECT_EQ(FinancialYearText(2008), "2008-09");
}

}  // namespace
}  // namespace tresk
