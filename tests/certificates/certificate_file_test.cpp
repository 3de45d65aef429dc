#include "CertificateFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "AtomicFile.h"
#include "Conversions.h"

namespace tresk {
namespace {

// Entries as "line:label|denomination|date", or "line:reason" for a bad line.
std::string Entries(const std::string& bytes) {
    std::istringstream in(bytes);
    CertificateList list;
    EXPECT_EQ(ReadCertificates(in, list), ReadStatus::Ok);
    std::ostringstream seen;
    for (const Entry& entry : list.entries) {
        seen << entry.line << ':';
        if (entry.problem != Problem::None) {
            seen << ProblemText(entry.problem) << '\n';
            continue;
        }
        seen << entry.certificate.label << '|' << entry.certificate.denomination << '|'
             << DateText(entry.certificate.purchase) << '\n';
    }
    return seen.str();
}

TEST(CertificateFile, ReadsColumnsByTheirNames) {
    const struct {
        const char* name;
        const char* bytes;
        const char* entries;
    } rows[] = {
        {"any order, any case, blanks around",
         " date of PURCHASE ,Note,CERTIFICATE,Denomination\n15/06/2019,x,A,1000\n",
         "2:A|1000|15/06/2019\n"},
        {"Hindi", "प्रमाणपत्र,अंकित मूल्य,क्रय तिथि\nक,500,2019-06-15\n", "2:क|500|15/06/2019\n"},
        {"Urdu without the zer", "مالیت,تاریخ خرید\n500,15/06/2019\n", "2:|500|15/06/2019\n"},
        {"no header: denomination, date, certificate", "500,15/06/2019,A,x\n1000,1/2/2020\n",
         "1:A|500|15/06/2019\n2:too few fields\n"},
        {"no header, two columns", "500,15/06/2019\n", "1:|500|15/06/2019\n"},
        {"blank lines hold nothing", "Denomination,Date of purchase\n\n,\n500,15/06/2019\n",
         "4:|500|15/06/2019\n"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Entries(row.bytes), row.entries) << row.name;
    }
}

TEST(CertificateFile, ReadsEachFieldStrictly) {
    const struct {
        const char* name;
        const char* record;  // after the header Certificate;Denomination;Date of purchase
        char separator;
        const char* entry;
    } rows[] = {
        {"grouped in thousands", "A,\"1,000\",15/06/2019", ',', "A|1000|15/06/2019"},
        {"grouped in lakhs", "A,\"1,00,000\",15/06/2019", ',', "A|100000|15/06/2019"},
        {"Devanagari digits", "A,१०००,१५/०६/२०१९", ',', "A|1000|15/06/2019"},
        {"decimal comma where semicolons separate", "A;10.000,50;15/06/2019", ';',
         "A|10000.5|15/06/2019"},
        {"a point in a comma file", "A,10000.50,2019-06-15", ',', "A|10000.5|15/06/2019"},
        {"day and month of one digit", "A,500,1/6/2019", ',', "A|500|01/06/2019"},
        {"trailing letters", "A,1000abc,15/06/2019", ',',
         "the denomination is not a positive number"},
        {"negative", "A,-500,15/06/2019", ',', "the denomination is not a positive number"},
        {"zero", "A,0,15/06/2019", ',', "the denomination is not a positive number"},
        {"exponent", "A,1e3,15/06/2019", ',', "the denomination is not a positive number"},
        {"bad grouping", "A,\"1,0000\",15/06/2019", ',',
         "the denomination is not a positive number"},
        {"too large for cents", "A,1000000000001,15/06/2019", ',',
         "the denomination is larger than 1,000,000,000,000"},
        {"empty denomination", "A, ,15/06/2019", ',', "no denomination"},
        {"impossible day", "A,500,31/02/2020", ',',
         "the date of purchase is not a date (DD/MM/YYYY or YYYY-MM-DD)"},
        {"two-digit year", "A,500,15/06/19", ',',
         "the date of purchase is not a date (DD/MM/YYYY or YYYY-MM-DD)"},
        {"empty date", "A,500,", ',', "no date of purchase"},
        {"not UTF-8", "A\xff,500,15/06/2019", ',', "not UTF-8 text"},
    };
    for (const auto& row : rows) {
        const std::string header = row.separator == ';'
                                       ? "Certificate;Denomination;Date of purchase\n"
                                       : "Certificate,Denomination,Date of purchase\n";
        EXPECT_EQ(Entries(header + row.record + "\n"), std::string("2:") + row.entry + "\n")
            << row.name;
    }
}

TEST(CertificateFile, WritesBackAsItCame) {
    const std::string header =
        "\xEF\xBB\xBF"
        "Certificate,Denomination,Date of purchase,Note\r\n";
    const std::string kept =
        "\"A, \"\"one\"\"\",\"1,000\",2019-06-15,x\r\nbad,abc,15/06/2019,y\r\nB,500,1/2/2020\r\n";
    CertificateList list;
    std::istringstream in(header + kept);
    ASSERT_EQ(ReadCertificates(in, list), ReadStatus::Ok);
    EXPECT_EQ(CertificatesText(list), header + kept);

    // A changed certificate is written anew in the file's own form, its note kept; one added
    // without a note gets an empty one.
    SetCertificate(list, list.entries[0], {"A", 2500.5, DateSerial(2019, 6, 15)});
    AddCertificate(list, {"C\nD", 100, DateSerial(2020, 1, 2)});
    EXPECT_EQ(CertificatesText(list), header +
                                          "A,2500.5,15/06/2019,x\r\nbad,abc,15/06/2019,y\r\n"
                                          "B,500,1/2/2020\r\n\"C\nD\",100,02/01/2020,\r\n");

    // A file in semicolons with LF and no mark gains both, and keeps its decimal comma.
    std::istringstream semicolons("Denomination;Date of purchase\n10.000,50;15/06/2019\n");
    ASSERT_EQ(ReadCertificates(semicolons, list), ReadStatus::Ok);
    AddCertificate(list, {"", 0.5, DateSerial(2020, 1, 2)});
    AddCertificate(list, {"E", 1, DateSerial(2020, 1, 2)});
    EXPECT_EQ(CertificatesText(list),
              "\xEF\xBB\xBF"
              "Denomination;Date of purchase;Certificate\r\n10.000,50;15/06/2019\r\n"
              "0,5;02/01/2020\r\n1;02/01/2020;E\r\n");
}

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(AtomicFile, ASaveThatFailsChangesNothing) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() /
                            (std::string("tresk-") += std::to_string(std::random_device()()));
    fs::create_directories(folder);
    const fs::path file = folder / "family.csv";
    std::ofstream(file, std::ios::binary) << "old";

    EXPECT_FALSE(WriteFileAtomically(file, "new"));
    EXPECT_EQ(Contents(file), "new");
    EXPECT_TRUE(WriteFileAtomically(folder / "no such folder" / "a.csv", "new"));
#ifndef _WIN32
    // A disk that fills up: the file may grow no further than a few bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{16, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    const std::optional<std::string> failure = WriteFileAtomically(file, std::string(1 << 20, 'x'));
    setrlimit(RLIMIT_FSIZE, &limit);
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->empty());
    EXPECT_EQ(Contents(file), "new");
#endif
    // Nothing stray beside the file.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tresk
