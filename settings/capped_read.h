// Reading a small settings file whole, with a limit, so that a huge or endless
// file (a device, a mistake) can never fill the memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "settings/settings_file.h"

namespace tembrel {

// Reads the file at `path` into `bytes`, stopping as soon as it holds more than
// `limit` bytes. Returns Read, Missing (no such file or folder) or Damaged (too
// large, a folder, unreadable).
SettingsReadStatus ReadFileCapped(const std::filesystem::path& path, size_t limit,
                                  std::string& bytes);

}  // namespace tembrel
