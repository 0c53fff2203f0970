// The numbered program texts: longer texts (questions, notices, the product name,
// the settings folder name) read from the language data file through the text
// library. This layer shows nothing; the caller (a window or the command line)
// shows the message of a failed load and ends the program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "libs/zidiva6/text_store.h"
#include "text/language.h"

namespace tembrel {

inline constexpr std::string_view kProgramTextFileName = "vrn_text.dat";

// The outcome of loading the language data file.
struct ProgramTextLoad {
    int32_t count = 0;           // number of texts read; >= 1 on success, 0 on failure
    std::string message;         // the message to show on failure; empty on success
    std::filesystem::path path;  // the file that was read, or looked for

    bool ok() const { return count >= 1; }
};

// The program texts of one language data file, with the language they are
// fetched in and the start-up flag handed to the text library.
class ProgramTexts {
  public:
    // Finds `file_name` next to the executable or in ../share/tembrel/ and loads
    // it (see LoadProgramTextFrom).
    ProgramTextLoad LoadProgramText(std::string_view file_name = kProgramTextFileName);

    // Loads the language data file at `full_path`. On failure no text is held and
    // the result carries the message for the user.
    ProgramTextLoad LoadProgramTextFrom(const std::filesystem::path& full_path);

    // Returns program text `number` in the program-text language, or the empty
    // text when the file holds none. At most 1023 bytes of UTF-8.
    std::string ProgramText(int32_t number) const;

    // Sets the language program texts are fetched in. It is English until the
    // start-up has applied the saved language, then follows the language list.
    void SetProgramTextLanguage(LanguageCode language) { language_ = language; }
    LanguageCode ProgramTextLanguage() const { return language_; }

    // Records that the start-up has completed; the text library is told so.
    void SetStartUpCompleted(bool completed) { startup_completed_ = completed; }

  private:
    zidiva6::TextStore store_;
    LanguageCode language_ = LanguageCode::English;
    bool startup_completed_ = false;
};

}  // namespace tembrel
