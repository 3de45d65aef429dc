#include "Answer.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "AccruedInterest.h"
#include "CertificateFile.h"
#include "Conversions.h"
#include "Csv.h"
#include "Totals.h"

namespace {

// Rows are written straight into a buffer that goes out in large writes: a million lines
// answer in a blink.
class Output {
  public:
    explicit Output(std::ostream& out) : out_(out), buffer_(1 << 20) {}
    ~Output() { Flush(); }
    // At least `size` bytes to write at; Wrote tells where the writing ended.
    char* Room(std::size_t size) {
        if (used_ + size > buffer_.size()) {
            Flush();
            if (size > buffer_.size()) buffer_.resize(size);
        }
        return buffer_.data() + used_;
    }
    void Wrote(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.data()); }
    void Write(std::string_view text) {
        Wrote(std::copy(text.begin(), text.end(), Room(text.size())));
    }
    void Flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
        used_ = 0;
    }

  private:
    std::ostream& out_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
};

// A denomination read from a file is at most 10^12: a plain number of a few dozen characters.
constexpr std::size_t kNumberRoom = 400;  // even DBL_MAX's 309 digits

char* WriteNumber(double number, char* out) {
    if (number < 0x1p53 && number == static_cast<double>(static_cast<long long>(number))) {
        return std::to_chars(out, out + kNumberRoom, static_cast<long long>(number)).ptr;
    }
    return std::to_chars(out, out + kNumberRoom, number, std::chars_format::fixed).ptr;
}

// One file's certificates, row by row; false when the file could not be read at all.
template <class Row>
bool ReadFile(const std::string& name, std::istream& standardInput, std::ostream& err, bool& bad,
              Row row) {
    const bool standard = name == "-";
    const std::string shown = standard ? "(standard input)" : name;
    std::ifstream file;
    if (!standard) {
        const std::filesystem::path path(std::u8string(name.begin(), name.end()));
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            err << shown << ": is a folder, not a file\n";
            return false;
        }
        errno = 0;
        file.open(path, std::ios::binary);
        if (!file) {
            err << shown << ": " << (errno != 0 ? std::strerror(errno) : "cannot be opened")
                << '\n';
            return false;
        }
    }
    tresk::CertificateReader reader(standard ? standardInput : file, false);
    if (reader.binary()) {
        err << shown << ": not a text file\n";
        return false;
    }
    tresk::Entry entry;
    while (reader.Next(entry)) {
        if (entry.problem != tresk::Problem::None) {
            err << shown << ':' << entry.line << ": " << tresk::ProblemText(entry.problem) << '\n';
            bad = true;
            continue;
        }
        row(entry.certificate);
    }
    if (reader.failed()) {
        err << shown << ": could not be read to its end\n";
        return false;
    }
    return true;
}

}  // namespace

int Answer(const Options& options, std::istream& standardInput, std::ostream& out,
           std::ostream& err) {
    bool bad = false;
    Output output(out);
    if (options.mode == Options::Mode::Totals) {
        tresk::Totals totals;
        for (const std::string& name : options.files) {
            if (!ReadFile(name, standardInput, err, bad,
                          [&](const tresk::Certificate& c) { totals.Add(c); })) {
                bad = true;
            }
        }
        output.Write("Financial year,Interest\n");
        for (const auto& [year, cents] : totals.byYear()) {
            const std::string name = tresk::FinancialYearText(year);
            char* at = output.Room(name.size() + 48);
            at = std::copy(name.begin(), name.end(), at);
            *at++ = ',';
            at = tresk::WriteCentsText(cents, at);
            *at++ = '\n';
            output.Wrote(at);
        }
        return bad ? 1 : 0;
    }

    const int year = options.year.value_or(tresk::FinancialYearOf(tresk::Today()));
    tresk::Cents total = 0;
    output.Write("Certificate,Denomination,Date of purchase,Year of life,Interest\n");
    const auto row = [&](const tresk::Certificate& certificate) {
        const tresk::YearInterest interest = tresk::InterestIn(certificate, year);
        const tresk::Cents cents = tresk::CentsOf(interest.amount);
        total += cents;
        char* at = output.Room(2 * certificate.label.size() + kNumberRoom + 64);
        at = tresk::csv::WriteField(certificate.label, ',', at);
        *at++ = ',';
        at = WriteNumber(certificate.denomination, at);
        *at++ = ',';
        at = tresk::WriteDateText(certificate.purchase, at);
        *at++ = ',';
        if (interest.yearOfLife > 0) *at++ = static_cast<char>('0' + interest.yearOfLife);
        *at++ = ',';
        at = tresk::WriteCentsText(cents, at);
        *at++ = '\n';
        output.Wrote(at);
    };
    for (const std::string& name : options.files) {
        if (!ReadFile(name, standardInput, err, bad, row)) bad = true;
    }
    output.Write("Total,,,,");
    output.Write(tresk::CentsText(total));
    output.Write("\n");
    return bad ? 1 : 0;
}
