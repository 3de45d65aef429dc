#include "Options.h"

#include <charconv>
#include <string_view>

namespace {

// "2025", or "2025-26" as tax forms name the year.
std::optional<int> StartYear(std::string_view text) {
    int year = 0;
    const char* const end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, year);
    if (ec != std::errc{} || ptr - text.data() != 4 || year < 1 || year > 9999) return std::nullopt;
    if (ptr == end) return year;
    int next = 0;
    const auto [after, ec2] = std::from_chars(ptr + 1, end, next);
    if (*ptr != '-' || ec2 != std::errc{} || after != end || after - ptr != 3 ||
        next != (year + 1) % 100) {
        return std::nullopt;
    }
    return year;
}

}  // namespace

std::string Usage() {
    return "Usage: tresk-interest [--year YEAR] FILE...\n"
           "       tresk-interest --totals FILE...\n"
           "Each certificate's interest in the financial year YEAR to YEAR+1 (today's when no\n"
           "year is given), then the total; with --totals, the total of each financial year in\n"
           "which the certificates earn. FILE is a CSV file of certificates, - standard input.\n"
           "\n"
           "  --year YEAR   the financial year by its start year: 2025 or 2025-26\n"
           "  --totals      every financial year's total\n"
           "  --help        this text\n"
           "  --version     the program's version\n";
}

std::variant<Options, std::string> ParseOptions(const std::vector<std::string>& words) {
    Options options;
    bool files = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (files || word == "-" || word.empty() || word[0] != '-') {
            options.files.emplace_back(word);
        } else if (word == "--") {
            files = true;
        } else if (word == "--help" || word == "-h") {
            options.mode = Options::Mode::Help;
            return options;
        } else if (word == "--version") {
            options.mode = Options::Mode::Version;
            return options;
        } else if (word == "--totals") {
            options.mode = Options::Mode::Totals;
        } else if (word == "--year" || word.rfind("--year=", 0) == 0) {
            if (word == "--year" && i + 1 == words.size()) return "--year needs a year";
            const std::string_view value = word == "--year" ? words[++i] : word.substr(7);
            options.year = StartYear(value);
            if (!options.year) return "not a year: '" + std::string(value) + "'";
        } else {
            return "unknown option: " + std::string(word);
        }
    }
    if (options.mode == Options::Mode::Totals && options.year) {
        return "--totals gives every year: --year does not go with it";
    }
    if (options.files.empty()) return "no file given (- reads standard input)";
    return options;
}
