// Where the language data file is looked for: next to the executable (a build
// tree), else in ../share/tembrel/ relative to the executable's folder (an
// installed program, e.g. /usr/bin and /usr/share/tembrel).
#pragma once

#include <filesystem>
#include <string_view>

namespace tembrel {

// Returns the folder of the running executable, read from /proc/self/exe, or an
// empty path when the system does not tell it.
std::filesystem::path ExecutableFolder();

// Returns the path of `file_name` next to `executable_folder` when that file
// exists, else its path in ../share/tembrel/ when that one exists, else the path
// next to the executable (the one a "cannot open" message names). A folder
// ending in "/" gets no second separator.
std::filesystem::path LocateDataFile(const std::filesystem::path& executable_folder,
                                     std::string_view file_name);

}  // namespace tembrel
