// The desktop services of the running program: the per-user configuration
// folder (QStandardPaths), the system's clock, the desktop's URL opener
// (QDesktopServices), and the manual and the holiday rule file installed with
// the program.
#pragma once

#include <functional>

#include "core/today.h"
#include "platform/browser_launch.h"
#include "ui/model/desktop_services.h"

namespace tembrel {

class QtDesktopServices : public DesktopServices {
  public:
    // `opener` opens the addresses; tests pass one that records them.
    explicit QtDesktopServices(AddressOpener opener = DesktopAddressOpener());

    std::filesystem::path ConfigFolder() override;
    int32_t TodayJDN() override;
    LaunchOutcome OpenAddress(std::string_view address) override;
    std::string ManualAddress(LanguageCode language) override;
    std::filesystem::path HolidayRuleFile() override {
        return holidayRuleFile.empty() ? DesktopServices::HolidayRuleFile() : holidayRuleFile;
    }

    AddressOpener opener;
    // Reads today's day number: the system's clock; tests fix a day.
    std::function<int32_t()> today = SystemTodayJDN;
    // The holiday rule file; empty: the one installed with the program. Tests
    // point it at the shipped file.
    std::filesystem::path holidayRuleFile;
};

}  // namespace tembrel
