// The link labels: the maker's home page and the user manual.
#include "ui/model/browser_message.h"
#include "ui/model/main_form.h"
#include "ui/model/web_addresses.h"

namespace tembrel {

void MainForm::LaunchBrowser(std::string_view address) {
    const LaunchOutcome outcome = services_.OpenAddress(address);
    if (outcome != LaunchOutcome::Opened) {
        dialogs_.ShowMessage(BrowserLaunchMessage(outcome, address), kBrowserLaunchTitle,
                             MessageIcon::Warning);
    }
}

void MainForm::lblNorvaneSystems_Click() {
    LaunchBrowser(kMakerHomePage);
}

void MainForm::lblOnlineDocumentation_Click() {
    LaunchBrowser(services_.ManualAddress(form.intLanguage));
}

}  // namespace tembrel
