#include "platform/browser_launch.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>

namespace tembrel {

AddressOpener DesktopAddressOpener() {
    return [](const QUrl& url) {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
            return false;
        }
        return QDesktopServices::openUrl(url);
    };
}

OpenResult OpenAddress(std::string_view address, const AddressOpener& opener) {
    const QString text = QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()));
    if (text.trimmed().isEmpty()) {
        return OpenResult::NotFound;
    }
    const QUrl url = QUrl::fromUserInput(text);
    if (!url.isValid()) {
        return OpenResult::NotFound;
    }
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        return OpenResult::NotFound;
    }
    return opener(url) ? OpenResult::Opened : OpenResult::NoHandler;
}

}  // namespace tembrel
