// Fuzzes the settings file reader. Input: the file's bytes. Properties: a file
// the reader refuses gives exactly the defaults; a file it accepts gives a record
// that the writer turns into a file of at most the size the reader takes, which
// reads back complete (all 15 lines) to the same record as the writer stores it,
// and that second record is written byte for byte as the first.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/date_fuzz_support.h"
#include "settings/settings_file.h"
#include "tests/support/stored_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel;
    using tembrel::fuzz::Require;
    using tembrel::test_support::AsStored;
    const std::string_view bytes = fuzz::AsText(data, size);
    const SettingsReadResult read = ParseSettingsText(bytes);
    Require(read.status != SettingsReadStatus::Missing, "a text read is never a missing file",
            bytes);
    if (read.status == SettingsReadStatus::Damaged) {
        Require(read.settings == DefaultUserSettings(), "a damaged file gives the defaults", bytes);
        return 0;
    }
    if (read.status == SettingsReadStatus::ReadWithoutUnit) {
        Require(read.settings.differenceUnit == 0, "a file without its unit counts days", bytes);
    }
    for (const std::string* field : {&read.settings.firstDate, &read.settings.dateDiff,
                                     &read.settings.secondDate, &read.settings.output}) {
        Require(field->find('\0') == std::string::npos, "no text read holds a NUL", bytes);
    }

    // The inputs libFuzzer makes stay far below the size limit, so that the
    // writer never has to shorten the output here.
    const std::string written = SettingsFileText(read.settings);
    Require(written.size() <= kMaxSettingsFileBytes, "the written file fits the reader", written);
    const SettingsReadResult back = ParseSettingsText(written);
    Require(back.status == SettingsReadStatus::Read, "the written file reads back complete",
            written);
    Require(back.settings == AsStored(read.settings), "the written file reads back the same record",
            written);
    Require(SettingsFileText(back.settings) == written, "the record read back writes the same file",
            written);
    return 0;
}
