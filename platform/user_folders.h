// The user's configuration folder, where the settings folder lives.
//
// The program never changes its working folder and never opens a file by a
// relative path, so nothing here stands for a "first fixed drive": on Linux a
// missing per-user folder means the settings are neither read nor saved.
#pragma once

#include <filesystem>

namespace tembrel {

// Returns the user's configuration folder: $XDG_CONFIG_HOME, else
// $HOME/.config (QStandardPaths::GenericConfigLocation); a relative
// $XDG_CONFIG_HOME is ignored. Empty when no absolute folder can be named.
std::filesystem::path UserConfigFolder();

}  // namespace tembrel
