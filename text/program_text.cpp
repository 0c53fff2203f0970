#include "text/program_text.h"

#include <cstddef>

#include "text/program_text_location.h"
#include "text/program_text_messages.h"

namespace tembrel {

static_assert(kLanguageSlotCount == zidiva6::kLanguageCount,
              "the language slots of the program are those of the data file");

ProgramTextLoad ProgramTexts::LoadProgramText(std::string_view file_name) {
    const std::filesystem::path folder = ExecutableFolder();
    if (folder.empty()) {
        // The program never opens a file relative to the current folder.
        store_.Clear();
        const std::filesystem::path path(file_name);
        return {0, LoadResultMessage(-1, path.string()), path};
    }
    return LoadProgramTextFrom(LocateDataFile(folder, file_name));
}

ProgramTextLoad ProgramTexts::LoadProgramTextFrom(const std::filesystem::path& full_path) {
    const zidiva6::LoadOutcome outcome = store_.LoadFromFile(full_path.c_str());
    if (outcome.status == zidiva6::LoadStatus::Loaded) {
        return {outcome.value, {}, full_path};
    }
    return {0, LoadOutcomeMessage(outcome, full_path.string()), full_path};
}

std::string ProgramTexts::ProgramText(int32_t number) const {
    char buffer[zidiva6::kTextBufferSize];
    const int32_t length = store_.gt(number, static_cast<int32_t>(language_), buffer,
                                     zidiva6::kTextBufferSize, startup_completed_ ? 1 : 0);
    if (length < 1) {
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(length));  // length < kTextBufferSize
}

}  // namespace tembrel
