// What the windows' models ask of the desktop: the per-user configuration folder,
// today's date, opening an address in the browser, where the manual is, and
// where the holiday rule file is. The
// desktop window passes the real services (ui/qt/qt_desktop_services.h); tests
// pass their own, and a model given none keeps no settings and opens nothing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/today.h"
#include "holidays/holiday_data_file.h"
#include "text/language.h"
#include "text/program_text_location.h"

namespace tembrel {

// What became of an address handed to the desktop.
enum class LaunchOutcome : uint8_t {
    Opened,
    NotFound,   // an empty or malformed address, or a missing local file
    NoHandler,  // nothing opened it
};

class DesktopServices {
  public:
    virtual ~DesktopServices() = default;

    // Returns the user's configuration folder, in which the settings folder
    // lives; the empty path when there is none.
    virtual std::filesystem::path ConfigFolder() = 0;

    // Returns today's day number.
    virtual int32_t TodayJDN() = 0;

    // Opens `address` with the desktop's default handler.
    virtual LaunchOutcome OpenAddress(std::string_view address) = 0;

    // Returns the address of the user manual in `language` (English for every
    // language without one).
    virtual std::string ManualAddress(LanguageCode language) = 0;

    // Returns the path of the holiday rule file: beside the program, or in
    // ../share/tembrel/ (found like the language data file).
    virtual std::filesystem::path HolidayRuleFile() {
        return LocateDataFile(ExecutableFolder(), holidays::kHolidayDataFileName);
    }
};

// Keeps no settings (no folder), reads the system's clock and opens nothing,
// silently: the model's services when it is given none.
class NoDesktopServices : public DesktopServices {
  public:
    std::filesystem::path ConfigFolder() override { return {}; }
    int32_t TodayJDN() override { return SystemTodayJDN(); }
    LaunchOutcome OpenAddress(std::string_view) override { return LaunchOutcome::Opened; }
    std::string ManualAddress(LanguageCode) override { return {}; }
};

}  // namespace tembrel
