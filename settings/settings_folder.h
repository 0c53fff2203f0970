// Where the settings file lives: a subfolder of the user's configuration folder,
// created when it is missing.
#pragma once

#include <filesystem>
#include <string_view>

namespace tembrel {

// Returns base/subfolder/fileName and creates base/subfolder when it is
// missing, with every missing folder above it (each readable by the user only,
// as the per-user folders should be). The subfolder is taken relative to base
// even when it begins with "/". A folder that cannot be created is not an
// error here: the path is returned all the same, reading it finds no file and
// writing it fails, so the program carries on without saved settings. An
// empty base gives the empty path, which can be neither read nor written.
std::filesystem::path UserDataFilePathIn(const std::filesystem::path& base,
                                         std::string_view fileName, std::string_view subfolder);

}  // namespace tembrel
