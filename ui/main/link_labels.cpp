// The link labels: the maker's home page and the user manual.
#include "ui/main/main_form.h"
#include "ui/windows/web_addresses.h"

namespace tembrel {

void MainForm::lblNorvaneSystems_Click() {
    services_.LaunchBrowser(kMakerHomePage, dialogs_);
}

void MainForm::lblOnlineDocumentation_Click() {
    services_.LaunchBrowser(services_.ManualAddress(form.intLanguage), dialogs_);
}

}  // namespace tembrel
