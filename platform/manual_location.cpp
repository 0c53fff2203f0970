#include "platform/manual_location.h"

#include <QString>
#include <QUrl>

#include "text/program_text_location.h"

namespace tembrel {

std::string ManualFileName(LanguageCode language) {
    return language == LanguageCode::German ? "manual.de.html" : "manual.en.html";
}

std::filesystem::path InstalledManualFolder() {
    return TEMBREL_INSTALLED_DOC_DIR;  // set by the build from the install folders
}

std::filesystem::path LocateManual(const std::filesystem::path& executableFolder,
                                   LanguageCode language) {
    const std::string name = ManualFileName(language);
    const std::filesystem::path beside = executableFolder / "doc" / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(beside, error)) {
        return beside;
    }
    return (executableFolder / InstalledManualFolder() / name).lexically_normal();
}

std::string ManualAddress(LanguageCode language) {
    const std::filesystem::path path = LocateManual(ExecutableFolder(), language);
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(path.string()));
    return url.toString(QUrl::FullyEncoded).toStdString();
}

}  // namespace tembrel
