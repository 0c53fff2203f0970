#include "platform/browser_launch.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>

#include "core/string_utils.h"

namespace tembrel {

AddressOpener DesktopAddressOpener() {
    return [](const QUrl& url) {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
            return false;
        }
        return QDesktopServices::openUrl(url);
    };
}

std::string BrowserLaunchMessage(int errorCode, std::string_view address) {
    std::string message =
        "Error launching web browser, error code = " + std::to_string(errorCode) + ".";
    switch (errorCode) {
        case kLaunchNoHandler:
            message += "\r\n\r\nFile extension '" + FileExtensionOf(address, true) +
                       "' is not associated with any application program.";
            break;
        case kLaunchOutOfMemory:
            message += "\r\n\r\nOut of memory.";
            break;
        case kLaunchFileNotFound:
            message += "\r\n\r\nPlease try once more.";
            break;
        default:
            break;
    }
    return message;
}

int OpenAddress(std::string_view address, const AddressOpener& opener) {
    const QString text = QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()));
    if (text.trimmed().isEmpty()) {
        return kLaunchFileNotFound;
    }
    const QUrl url = QUrl::fromUserInput(text);
    if (!url.isValid()) {
        return kLaunchFileNotFound;
    }
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        return kLaunchFileNotFound;
    }
    return opener(url) ? kLaunchSucceeded : kLaunchNoHandler;
}

void LaunchBrowser(std::string_view address, UserDialogs& dialogs, const AddressOpener& opener) {
    const int result = OpenAddress(address, opener);
    if (result > 32) {
        return;
    }
    dialogs.ShowMessage(BrowserLaunchMessage(result, address), kBrowserLaunchTitle,
                        MessageIcon::Warning);
}

}  // namespace tembrel
