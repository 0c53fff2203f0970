// Desktop services for the models' tests: a fixed today, the configuration
// folder a test chooses (none unless it sets one), addresses recorded instead of
// opened, a manual address per language, and the shipped holiday rule file
// (or the one a test chooses).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/desktop_services.h"

namespace tembrel::test_support {

// Saturday 15 March 2008.
inline constexpr int32_t kFixedToday = 2454541;

class FixedServices : public DesktopServices {
  public:
    std::filesystem::path ConfigFolder() override { return configFolder; }
    int32_t TodayJDN() override { return today; }
    LaunchOutcome OpenAddress(std::string_view address) override {
        launched.emplace_back(address);
        return outcome;
    }
    std::string ManualAddress(LanguageCode language) override {
        return language == LanguageCode::German ? "file:///doc/manual.de.html"
                                                : "file:///doc/manual.en.html";
    }

    std::filesystem::path HolidayRuleFile() override { return holidayRuleFile; }

    std::filesystem::path configFolder;
    std::filesystem::path holidayRuleFile = TEMBREL_HOLIDAY_DATA_FILE;
    int32_t today = kFixedToday;
    // What every address opened gives.
    LaunchOutcome outcome = LaunchOutcome::Opened;
    std::vector<std::string> launched;
};

}  // namespace tembrel::test_support
