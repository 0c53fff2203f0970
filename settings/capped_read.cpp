#include "settings/capped_read.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>

namespace tembrel {

SettingsReadStatus ReadFileCapped(const std::filesystem::path& path, size_t limit,
                                  std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? SettingsReadStatus::Missing
                                                   : SettingsReadStatus::Damaged;
    }
    bool ok = true;
    std::array<char, 65536> buffer;
    while (bytes.size() <= limit) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ok = got == 0;  // a folder, an I/O error: damaged
            break;
        }
        bytes.append(buffer.data(), static_cast<size_t>(got));
    }
    ::close(fd);
    return ok && bytes.size() <= limit ? SettingsReadStatus::Read : SettingsReadStatus::Damaged;
}

}  // namespace tembrel
