// Feeds arbitrary text to the computation and to every conversion. Inputs are split at '|' into
// the denomination, the date of purchase and the start-year text.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include "accrued_interest.h"
#include "conversions.h"

namespace {

std::string_view NextField(std::string_view& rest) {
    const auto bar = rest.find('|');
    const std::string_view field = rest.substr(0, bar);
    rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
    return field;
}

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void FeedConversions(std::string_view text) {
    const double number = tresk::Val(text);
    tresk::Str(number);
    tresk::Format(number, "##,##0.00", ",", ".");
    tresk::ReadDenomination(text);

    // A rounded amount, written out and read back, is the same amount.
    const double rounded = tresk::Round2(number);
    if (std::fabs(rounded) < 1e12) {
        Check(tresk::ReadDenomination(tresk::Format(rounded, "##,##0.00")) == rounded);
    }

    std::int16_t small = 0;
    std::memcpy(&small, text.data(), std::min(text.size(), sizeof small));
    Check(tresk::Val(tresk::IntText(small)) == small);

    try {
        const double date = tresk::DateFromText(text);
        Check(tresk::DateFromText(tresk::DateText(date)) == date);
        Check(tresk::MonthOf(date) >= 1 && tresk::MonthOf(date) <= 12);
        Check(tresk::YearOf(date) >= 1 && tresk::YearOf(date) <= 9999);
    } catch (const std::invalid_argument&) {
        // Text that is not a date.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view rest = input;
    const std::string_view denomination = NextField(rest);
    const std::string_view purchase = NextField(rest);
    const std::string_view startYear = NextField(rest);

    tresk::InterestFields fields;
    try {
        const tresk::Outcome outcome =
            tresk::ComputeAccruedInterest(denomination, purchase, startYear, fields);
        if (outcome == tresk::Outcome::Amount) Check(std::isfinite(fields.TreskInt));
    } catch (const std::invalid_argument&) {
        // A date or start year that is not a date; the window never hands such texts over.
    }

    FeedConversions(input);
    FeedConversions(denomination);
    return 0;
}
