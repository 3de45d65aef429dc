#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

// What the command line asks of tresk-interest.
struct Options {
    enum class Mode { Year, Totals, Help, Version };
    Mode mode = Mode::Year;
    std::optional<int> year;         // the financial year's start year; today's when none
    std::vector<std::string> files;  // in UTF-8; "-" is standard input
};

// The words after the program's name; on a wrong command line, what is wrong.
std::variant<Options, std::string> ParseOptions(const std::vector<std::string>& words);

std::string Usage();
