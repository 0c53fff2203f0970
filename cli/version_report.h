// What `tembrel-cli --version` prints: the version, and where the data files
// were found, so that a user can tell which installation runs.
#pragma once

#include <filesystem>
#include <string>

namespace tembrel::cli {

// Returns the version line, "tembrel-cli (Tembrel) 9.98", then one line for each
// data file: "vrn_text.dat: " and its path (beside the executable, else in
// ../share/tembrel/), or "not found".
std::string VersionReport(const std::filesystem::path& executableFolder);

}  // namespace tembrel::cli
