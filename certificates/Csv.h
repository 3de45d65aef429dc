#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// CSV as spreadsheets write it: fields separated by a comma, a semicolon or a tab, quoted with
// double quotes where they hold a separator, a quote ("" inside) or a line break; records end in
// LF, CRLF or a lone CR. Read in constant memory, one record at a time.
namespace tresk::csv {

// A record longer than this is not split into fields: a stray quote can swallow a whole file.
inline constexpr std::size_t kMaxRecord = 1 << 20;

struct Record {
    std::vector<std::string_view> fields;  // unquoted; valid until the next record is read
    std::size_t line = 0;                  // the line the record starts on, from 1
    std::string raw;         // its bytes as they came, without the line end (when kept)
    bool tooLong = false;    // over kMaxRecord: no fields
    bool openQuote = false;  // the file ended inside a quoted field
    bool quoted = false;     // a field was quoted
    bool ascii = false;      // known to be ASCII without a NUL; false where not known
    std::string storage;     // what the fields view
};

class Reader {
  public:
    // keepRaw: each record's bytes are kept whole, however long, to be written back unchanged.
    Reader(std::istream& in, bool keepRaw);

    // The next record; false at the end of the input.
    bool Next(Record& record);

    // Found from the first line that holds more than blanks and separators: the most frequent
    // of tab, semicolon and comma, in that order where they tie, since commas also group digits.
    char separator();
    // A NUL byte in the first block: not a text file.
    bool binary();
    // The stream failed while reading (not at its end).
    bool failed() const { return failed_; }

  private:
    void Start();
    bool Fill();
    // Where the record ends (the offset of its line end), scanning from `from` in the quote
    // state given. npos while the buffer does not hold its end yet: `from` and `quoted` then
    // tell how far the scan got and in which state.
    std::size_t FindEnd(std::size_t& from, bool& quoted, bool fromFieldStart);
    void Split(std::string_view bytes, Record& record);
    // Most records hold no quote and lie whole in the buffer: one pass finds their fields and
    // their end. False, with nothing read, for any other.
    bool QuickRecord(Record& record);
    // The first byte from `at` that QuickRecord stops at, or `stop`; the top bits of the bytes
    // passed over are or-ed into `high`.
    const char* NextSpecial(const char* at, const char* stop, unsigned& high) const;

    std::istream& in_;
    bool keepRaw_;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool eof_ = false;
    bool failed_ = false;
    bool started_ = false;
    char separator_ = ',';
    bool binary_ = false;
    std::size_t line_ = 1;
    std::vector<std::pair<std::size_t, std::size_t>> spans_;  // Split's, kept for their room
    bool special_[256] = {};                                  // the bytes QuickRecord stops at
};

// A line of blanks and separators only: it holds nothing to keep, and the separator is never
// found from it.
bool HoldsNothing(const Record& record);

// The field as a CSV file holds it: quoted when it holds the separator, a quote, a line break, or
// blanks at either end that a spreadsheet would trim.
void AppendField(std::string& out, std::string_view field, char separator);
// The same written at `out`, which has room for twice the field and two quotes; returns the end.
char* WriteField(std::string_view field, char separator, char* out);

}  // namespace tresk::csv
