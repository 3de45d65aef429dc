#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tresk {

// Replaces the file's contents at once: the bytes go to a temporary file in the same folder,
// which is flushed to the disk and then renamed over the old one. On failure (a full disk, no
// permission) the old file is as it was, no temporary file stays, and the reason is returned.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view bytes);

}  // namespace tresk
