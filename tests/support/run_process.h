// Runs a program with arguments and standard input, and returns its exit status
// and what it wrote, for end-to-end tests of the built executables.
#pragma once

#include <string>
#include <vector>

namespace tembrel::test_support {

struct ProcessResult {
    int exitCode = -1;  // the exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `arguments`, writing `input` to its standard input.
// Gives up (and kills the program) after `timeoutSeconds`.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input = {}, int timeoutSeconds = 60);

}  // namespace tembrel::test_support
