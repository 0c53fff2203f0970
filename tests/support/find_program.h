// Finds an installed program, for tests that check our files with other
// programs and skip when those are missing.
#pragma once

#include <filesystem>
#include <string>

namespace tembrel::test_support {

// Returns the full path of the executable `name` found on PATH, or the empty
// path when there is none.
std::filesystem::path FindProgram(const std::string& name);

}  // namespace tembrel::test_support
