// Opening a web address, or the installed manual, with the desktop's default
// handler. It reports what happened; the window words the warning.
#pragma once

#include <QUrl>

#include <cstdint>
#include <functional>
#include <string_view>

namespace tembrel {

// What became of an address.
enum class OpenResult : uint8_t {
    Opened,
    NotFound,   // an empty or malformed address, or a local file that does not exist
    NoHandler,  // nothing opened it: no handler, or no desktop session
};

// Opens an address; returns true when a handler took it. The default is the
// desktop's URL opener (QDesktopServices::openUrl); tests pass their own.
using AddressOpener = std::function<bool(const QUrl&)>;

// Returns the desktop's URL opener. Without a QGuiApplication (no desktop
// session) it opens nothing and returns false.
AddressOpener DesktopAddressOpener();

// Opens `address` (a URL, or an absolute path of a local file) with `opener`.
OpenResult OpenAddress(std::string_view address, const AddressOpener& opener);

}  // namespace tembrel
