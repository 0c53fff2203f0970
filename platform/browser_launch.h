// Opening a web address, or the installed manual, with the desktop's default
// handler, and the warning shown when that fails.
#pragma once

#include <QUrl>

#include <functional>
#include <string>
#include <string_view>

#include "compute/user_dialogs.h"

namespace tembrel {

inline constexpr std::string_view kBrowserLaunchTitle = "Cannot launch web browser";

// The results of a launch. Any value above 32 means success; the failures keep
// the numbers the Windows shell gives for the same situations, so that the
// warning reads the same everywhere.
inline constexpr int kLaunchSucceeded = 42;
inline constexpr int kLaunchFileNotFound = 2;  // an empty or malformed address, a missing file
inline constexpr int kLaunchOutOfMemory = 8;   // never produced here; kept for the warning
inline constexpr int kLaunchNoHandler = 31;    // nothing opened it: no handler, no desktop

// Opens an address; returns true when a handler took it. The default is the
// desktop's URL opener (QDesktopServices::openUrl); tests pass their own.
using AddressOpener = std::function<bool(const QUrl&)>;

// Returns the desktop's URL opener. Without a QGuiApplication (no desktop
// session) it opens nothing and returns false.
AddressOpener DesktopAddressOpener();

// Returns the warning for a failed launch: "Error launching web browser, error
// code = <code>." and, for 31, 8 and 2, a blank line and a hint; the hint for
// 31 names the extension of the address's last part (FileExtensionOf, lower
// case; empty for a bare host address).
std::string BrowserLaunchMessage(int errorCode, std::string_view address);

// Opens `address` (a URL, or an absolute path of a local file) with `opener`
// and returns the result: kLaunchSucceeded, kLaunchFileNotFound when the
// address is empty or malformed or names a local file that does not exist, or
// kLaunchNoHandler when the opener refused it.
int OpenAddress(std::string_view address, const AddressOpener& opener);

// Opens `address` in the user's browser; on failure shows BrowserLaunchMessage
// with the warning icon, an OK button and the title "Cannot launch web
// browser". The program goes on either way.
void LaunchBrowser(std::string_view address, UserDialogs& dialogs,
                   const AddressOpener& opener = DesktopAddressOpener());

}  // namespace tembrel
