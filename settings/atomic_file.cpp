#include "settings/atomic_file.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

namespace tembrel {

namespace {

// Writes all of `bytes` to `fd`, resuming after short writes and interrupts.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Flushes a folder's entries (the rename) to the disk. File systems that cannot
// flush a folder answer EINVAL; their renames are as durable as they get.
bool FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int result = ::fsync(fd);
    const bool flushed = result == 0 || errno == EINVAL;
    result = ::close(fd);
    return flushed && result == 0;
}

// Writes `bytes` to a new temporary file beside `target` and renames it over
// the target. Returns false, with the temporary file removed, on any failure.
bool ReplaceFile(const std::string& folder, const std::string& target, std::string& temporary,
                 std::string_view bytes) {
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);  // O_CREAT | O_EXCL, mode 0600
    if (fd < 0) {
        return false;
    }
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    return FlushFolder(folder);
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) noexcept {
    try {
        const std::filesystem::path name = path.filename();
        if (name.empty()) {
            return false;
        }
        std::filesystem::path folder = path.parent_path();
        if (folder.empty()) {
            folder = ".";
        }
        // Built by appending: GCC 12 warns wrongly (-Wrestrict) about "." + name
        // at -O3.
        std::string hidden = ".";
        hidden += name.string();
        hidden += ".XXXXXX";
        std::string temporary = (folder / hidden).string();
        return ReplaceFile(folder.string(), path.string(), temporary, bytes);
    } catch (...) {
        // Only building the names can throw (out of memory); nothing was created.
        return false;
    }
}

}  // namespace tembrel
