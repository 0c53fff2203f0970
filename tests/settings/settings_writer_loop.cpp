// A helper for the kill test: writes the settings file at argv[1] over and over,
// with the records argv[2], argv[2] + 1, ... of settings_kill_records.h, until it
// is killed (or after a minute, so that a forgotten loop ends by itself). It
// prints "ready" once it starts writing.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "settings/settings_file.h"
#include "tests/settings/settings_kill_records.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: settings_writer_loop FILE FIRST_SEQUENCE\n");
        return 2;
    }
    const std::filesystem::path path = argv[1];
    int32_t sequence = static_cast<int32_t>(std::atoi(argv[2]));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    std::puts("ready");
    std::fflush(stdout);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!tembrel::WriteSettingsFile(path, tembrel::test_support::KillTestRecord(sequence))) {
            return 1;
        }
        ++sequence;
    }
    return 0;
}
