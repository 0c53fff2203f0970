// Fuzzes the reader of the working days file. Input: the file's bytes.
// Properties: a text the reader accepts gives a choice whose file (written
// without the file names that hold a line end) reads back to the same choice,
// and that choice is written byte for byte as the first.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/date_fuzz_support.h"
#include "settings/working_days_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel;
    using tembrel::fuzz::Require;
    const std::string_view bytes = fuzz::AsText(data, size);
    const std::optional<holidays::WorkingDaysChoice> read = ParseWorkingDaysText(bytes);
    if (!read) {
        return 0;
    }
    holidays::WorkingDaysChoice storable = *read;
    for (std::vector<std::string>* files : {&storable.holidayFiles, &storable.workdayFiles}) {
        std::erase_if(*files, [](const std::string& file) {
            return file.find_first_of("\r\n") != std::string::npos;
        });
    }
    const std::string written = WorkingDaysFileText(*read);
    const std::optional<holidays::WorkingDaysChoice> back = ParseWorkingDaysText(written);
    Require(back.has_value(), "the written file reads back", written);
    Require(*back == storable, "the written file reads back the same choice", written);
    Require(WorkingDaysFileText(*back) == written, "the choice read back writes the same file",
            written);
    return 0;
}
