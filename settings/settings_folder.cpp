#include "settings/settings_folder.h"

#include <errno.h>
#include <sys/stat.h>

#include <system_error>

namespace tembrel {

namespace {

// Creates `folder` and the missing folders above it, each with mode 0700.
// Returns true when the folder exists afterwards.
bool CreateFolders(const std::filesystem::path& folder) {
    std::filesystem::path prefix;
    std::error_code error;
    for (const std::filesystem::path& part : folder) {
        prefix /= part;
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST &&
            !std::filesystem::is_directory(prefix, error)) {
            return false;
        }
    }
    return std::filesystem::is_directory(folder, error);
}

}  // namespace

std::filesystem::path UserDataFilePathIn(const std::filesystem::path& base,
                                         std::string_view fileName, std::string_view subfolder) {
    if (base.empty()) {
        return {};
    }
    const std::filesystem::path folder = base / std::filesystem::path(subfolder).relative_path();
    CreateFolders(folder);
    return folder / fileName;
}

}  // namespace tembrel
