// What the main window's model asks of the desktop: where the per-user
// settings file lives, and opening an address in the browser. The desktop
// window passes the real services (qt_desktop_services.h); tests pass their
// own, and a model given none keeps no settings and opens nothing.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "compute/user_dialogs.h"
#include "text/language.h"

namespace tembrel {

class DesktopServices {
  public:
    virtual ~DesktopServices() = default;

    // Returns the full path of `fileName` in the per-user folder `subfolder`,
    // creating the folder when it is missing. A folder that cannot be created
    // still gives its path (reading finds no file, writing fails); the empty
    // path when there is no per-user folder at all.
    virtual std::filesystem::path UserDataFilePath(std::string_view fileName,
                                                   std::string_view subfolder) = 0;

    // Opens `address` with the desktop's default handler; on failure shows the
    // warning through `dialogs`. The program goes on either way.
    virtual void LaunchBrowser(std::string_view address, UserDialogs& dialogs) = 0;

    // Returns the address of the user manual in `language` (English for every
    // language without one).
    virtual std::string ManualAddress(LanguageCode language) = 0;
};

// Keeps no settings (the empty path) and opens nothing: the model's services
// when it is given none.
class NoDesktopServices : public DesktopServices {
  public:
    std::filesystem::path UserDataFilePath(std::string_view, std::string_view) override {
        return {};
    }
    void LaunchBrowser(std::string_view, UserDialogs&) override {}
    std::string ManualAddress(LanguageCode) override { return {}; }
};

}  // namespace tembrel
