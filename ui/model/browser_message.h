// The warning shown when an address could not be opened.
#pragma once

#include <string>
#include <string_view>

#include "ui/model/desktop_services.h"

namespace tembrel {

inline constexpr std::string_view kBrowserLaunchTitle = "Cannot launch web browser";

// Returns the warning for a failed launch, worded as the desktop shells of old
// word it: "Error launching web browser, error code = 2." with a hint to try
// again for an address not found, and code 31 with the extension of the
// address's last part (lower case; empty for a bare host address) that no
// program is associated with. The empty text for an opened address.
std::string BrowserLaunchMessage(LaunchOutcome outcome, std::string_view address);

}  // namespace tembrel
