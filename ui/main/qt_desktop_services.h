// The desktop services of the running program: the per-user configuration
// folder (QStandardPaths), the desktop's URL opener (QDesktopServices) and the
// manual installed with the program.
#pragma once

#include "platform/browser_launch.h"
#include "ui/main/desktop_services.h"

namespace tembrel {

class QtDesktopServices : public DesktopServices {
  public:
    // `opener` opens the addresses; tests pass one that records them.
    explicit QtDesktopServices(AddressOpener opener = DesktopAddressOpener());

    std::filesystem::path UserDataFilePath(std::string_view fileName,
                                           std::string_view subfolder) override;
    void LaunchBrowser(std::string_view address, UserDialogs& dialogs) override;
    std::string ManualAddress(LanguageCode language) override;

    AddressOpener opener;
};

}  // namespace tembrel
