// Reading a small file whole, with a limit on its size, for the settings files.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "settings/settings_file.h"

namespace tembrel {

// Appends the file's bytes to `bytes` and returns Read, stopping as soon as it
// holds more than `limit` bytes (then Damaged). Missing when there is no file;
// Damaged for a folder or a file that cannot be read. Never throws but for a
// lack of memory.
SettingsReadStatus ReadFileCapped(const std::filesystem::path& path, size_t limit,
                                  std::string& bytes);

}  // namespace tembrel
