// A certificates file of any bytes. Reading never crashes or hangs; the streamed reading finds
// what the whole file's does; a list written back reads as the same list; and the console
// program answers it in both its modes.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "Answer.h"
#include "CertificateFile.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

bool Same(const tresk::Entry& a, const tresk::Entry& b) {
    return a.problem == b.problem && (a.problem != tresk::Problem::None ||
                                      (a.certificate.label == b.certificate.label &&
                                       a.certificate.denomination == b.certificate.denomination &&
                                       a.certificate.purchase == b.certificate.purchase));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream whole(bytes);
    tresk::CertificateList list;
    if (tresk::ReadCertificates(whole, list) != tresk::ReadStatus::Ok) return 0;

    std::istringstream streamed(bytes);
    tresk::CertificateReader reader(streamed, false);
    tresk::Entry entry;
    for (const tresk::Entry& kept : list.entries) {
        Check(reader.Next(entry) && Same(entry, kept) && entry.line == kept.line);
    }
    Check(!reader.Next(entry));

    const std::string written = tresk::CertificatesText(list);
    std::istringstream again(written);
    tresk::CertificateList reread;
    Check(tresk::ReadCertificates(again, reread) == tresk::ReadStatus::Ok);
    Check(reread.entries.size() == list.entries.size());
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        Check(Same(reread.entries[i], list.entries[i]));
        Check(reread.entries[i].raw == list.entries[i].raw);
    }
    Check(tresk::CertificatesText(reread) == written);

    for (const auto mode : {Options::Mode::Year, Options::Mode::Totals}) {
        Options options;
        options.mode = mode;
        options.year = mode == Options::Mode::Year ? std::optional<int>(2024) : std::nullopt;
        options.files = {"-"};
        std::istringstream in(bytes);
        std::ostringstream out;
        std::ostringstream err;
        Answer(options, in, out, err);
    }
    return 0;
}
