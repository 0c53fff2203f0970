#include "ui/model/browser_message.h"

#include "core/string_utils.h"

namespace tembrel {

std::string BrowserLaunchMessage(LaunchOutcome outcome, std::string_view address) {
    switch (outcome) {
        case LaunchOutcome::Opened:
            return {};
        case LaunchOutcome::NotFound:
            return "Error launching web browser, error code = 2.\r\n\r\nPlease try once more.";
        case LaunchOutcome::NoHandler:
            return "Error launching web browser, error code = 31.\r\n\r\nFile extension '" +
                   FileExtensionOf(address, true) +
                   "' is not associated with any application program.";
    }
    return {};
}

}  // namespace tembrel
