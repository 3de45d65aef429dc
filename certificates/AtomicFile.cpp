#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tresk {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
int OpenNew(const fs::path& path, int mode) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, mode);
}
int WriteSome(int fd, const char* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, 1 << 30)));
}
int Flush(int fd) {
    return _commit(fd);
}
int Close(int fd) {
    return _close(fd);
}
std::optional<std::string> Rename(const fs::path& from, const fs::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return std::nullopt;
    return std::system_category().message(static_cast<int>(GetLastError()));
}
#else
int OpenNew(const fs::path& path, int mode) {
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}
ssize_t WriteSome(int fd, const char* data, std::size_t size) {
    return write(fd, data, size);
}
int Flush(int fd) {
    return fsync(fd);
}
int Close(int fd) {
    return close(fd);
}
std::optional<std::string> Rename(const fs::path& from, const fs::path& to) {
    if (rename(from.c_str(), to.c_str()) == 0) return std::nullopt;
    return std::strerror(errno);
}
#endif

std::string LastError() {
    return std::strerror(errno);
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    // A link stays a link: the file it names is the one replaced.
    const fs::path target = fs::is_symlink(path, error) ? fs::canonical(path, error) : path;
    if (error) return error.message();
    // The new file keeps the old one's permissions, or gets the usual ones.
    int mode = 0666;
    const fs::file_status old = fs::status(target, error);
    if (!error && fs::exists(old)) mode = static_cast<int>(old.permissions() & fs::perms::all);

    std::random_device entropy;
    int fd = -1;
    fs::path temporary;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = target;
        temporary += ".tmp" + std::to_string(entropy() % 1000000);
        fd = OpenNew(temporary, mode);
        if (fd < 0 && errno != EEXIST) return LastError();
    }
    if (fd < 0) return LastError();

    std::optional<std::string> failure;
    for (std::size_t done = 0; done < bytes.size() && !failure;) {
        const auto wrote = WriteSome(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            failure = wrote < 0 ? LastError() : "nothing could be written";
        } else {
            done += static_cast<std::size_t>(wrote);
        }
    }
    if (!failure && Flush(fd) != 0) failure = LastError();
    if (Close(fd) != 0 && !failure) failure = LastError();
    if (!failure) failure = Rename(temporary, target);
    if (failure) fs::remove(temporary, error);
    return failure;
}

}  // namespace tresk
