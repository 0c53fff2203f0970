#include "platform/user_folders.h"

#include <QDir>
#include <QStandardPaths>

namespace tembrel {

std::filesystem::path UserConfigFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!QDir::isAbsolutePath(folder)) {
        folder = QDir::homePath() + QStringLiteral("/.config");
    }
    if (!QDir::isAbsolutePath(folder)) {
        return {};
    }
    return std::filesystem::path(folder.toStdString());
}

}  // namespace tembrel
