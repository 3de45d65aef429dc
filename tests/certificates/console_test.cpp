#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <variant>

#include "AccruedInterest.h"
#include "Answer.h"
#include "Conversions.h"
#include "Options.h"

namespace {

struct Reply {
    int status;
    std::string out;
    std::string err;
};

Reply Answered(std::vector<std::string> words, const std::string& input) {
    const auto options = ParseOptions(words);
    if (const auto* wrong = std::get_if<std::string>(&options)) return {2, "", *wrong};
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = Answer(std::get<Options>(options), in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Console, AnswersAsScriptsExpect) {
    const std::string family =
        "\xEF\xBB\xBF"
        "Certificate,Denomination,Date of purchase\r\n"
        "\"Savings A\nAsha\",\"1,000\",15/06/2022\r\nbad,abc,15/06/2019\r\n"
        "\"B, \"\"Ravi\"\"\",500,2001-03-01\r\n";
    const std::string header = "Certificate,Denomination,Date of purchase,Year of life,Interest\n";
    const struct {
        const char* name;
        std::vector<std::string> words;
        std::string input;
        Reply expected;
    } rows[] = {
        {"a year",
         {"--year", "2024", "-"},
         family,
         {1,
          header + "\"Savings A\nAsha\",1000,15/06/2022,2,88.30\n"
                   "\"B, \"\"Ravi\"\"\",500,01/03/2001,,0.00\n"
                   "Total,,,,88.30\n",
          "(standard input):4: the denomination is not a positive number\n"}},
        {"the year as tax forms write it",
         {"--year=2024-25", "-"},
         "1000,15/06/2022\n",
         {0, header + ",1000,15/06/2022,2,88.30\nTotal,,,,88.30\n", ""}},
        {"every year",
         {"--totals", "-"},
         "1000,15/06/2023\n500,01/03/2001\n",
         {0,
          "Financial year,Interest\n2001-02,48.60\n2002-03,53.35\n2003-04,58.55\n"
          "2004-05,64.25\n2005-06,70.50\n2006-07,77.35\n2024-25,81.60\n2025-26,88.30\n"
          "2026-27,95.50\n2027-28,103.30\n2028-29,111.70\n2029-30,120.80\n",
          ""}},
        {"years before 1000",
         {"--totals", "-"},
         "1000,15/06/0998\n",
         {0,
          "Financial year,Interest\n999-00,113.00\n1000-01,125.80\n1001-02,140.00\n"
          "1002-03,155.80\n1003-04,173.50\n1004-05,193.10\n",
          ""}},
        {"an empty file", {"--year", "2024", "-"}, "", {0, header + "Total,,,,0.00\n", ""}},
        {"a binary file",
         {"--year", "2024", "-"},
         std::string("PK\x03\x04\0\0", 6),
         {1, header + "Total,,,,0.00\n", "(standard input): not a text file\n"}},
        {"a field of five megabytes",
         {"--totals", "-"},
         std::string(5 << 20, 'x') + ",1\n",
         {1, "Financial year,Interest\n", "(standard input):1: longer than 1 MiB\n"}},
        {"a file that is not there",
         {"--year", "2024", "no such file.csv"},
         "",
         {1, header + "Total,,,,0.00\n", "no such file.csv: No such file or directory\n"}},
        {"no file", {"--year", "2024"}, "", {2, "", "no file given (- reads standard input)"}},
        {"not a year", {"--year", "20x5", "-"}, "", {2, "", "not a year: '20x5'"}},
        {"a year and its wrong end",
         {"--year", "2024-26", "-"},
         "",
         {2, "", "not a year: '2024-26'"}},
        {"two kinds of answer",
         {"--totals", "--year", "2024", "-"},
         "",
         {2, "", "--totals gives every year: --year does not go with it"}},
        {"an unknown option", {"--yaer", "2024", "-"}, "", {2, "", "unknown option: --yaer"}},
    };
    for (const auto& row : rows) {
        const Reply run = Answered(row.words, row.input);
        EXPECT_EQ(run.status, row.expected.status) << row.name;
        EXPECT_EQ(run.out, row.expected.out) << row.name;
        EXPECT_EQ(run.err, row.expected.err) << row.name;
    }
}

// A spreadsheet's file of two thousand certificates: every amount is the one Calculate shows.
TEST(Console, EveryAmountIsCalculates) {
    std::mt19937 random(2024);
    std::string file = "Denomination,Date of purchase,Certificate\r\n";
    std::vector<std::string> expected;
    for (int i = 0; i < 2000; ++i) {
        const std::string denomination =
            std::to_string(random() % 100000 + 1) +
            (i % 3 == 0 ? std::string(".") += std::to_string(random() % 100) : "");
        const std::string date = tresk::DateText(tresk::DateSerial(
            static_cast<int>(1998 + random() % 30), random() % 12 + 1, random() % 28 + 1));
        file += denomination + "," + date + ",C" + std::to_string(i) + "\r\n";
        tresk::InterestFields fields;
        const tresk::Outcome outcome =
            tresk::ComputeAccruedInterest(denomination, date, " 2024", fields);
        expected.push_back(outcome == tresk::Outcome::Amount
                               ? tresk::Format(fields.TreskInt, "##,##0.00", ".", "")
                               : "0.00");
    }
    std::istringstream answer(Answered({"--year", "2024", "-"}, file).out);
    std::string line;
    std::getline(answer, line);
    for (const std::string& amount : expected) {
        std::getline(answer, line);
        EXPECT_EQ(line.substr(line.rfind(',') + 1), amount) << line;
    }
}

}  // namespace
