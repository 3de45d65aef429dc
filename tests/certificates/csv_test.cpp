#include "Csv.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace tresk::csv {
namespace {

// Records as "line:field|field", one a line; "!" marks one that was too long, "?" an open quote.
std::string ReadAll(const std::string& bytes, char* separator = nullptr, bool keepRaw = false) {
    std::istringstream in(bytes);
    Reader reader(in, keepRaw);
    std::string seen;
    Record record;
    while (reader.Next(record)) {
        seen += std::to_string(record.line) + ":";
        if (record.tooLong) seen += "!";
        if (record.openQuote) seen += "?";
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            if (i > 0) seen += '|';
            seen += record.fields[i];
        }
        if (keepRaw) seen += "=" + record.raw;
        seen += "\n";
    }
    if (separator != nullptr) *separator = reader.separator();
    return seen;
}

TEST(CsvReader, ReadsWhatSpreadsheetsWrite) {
    const struct {
        const char* name;
        std::string bytes;
        char separator;
        const char* records;
    } rows[] = {
        {"commas, CRLF", "a,b,c\r\n1,2,3\r\n", ',', "1:a|b|c\n2:1|2|3\n"},
        {"semicolons, LF, no last line end", "a;b\n1,5;2", ';', "1:a|b\n2:1,5|2\n"},
        {"tabs beat the commas of numbers", "1,000\t2\n", '\t', "1:1,000|2\n"},
        {"lone CR ends a line", "a,b\r1,2\r", ',', "1:a|b\n2:1|2\n"},
        {"a blank line does not decide the separator", "\t;\n1;2\n", ';', "1:\t|\n2:1|2\n"},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "a,b\n",
         ',', "1:a|b\n"},
        {"quoted separators and quotes", "\"x, \"\"y\"\"\",2\n", ',', "1:x, \"y\"|2\n"},
        {"quoted line breaks count as lines", "\"a\r\nb\",1\n\"c\nd\ne\",2\nf,3\n", ',',
         "1:a\r\nb|1\n3:c\nd\ne|2\n6:f|3\n"},
        {"a quote inside a field is a character", "ab\"c,d\n", ',', "1:ab\"c|d\n"},
        {"text after a closing quote is kept", "\"ab\"c,d\n", ',', "1:abc|d\n"},
        {"empty fields and a trailing separator", ",,\n\n", ',', "1:||\n2:\n"},
        {"a quote left open runs to the end", "a,\"b\nc,d", ',', "1:?a|b\nc,d\n"},
    };
    for (const auto& row : rows) {
        char separator = 0;
        EXPECT_EQ(ReadAll(row.bytes, &separator), row.records) << row.name;
        EXPECT_EQ(separator, row.separator) << row.name;
    }
}

TEST(CsvReader, RecordsAcrossBlocksAndBeyondTheLimit) {
    // A record that spans the reader's blocks, a CRLF cut between two blocks, and a quoted field
    // too long to split: the records after each are found, on their own lines.
    const std::string label(kMaxRecord - 10, 'x');
    const std::string crlfCut(kMaxRecord - 1, 'y');
    const std::string huge(5 << 20, 'z');
    EXPECT_EQ(ReadAll("b,1\na," + label + "\nb,1\n"), "1:b|1\n2:a|" + label + "\n3:b|1\n");
    EXPECT_EQ(ReadAll(crlfCut + "\r\nb\r\n"), "1:" + crlfCut + "\n2:b\n");
    EXPECT_EQ(ReadAll("\"" + huge + "\n\"\"\",1\nc,2\n"), "1:!\n3:c|2\n");
    const std::string raw = "\"" + huge + "\",1";
    EXPECT_EQ(ReadAll(raw + "\r\nc,2\n", nullptr, true), "1:!=" + raw + "\n2:c|2=c,2\n");
}

TEST(CsvField, QuotedOnlyWhereNeeded) {
    const struct {
        const char* field;
        const char* written;
    } rows[] = {
        {"plain", "plain"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {" padded", "\" padded\""},
        {"a;b", "a;b"},
    };
    for (const auto& row : rows) {
        std::string out;
        AppendField(out, row.field, ',');
        EXPECT_EQ(out, row.written) << row.field;
    }
}

}  // namespace
}  // namespace tresk::csv
