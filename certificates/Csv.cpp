#include "Csv.h"

#include <algorithm>
#include <cstring>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tresk::csv {
namespace {

constexpr std::size_t kBlock = 1 << 16;
constexpr std::size_t npos = std::string::npos;

const char* Find(const char* from, const char* to, char c) {
    return from < to ? static_cast<const char*>(std::memchr(from, c, to - from)) : nullptr;
}

bool IsBlankOrSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == ';';
}

// Line breaks inside a record's quoted fields, counted as the records' own line ends are.
std::size_t LineBreaks(std::string_view bytes) {
    const char* const end = bytes.data() + bytes.size();
    if (Find(bytes.data(), end, '\n') == nullptr && Find(bytes.data(), end, '\r') == nullptr)
        return 0;
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') ++breaks;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) ++breaks;
    }
    return breaks;
}

}  // namespace

Reader::Reader(std::istream& in, bool keepRaw) : in_(in), keepRaw_(keepRaw) {}

bool Reader::Fill() {
    if (eof_) return false;
    buffer_.erase(0, pos_);
    pos_ = 0;
    const std::size_t old = buffer_.size();
    buffer_.resize(old + kBlock);
    in_.read(buffer_.data() + old, static_cast<std::streamsize>(kBlock));
    const auto got = static_cast<std::size_t>(in_.gcount());
    buffer_.resize(old + got);
    if (got < kBlock) {
        eof_ = true;
        failed_ = in_.bad();
    }
    return got > 0;
}

void Reader::Start() {
    if (started_) return;
    started_ = true;
    Fill();
    if (buffer_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
    binary_ = buffer_.find('\0') != npos;
    // From the first line that holds more than blanks and separators (blank lines hold nothing,
    // and a file written back without them must read the same), else the first.
    std::size_t counts[3] = {};  // tab, semicolon, comma
    std::size_t first[3] = {};
    bool quoted = false;
    bool content = false;
    bool firstLine = true;
    for (std::size_t i = pos_;; ++i) {
        const bool end = i == buffer_.size();
        const char c = end ? '\n' : buffer_[i];
        if (c == '"') quoted = !quoted;
        if (end || (!quoted && (c == '\n' || c == '\r'))) {
            if (content || end) break;
            if (firstLine) std::copy(std::begin(counts), std::end(counts), first);
            firstLine = false;
            std::fill(std::begin(counts), std::end(counts), 0);
            continue;
        }
        content = content || !IsBlankOrSeparator(c);
        if (quoted) continue;
        counts[0] += c == '\t';
        counts[1] += c == ';';
        counts[2] += c == ',';
    }
    const std::size_t* chosen = content || firstLine ? counts : first;
    const std::size_t* most = std::max_element(chosen, chosen + 3);
    if (*most > 0) separator_ = "\t;,"[most - chosen];
    // A NUL takes a record the long way, where it is found not to be text.
    for (const char c : {separator_, '"', '\n', '\r', '\0'})
        special_[static_cast<unsigned char>(c)] = true;
}

char Reader::separator() {
    Start();
    return separator_;
}

bool Reader::binary() {
    Start();
    return binary_;
}

std::size_t Reader::FindEnd(std::size_t& from, bool& quoted, bool fromFieldStart) {
    const char* const data = buffer_.data();
    const char* const end = data + buffer_.size();
    const char* at = data + from;
    const auto more = [&](const char* stateAt) {
        from = static_cast<std::size_t>(stateAt - data);
        return npos;
    };
    for (;;) {
        if (quoted) {
            const char* quote = Find(at, end, '"');
            if (quote == nullptr) return more(end[-1] == '\r' ? end - 1 : end);
            // A quote last in the buffer may be the first of a doubled one.
            if (quote + 1 == end && !eof_) return more(quote);
            if (quote + 1 < end && quote[1] == '"') {
                at = quote + 2;
                continue;
            }
            quoted = false;
            at = quote + 1;
            continue;
        }
        const char* lf = Find(at, end, '\n');
        const char* stop = lf != nullptr ? lf : end;
        const char* cr = Find(at, stop, '\r');
        const char* quote = Find(at, cr != nullptr ? cr : stop, '"');
        // Only a quote that opens a field starts a quoted section; elsewhere it is a character.
        while (quote != nullptr && !(quote == data + from && fromFieldStart) &&
               (quote == data + from || quote[-1] != separator_)) {
            quote = Find(quote + 1, cr != nullptr ? cr : stop, '"');
        }
        if (quote != nullptr) {
            quoted = true;
            at = quote + 1;
            continue;
        }
        if (cr != nullptr) {
            // A CR last in the buffer may be the first half of a CRLF.
            if (cr + 1 == end && !eof_) return more(cr);
            return static_cast<std::size_t>(cr - data);
        }
        return lf != nullptr ? static_cast<std::size_t>(lf - data) : more(end);
    }
}

bool Reader::Next(Record& record) {
    Start();
    record.fields.clear();
    record.raw.clear();
    record.tooLong = false;
    record.openQuote = false;
    record.quoted = false;
    record.ascii = false;
    record.line = line_;
    if (pos_ == buffer_.size() && !Fill()) return false;
    if (QuickRecord(record)) return true;

    // Rescanning from the record's start after a refill keeps the quote state simple; a record
    // is rescanned at most once per block it spans.
    bool startQuoted = false;
    bool quoted = false;
    std::size_t end = npos;
    std::size_t breaks = 0;
    for (;;) {
        quoted = startQuoted;
        std::size_t scanned = pos_;
        end = FindEnd(scanned, quoted, !record.tooLong);
        if (end != npos) break;
        if (buffer_.size() - pos_ > kMaxRecord && !eof_) {
            // Too long to split: what was scanned of it is passed over, or kept whole to be
            // written back, and the scan goes on from there in the state it was left in.
            record.tooLong = true;
            const std::string_view part(buffer_.data() + pos_, scanned - pos_);
            if (keepRaw_) record.raw.append(part);
            breaks += LineBreaks(part);
            pos_ = scanned;
            startQuoted = quoted;
        }
        if (!Fill()) {
            end = buffer_.size();
            record.openQuote = quoted;
            break;
        }
    }

    const std::string_view bytes(buffer_.data() + pos_, end - pos_);
    breaks += LineBreaks(bytes);
    if (keepRaw_) record.raw.append(bytes);
    if (!record.tooLong && bytes.size() > kMaxRecord) record.tooLong = true;
    if (!record.tooLong) Split(bytes, record);
    line_ += breaks + 1;
    pos_ = end;
    if (pos_ < buffer_.size()) {
        const bool crlf =
            buffer_[pos_] == '\r' && pos_ + 1 < buffer_.size() && buffer_[pos_ + 1] == '\n';
        pos_ += crlf ? 2 : 1;
    }
    return true;
}

const char* Reader::NextSpecial(const char* at, const char* stop, unsigned& high) const {
#ifdef __SSE2__
    // Sixteen bytes at a time where the processor has the instructions for it.
    const __m128i wanted[] = {_mm_set1_epi8(separator_), _mm_set1_epi8('"'), _mm_set1_epi8('\n'),
                              _mm_set1_epi8('\r'), _mm_setzero_si128()};
    for (; stop - at >= 16; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        __m128i found = _mm_setzero_si128();
        for (const __m128i& each : wanted)
            found = _mm_or_si128(found, _mm_cmpeq_epi8(bytes, each));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(found));
        const auto top = static_cast<unsigned>(_mm_movemask_epi8(bytes));
        if (mask != 0) {
            const int first = __builtin_ctz(mask);
            high |= top & ((1u << first) - 1);
            return at + first;
        }
        high |= top;
    }
#endif
    for (; at < stop && !special_[static_cast<unsigned char>(*at)]; ++at)
        high |= static_cast<unsigned char>(*at) >> 7;
    return at;
}

bool Reader::QuickRecord(Record& record) {
    const char* const data = buffer_.data();
    const char* const stop = data + buffer_.size();
    const char* field = data + pos_;
    unsigned high = 0;  // any byte's top bit: not ASCII
    for (const char* at = NextSpecial(field, stop, high); at < stop;
         at = NextSpecial(at + 1, stop, high)) {
        if (*at == separator_) {
            record.fields.emplace_back(field, at - field);
            field = at + 1;
            continue;
        }
        const bool crlf = *at == '\r' && at + 1 < stop && at[1] == '\n';
        const bool cut = *at == '\r' && at + 1 == stop && !eof_;
        const bool plain = *at == '\n' || *at == '\r';
        if (!plain || cut || static_cast<std::size_t>(at - data) - pos_ > kMaxRecord) break;
        record.fields.emplace_back(field, at - field);
        record.ascii = high == 0;
        if (keepRaw_) record.raw.assign(data + pos_, at);
        line_ += 1;
        pos_ = static_cast<std::size_t>(at - data) + (crlf ? 2 : 1);
        return true;
    }
    record.fields.clear();
    return false;
}

void Reader::Split(std::string_view bytes, Record& record) {
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    if (Find(begin, end, '"') == nullptr) {
        for (const char* field = begin;;) {
            const char* sep = Find(field, end, separator_);
            record.fields.emplace_back(field, (sep != nullptr ? sep : end) - field);
            if (sep == nullptr) return;
            field = sep + 1;
        }
    }
    // Unquoted into storage first; the views are made once it no longer moves.
    record.quoted = true;
    record.storage.clear();
    auto& spans = spans_;
    spans.clear();
    for (const char* at = begin;;) {
        const std::size_t start = record.storage.size();
        if (at < end && *at == '"') {
            for (++at; at < end;) {
                const char* quote = Find(at, end, '"');
                record.storage.append(at, quote != nullptr ? quote : end);
                if (quote == nullptr) {
                    at = end;
                } else if (quote + 1 < end && quote[1] == '"') {
                    record.storage += '"';
                    at = quote + 2;
                    continue;
                } else {
                    at = quote + 1;
                }
                break;
            }
        }
        const char* sep = Find(at, end, separator_);
        record.storage.append(at, sep != nullptr ? sep : end);
        spans.emplace_back(start, record.storage.size() - start);
        if (sep == nullptr) break;
        at = sep + 1;
    }
    for (const auto& [start, size] : spans) {
        record.fields.emplace_back(record.storage.data() + start, size);
    }
}

bool HoldsNothing(const Record& record) {
    return !record.tooLong && !record.openQuote && !record.quoted &&
           std::all_of(record.fields.begin(), record.fields.end(), [](std::string_view field) {
               return std::all_of(field.begin(), field.end(),
                                  [](char c) { return IsBlankOrSeparator(c); });
           });
}

void AppendField(std::string& out, std::string_view field, char separator) {
    const std::size_t old = out.size();
    out.resize(old + 2 * field.size() + 2);
    out.resize(
        static_cast<std::size_t>(WriteField(field, separator, out.data() + old) - out.data()));
}

char* WriteField(std::string_view field, char separator, char* out) {
    const bool blankEnds =
        !field.empty() && (field.front() == ' ' || field.back() == ' ' || field.front() == '\t');
    const bool special = std::any_of(field.begin(), field.end(), [separator](char c) {
        return c == separator || c == '"' || c == '\n' || c == '\r';
    });
    if (!special && !blankEnds) return std::copy(field.begin(), field.end(), out);
    *out++ = '"';
    for (const char c : field) {
        if (c == '"') *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

}  // namespace tresk::csv
