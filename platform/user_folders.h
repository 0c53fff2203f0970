// The per-user folder of the settings file.
//
// The program never changes its working folder and never opens a file by a
// relative path, so nothing here stands for a "first fixed drive": on Linux a
// missing per-user folder means the settings are neither read nor saved.
#pragma once

#include <filesystem>
#include <string_view>

namespace tembrel {

// Returns the user's configuration folder: $XDG_CONFIG_HOME, else
// $HOME/.config (QStandardPaths::GenericConfigLocation); a relative
// $XDG_CONFIG_HOME is ignored. Empty when no absolute folder can be named.
std::filesystem::path UserConfigFolder();

// Returns base/subfolder/fileName and creates base/subfolder when it is
// missing, with every missing folder above it (each readable by the user only,
// as the per-user folders should be). The subfolder is taken relative to base
// even when it begins with "/". A folder that cannot be created is not an
// error here: the path is returned all the same, reading it finds no file and
// writing it fails, so the program carries on without saved settings. An
// empty base gives the empty path, which can be neither read nor written.
std::filesystem::path UserDataFilePathIn(const std::filesystem::path& base,
                                         std::string_view fileName, std::string_view subfolder);

// Returns UserDataFilePathIn (UserConfigFolder (), fileName, subfolder).
std::filesystem::path UserDataFilePath(std::string_view fileName, std::string_view subfolder);

}  // namespace tembrel
