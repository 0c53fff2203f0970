#include "ui/qt/qt_desktop_services.h"

#include <utility>

#include "platform/manual_location.h"
#include "platform/user_folders.h"

namespace tembrel {

QtDesktopServices::QtDesktopServices(AddressOpener addressOpener)
    : opener(std::move(addressOpener)) {}

std::filesystem::path QtDesktopServices::ConfigFolder() {
    return UserConfigFolder();
}

int32_t QtDesktopServices::TodayJDN() {
    return today();
}

LaunchOutcome QtDesktopServices::OpenAddress(std::string_view address) {
    switch (tembrel::OpenAddress(address, opener)) {
        case OpenResult::Opened:
            return LaunchOutcome::Opened;
        case OpenResult::NotFound:
            return LaunchOutcome::NotFound;
        case OpenResult::NoHandler:
            return LaunchOutcome::NoHandler;
    }
    return LaunchOutcome::NoHandler;
}

std::string QtDesktopServices::ManualAddress(LanguageCode language) {
    return tembrel::ManualAddress(language);
}

}  // namespace tembrel
