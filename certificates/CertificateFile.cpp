#include "CertificateFile.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "Conversions.h"

namespace tresk {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsUtf8Text(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) - 1u < 0x7Fu)
        ++i;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead == 0) return false;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = lead >> 5 == 0x6    ? 2
                                   : lead >> 4 == 0xE  ? 3
                                   : lead >> 3 == 0x1E ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size()) return false;
        char32_t point = lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next >> 6 != 0x2) return false;
            point = point << 6 | (next & 0x3Fu);
        }
        constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kShortest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// Header names compare without blanks around them and without case.
std::string Folded(std::string_view name) {
    std::string folded(Trimmed(name));
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

struct ColumnName {
    Column column;
    const char* name;
};

// The words of the window's own captions in each of its languages.
constexpr ColumnName kColumnNames[] = {
    {Column::Certificate, "certificate"},
    {Column::Denomination, "denomination"},
    {Column::Purchase, "date of purchase"},
    // Hindi
    {Column::Certificate, "प्रमाणपत्र"},
    {Column::Denomination, "अंकित मूल्य"},
    {Column::Purchase, "क्रय तिथि"},
    // Bengali
    {Column::Certificate, "সার্টিফিকেট"},
    {Column::Denomination, "অভিহিত মূল্য"},
    {Column::Purchase, "ক্রয়ের তারিখ"},
    // Marathi
    {Column::Certificate, "प्रमाणपत्र"},
    {Column::Denomination, "दर्शनी मूल्य"},
    {Column::Purchase, "खरेदीची तारीख"},
    // Telugu
    {Column::Certificate, "సర్టిఫికెట్"},
    {Column::Denomination, "ముఖ విలువ"},
    {Column::Purchase, "కొనుగోలు తేదీ"},
    // Tamil
    {Column::Certificate, "சான்றிதழ்"},
    {Column::Denomination, "முக மதிப்பு"},
    {Column::Purchase, "வாங்கிய தேதி"},
    // Gujarati
    {Column::Certificate, "પ્રમાણપત્ર"},
    {Column::Denomination, "અંકિત મૂલ્ય"},
    {Column::Purchase, "ખરીદ તારીખ"},
    // Urdu, with and without the izafat's zer
    {Column::Certificate, "سرٹیفکیٹ"},
    {Column::Denomination, "مالیت"},
    {Column::Purchase, "تاریخِ خرید"},
    {Column::Purchase, "تاریخ خرید"},
    // Kannada
    {Column::Certificate, "ಪ್ರಮಾಣಪತ್ರ"},
    {Column::Denomination, "ಮುಖಬೆಲೆ"},
    {Column::Purchase, "ಖರೀದಿ ದಿನಾಂಕ"},
    // Malayalam
    {Column::Certificate, "സർട്ടിഫിക്കറ്റ്"},
    {Column::Denomination, "മുഖവില"},
    {Column::Purchase, "വാങ്ങിയ തീയതി"},
    // Punjabi
    {Column::Certificate, "ਸਰਟੀਫਿਕੇਟ"},
    {Column::Denomination, "ਅੰਕਿਤ ਮੁੱਲ"},
    {Column::Purchase, "ਖਰੀਦ ਮਿਤੀ"},
    // Odia, with and without the halant
    {Column::Certificate, "ସାର୍ଟିଫିକେଟ୍"},
    {Column::Certificate, "ସାର୍ଟିଫିକେଟ"},
    {Column::Denomination, "ଅଙ୍କିତ ମୂଲ୍ୟ"},
    {Column::Purchase, "କ୍ରୟ ତାରିଖ"},
};

// Digits of any script as ASCII digits; any other character as it is.
std::string AsciiDigits(std::string_view text) {
    std::string ascii;
    for (const char32_t c : CodePoints(text)) {
        const std::optional<int> digit = DigitValue(c);
        if (digit) {
            ascii += static_cast<char>('0' + *digit);
        } else {
            ascii += c < 0x80 ? static_cast<char>(c) : '?';
        }
    }
    return ascii;
}

// One or two digits for the day and the month, four for the year.
std::optional<double> Date(std::string_view day, std::string_view month, std::string_view year) {
    const auto number = [](std::string_view part, std::size_t least, std::size_t most) {
        if (part.size() < least || part.size() > most) return -1;
        int value = 0;
        for (const char c : part) {
            if (c < '0' || c > '9') return -1;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const int d = number(day, 1, 2);
    const int m = number(month, 1, 2);
    const int y = number(year, 4, 4);
    if (d < 0 || m < 0 || y < 0) return std::nullopt;
    return TryDateSerial(y, static_cast<unsigned>(m), static_cast<unsigned>(d));
}

std::string PlainNumber(double number, char decimalMark) {
    std::array<char, 400> buffer{};  // DBL_MAX has 309 digits
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                                      std::chars_format::fixed);
    std::string text(buffer.data(), result.ptr);
    std::replace(text.begin(), text.end(), '.', decimalMark);
    return text;
}

void AppendRecord(std::string& out, const std::vector<std::string>& fields, char separator) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += separator;
        csv::AppendField(out, fields[i], separator);
    }
}

}  // namespace

const char* ProblemText(Problem problem) {
    switch (problem) {
        case Problem::None:
            return "";
        case Problem::TooFewFields:
            return "too few fields";
        case Problem::NoDenomination:
            return "no denomination";
        case Problem::NotADenomination:
            return "the denomination is not a positive number";
        case Problem::TooLarge:
            return "the denomination is larger than 1,000,000,000,000";
        case Problem::NoDate:
            return "no date of purchase";
        case Problem::NotADate:
            return "the date of purchase is not a date (DD/MM/YYYY or YYYY-MM-DD)";
        case Problem::NotText:
            return "not UTF-8 text";
        case Problem::TooLong:
            return "longer than 1 MiB";
        case Problem::OpenQuote:
            return "a quoted field is not closed before the end of the file";
    }
    return "";
}

std::optional<Column> ColumnNamed(std::string_view name) {
    const std::string folded = Folded(name);
    for (const ColumnName& known : kColumnNames) {
        if (folded == known.name) return known.column;
    }
    return std::nullopt;
}

Columns ColumnsOf(const std::vector<std::string_view>& first) {
    Columns columns{true, -1, -1, -1, 0};
    for (std::size_t i = 0; i < first.size(); ++i) {
        const std::optional<Column> column = ColumnNamed(first[i]);
        if (!column) continue;
        int& index = *column == Column::Certificate    ? columns.certificate
                     : *column == Column::Denomination ? columns.denomination
                                                       : columns.purchase;
        if (index < 0) index = static_cast<int>(i);
    }
    if (columns.certificate < 0 && columns.denomination < 0 && columns.purchase < 0) {
        columns = Columns{false, first.size() >= 3 ? 2 : -1, 0, 1, 2};
    }
    columns.count = static_cast<std::size_t>(
        std::max({columns.certificate, columns.denomination, columns.purchase}) + 1);
    return columns;
}

std::optional<double> DenominationField(std::string_view text, char separator) {
    return separator == ';' ? StrictDenomination(text, ",", ".") : StrictDenomination(text);
}

std::optional<double> DateField(std::string_view text) {
    // DD/MM/YYYY, as the window and most files write it, needs no search for its parts.
    const auto digit = [&](std::size_t i) { return static_cast<unsigned>(text[i] - '0'); };
    if (text.size() == 10 && text[2] == '/' && text[5] == '/' &&
        std::all_of(text.begin(), text.end(),
                    [](char c) { return c == '/' || (c >= '0' && c <= '9'); })) {
        return TryDateSerial(
            static_cast<int>(digit(6) * 1000 + digit(7) * 100 + digit(8) * 10 + digit(9)),
            digit(3) * 10 + digit(4), digit(0) * 10 + digit(1));
    }
    text = Trimmed(text);
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::string converted = ascii ? std::string() : AsciiDigits(text);
    const std::string_view date = ascii ? text : std::string_view(converted);
    const auto first = date.find_first_of("/-");
    if (first == date.npos) return std::nullopt;
    const char mark = date[first];
    const auto second = date.find(mark, first + 1);
    if (second == date.npos) return std::nullopt;
    const std::string_view a = date.substr(0, first);
    const std::string_view b = date.substr(first + 1, second - first - 1);
    const std::string_view c = date.substr(second + 1);
    return mark == '/' ? Date(a, b, c) : Date(c, b, a);
}

void ParseEntry(const csv::Record& record, const Columns& columns, char separator, Entry& entry) {
    entry.line = record.line;
    entry.problem = Problem::None;
    const auto fail = [&](Problem problem) { entry.problem = problem; };
    if (record.tooLong) return fail(Problem::TooLong);
    if (record.openQuote) return fail(Problem::OpenQuote);
    for (const std::string_view field : record.fields) {
        if (!record.ascii && !IsUtf8Text(field)) return fail(Problem::NotText);
    }
    if (record.fields.size() < columns.count) return fail(Problem::TooFewFields);
    if (columns.denomination < 0) return fail(Problem::NoDenomination);
    if (columns.purchase < 0) return fail(Problem::NoDate);

    const std::string_view denomination = record.fields[columns.denomination];
    const std::string_view purchase = record.fields[columns.purchase];
    if (Trimmed(denomination).empty()) return fail(Problem::NoDenomination);
    const std::optional<double> amount = DenominationField(denomination, separator);
    if (!amount || !(*amount > 0)) return fail(Problem::NotADenomination);
    if (*amount > kMaxDenomination) return fail(Problem::TooLarge);
    if (Trimmed(purchase).empty()) return fail(Problem::NoDate);
    const std::optional<double> date = DateField(purchase);
    if (!date) return fail(Problem::NotADate);

    entry.certificate.denomination = *amount;
    entry.certificate.purchase = *date;
    if (columns.certificate >= 0) {
        entry.certificate.label.assign(record.fields[columns.certificate]);
    } else {
        entry.certificate.label.clear();
    }
}

CertificateReader::CertificateReader(std::istream& in, bool keepRaw) : reader_(in, keepRaw) {}

void CertificateReader::Start() {
    if (started_) return;
    started_ = true;
    bool found = !reader_.binary() && reader_.Next(record_);
    while (found && csv::HoldsNothing(record_))
        found = reader_.Next(record_);
    if (!found) {
        columns_ = Columns{false, -1, 0, 1, 2};
        return;
    }
    columns_ = ColumnsOf(record_.fields);
    if (!columns_.header) {
        pending_ = true;
        return;
    }
    header_.line = record_.line;
    header_.fields.assign(record_.fields.begin(), record_.fields.end());
    header_.raw = record_.raw;
    // A quote the header leaves open swallows the file: written back, it must stay open.
    header_.problem = record_.openQuote ? Problem::OpenQuote : Problem::None;
}

const Columns& CertificateReader::columns() {
    Start();
    return columns_;
}

const Entry& CertificateReader::header() {
    Start();
    return header_;
}

bool CertificateReader::Next(Entry& entry) {
    Start();
    if (reader_.binary()) return false;
    for (;;) {
        if (pending_) {
            pending_ = false;
        } else if (!reader_.Next(record_)) {
            return false;
        }
        if (csv::HoldsNothing(record_)) continue;
        ParseEntry(record_, columns_, reader_.separator(), entry);
        entry.raw = record_.raw;
        if (!record_.raw.empty()) entry.fields.assign(record_.fields.begin(), record_.fields.end());
        return true;
    }
}

ReadStatus ReadCertificates(std::istream& in, CertificateList& list) {
    CertificateReader reader(in, true);
    list.entries.clear();
    if (reader.binary()) return ReadStatus::Binary;
    list.separator = reader.separator();
    list.columns = reader.columns();
    list.header = reader.header();
    for (Entry entry; reader.Next(entry);)
        list.entries.push_back(entry);
    return reader.failed() ? ReadStatus::Failed : ReadStatus::Ok;
}

void SetCertificate(CertificateList& list, Entry& entry, const Certificate& certificate) {
    Columns& columns = list.columns;
    const auto ensure = [&](int& index, const char* name) {
        if (index >= 0) return;
        index = static_cast<int>(std::max(columns.count, list.header.fields.size()));
        columns.count = static_cast<std::size_t>(index + 1);
        if (columns.header) {
            list.header.fields.resize(static_cast<std::size_t>(index));
            list.header.fields.emplace_back(name);
            list.header.raw.clear();
        }
    };
    ensure(columns.denomination, "Denomination");
    ensure(columns.purchase, "Date of purchase");
    // A label needs a column to be kept in; a list without one gains it at the end.
    if (!certificate.label.empty()) ensure(columns.certificate, "Certificate");
    // Every column the header names, so that spreadsheets see a full row.
    entry.fields.resize(std::max({entry.fields.size(), columns.count, list.header.fields.size()}));
    entry.fields[static_cast<std::size_t>(columns.denomination)] =
        PlainNumber(certificate.denomination, list.separator == ';' ? ',' : '.');
    entry.fields[static_cast<std::size_t>(columns.purchase)] = DateText(certificate.purchase);
    if (columns.certificate >= 0) {
        entry.fields[static_cast<std::size_t>(columns.certificate)] = certificate.label;
    }
    entry.certificate = certificate;
    entry.problem = Problem::None;
    entry.raw.clear();
}

Entry& AddCertificate(CertificateList& list, const Certificate& certificate) {
    SetCertificate(list, list.entries.emplace_back(), certificate);
    return list.entries.back();
}

std::string CertificatesText(const CertificateList& list) {
    std::string text = "\xEF\xBB\xBF";
    const auto append = [&](const Entry& entry) {
        if (entry.raw.empty()) {
            AppendRecord(text, entry.fields, list.separator);
        } else {
            text += entry.raw;
        }
        // A quote left open ran to the end of the file, and so it stays.
        if (entry.problem != Problem::OpenQuote) text += "\r\n";
    };
    if (list.columns.header) append(list.header);
    for (const Entry& entry : list.entries)
        append(entry);
    return text;
}

}  // namespace tresk
