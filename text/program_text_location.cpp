#include "text/program_text_location.h"

#include <system_error>

namespace tembrel {

std::filesystem::path ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return executable.parent_path();
}

std::filesystem::path LocateDataFile(const std::filesystem::path& executable_folder,
                                     std::string_view file_name) {
    const std::filesystem::path beside = executable_folder / file_name;
    std::error_code error;
    if (std::filesystem::exists(beside, error)) {
        return beside;
    }
    const std::filesystem::path shared =
        (executable_folder / ".." / "share" / "tembrel" / file_name).lexically_normal();
    if (std::filesystem::exists(shared, error)) {
        return shared;
    }
    return beside;
}

}  // namespace tembrel
