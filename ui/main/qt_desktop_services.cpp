#include "ui/main/qt_desktop_services.h"

#include <utility>

#include "platform/manual_location.h"
#include "platform/user_folders.h"

namespace tembrel {

QtDesktopServices::QtDesktopServices(AddressOpener addressOpener)
    : opener(std::move(addressOpener)) {}

std::filesystem::path QtDesktopServices::UserDataFilePath(std::string_view fileName,
                                                          std::string_view subfolder) {
    return tembrel::UserDataFilePath(fileName, subfolder);
}

void QtDesktopServices::LaunchBrowser(std::string_view address, UserDialogs& dialogs) {
    tembrel::LaunchBrowser(address, dialogs, opener);
}

std::string QtDesktopServices::ManualAddress(LanguageCode language) {
    return tembrel::ManualAddress(language);
}

}  // namespace tembrel
