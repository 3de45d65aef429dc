#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "Csv.h"

// A household's certificates in a CSV file, as spreadsheets write and read it: a header naming the
// columns Certificate, Denomination and Date of purchase in any order (in English or a language of
// the window), the user's own columns beside them, one certificate a record.
namespace tresk {

struct Certificate {
    std::string label;        // free text: its number, the holder, the post office
    double denomination = 0;  // positive
    double purchase = 0;      // the date of purchase's day number
};

// Why a record is not a certificate.
enum class Problem {
    None,
    TooFewFields,
    NoDenomination,
    NotADenomination,  // not a positive number
    TooLarge,          // too large to be held to the cent
    NoDate,
    NotADate,
    NotText,    // not UTF-8, or a NUL byte
    TooLong,    // longer than csv::kMaxRecord
    OpenQuote,  // the file ended inside a quoted field
};
const char* ProblemText(Problem problem);  // in English, for the console

// The largest denomination read from a file: every amount it earns, and a million of them added
// up, are still exact to the cent.
inline constexpr double kMaxDenomination = 1e12;

// Where the known columns stand; -1 where the file has none.
struct Columns {
    bool header = false;  // the first record names the columns
    int certificate = -1;
    int denomination = 0;
    int purchase = 1;
    std::size_t count = 2;  // fields a record needs to reach every known column
};

// One record of the file: a certificate, or a bad line with its reason; never lost.
struct Entry {
    std::size_t line = 0;             // where the record starts in the file; 0 for a new one
    std::vector<std::string> fields;  // every column, the user's own included
    std::string raw;                  // as it came; written back while it is not empty
    Problem problem = Problem::None;
    Certificate certificate;  // valid when problem is None
};

// The column names the file's first record may use, in each language the window speaks.
enum class Column { Certificate, Denomination, Purchase };
std::optional<Column> ColumnNamed(std::string_view name);

// The columns from a first record: named by it, or, where it names none, Denomination, Date of
// purchase and, where present, Certificate.
Columns ColumnsOf(const std::vector<std::string_view>& first);

// Strict readings, never the window's lenient ones: the whole field must be the value. A
// denomination is a positive number grouped as people write it ("1,000", "1,00,000"), in the
// digits of any script; the decimal mark is ',' where the file's separator is ';' ("10.000,50").
// A date is DD/MM/YYYY or YYYY-MM-DD.
std::optional<double> DenominationField(std::string_view text, char separator);
std::optional<double> DateField(std::string_view text);

// Reads a record's certificate into the entry, or why there is none.
void ParseEntry(const csv::Record& record, const Columns& columns, char separator, Entry& entry);

// Certificates streamed from a file, one record at a time, in constant memory.
class CertificateReader {
  public:
    CertificateReader(std::istream& in, bool keepRaw);
    // The next certificate or bad line; false at the end. The header is not an entry.
    bool Next(Entry& entry);
    const Columns& columns();
    char separator() { return reader_.separator(); }
    bool binary() { return reader_.binary(); }
    bool failed() const { return reader_.failed(); }
    // The header record as it came; empty without one.
    const Entry& header();

  private:
    void Start();
    csv::Reader reader_;
    csv::Record record_;
    Columns columns_;
    Entry header_;
    bool started_ = false;
    bool pending_ = false;  // the first record was data, read while looking for a header
};

// A whole file, kept to be shown, edited and written back.
struct CertificateList {
    char separator = ',';
    Columns columns{true, 0, 1, 2, 3};
    Entry header{0, {"Certificate", "Denomination", "Date of purchase"}, {}, {}, {}};
    std::vector<Entry> entries;  // in file order, bad lines included
};

enum class ReadStatus { Ok, Binary, Failed };
ReadStatus ReadCertificates(std::istream& in, CertificateList& list);

// Puts the certificate into an entry of the list, or into a new one at its end; the record is
// then written anew, the user's own fields kept. A list that lacks a column for it gains one.
void SetCertificate(CertificateList& list, Entry& entry, const Certificate& certificate);
Entry& AddCertificate(CertificateList& list, const Certificate& certificate);

// The file's bytes: a byte-order mark and CRLF, as spreadsheets on Windows expect; records not
// changed since they were read are written as they came.
std::string CertificatesText(const CertificateList& list);

}  // namespace tresk
