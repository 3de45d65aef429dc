#include "Answer.h"

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

#include "AccruedInterest.h"
#include "CertificateFile.h"
#include "Conversions.h"
#include "Csv.h"
#include "Totals.h"

namespace {

// Rows gather here and go out in large writes: a million lines answer in a blink.
class Output {
  public:
    explicit Output(std::ostream& out) : out_(out) {}
    ~Output() { Flush(); }
    std::string& text() { return text_; }
    void EndRow() {
        text_ += '\n';
        if (text_.size() >= 1 << 20) Flush();
    }
    void Flush() {
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        text_.clear();
    }

  private:
    std::ostream& out_;
    std::string text_;
};

void AppendNumber(std::string& text, double number) {
    char buffer[400];  // DBL_MAX has 309 digits
    if (number < 0x1p53 && number == static_cast<double>(static_cast<long long>(number))) {
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(number));
        text.append(buffer, result.ptr);
        return;
    }
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
    text.append(buffer, result.ptr);
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
    std::string& text = output.text();
    if (options.mode == Options::Mode::Totals) {
        tresk::Totals totals;
        for (const std::string& name : options.files) {
            if (!ReadFile(name, standardInput, err, bad,
                          [&](const tresk::Certificate& c) { totals.Add(c); })) {
                bad = true;
            }
        }
        text += "Financial year,Interest\n";
        for (const auto& [year, cents] : totals.byYear()) {
            text += tresk::FinancialYearText(year);
            text += ',';
            text += tresk::CentsText(cents);
            output.EndRow();
        }
        return bad ? 1 : 0;
    }

    const int year = options.year.value_or(tresk::FinancialYearOf(tresk::Today()));
    tresk::Cents total = 0;
    text += "Certificate,Denomination,Date of purchase,Year of life,Interest\n";
    const auto row = [&](const tresk::Certificate& certificate) {
        const tresk::YearInterest interest = tresk::InterestIn(certificate, year);
        const tresk::Cents cents = tresk::CentsOf(interest.amount);
        total += cents;
        tresk::csv::AppendField(text, certificate.label, ',');
        text += ',';
        AppendNumber(text, certificate.denomination);
        text += ',';
        text += tresk::DateText(certificate.purchase);
        text += ',';
        if (interest.yearOfLife > 0) text += static_cast<char>('0' + interest.yearOfLife);
        text += ',';
        text += tresk::CentsText(cents);
        output.EndRow();
    };
    for (const std::string& name : options.files) {
        if (!ReadFile(name, standardInput, err, bad, row)) bad = true;
    }
    text += "Total,,,,";
    text += tresk::CentsText(total);
    output.EndRow();
    return bad ? 1 : 0;
}
