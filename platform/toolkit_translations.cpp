#include "platform/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <utility>

namespace tembrel {

std::string_view ToolkitLanguageTag(LanguageCode language) {
    switch (language) {
        case LanguageCode::German:
            return "de";
        case LanguageCode::French:
            return "fr";
        case LanguageCode::Portuguese:
            return "pt";
        case LanguageCode::Spanish:
            return "es";
        case LanguageCode::English:
        case LanguageCode::Spare:
            break;
    }
    return {};
}

QString ToolkitTranslationFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

ToolkitTranslations::ToolkitTranslations(QString folder) : folder_(std::move(folder)) {}

ToolkitTranslations::~ToolkitTranslations() {
    Remove();
}

void ToolkitTranslations::Remove() {
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
}

bool ToolkitTranslations::Use(LanguageCode language) {
    if (language_ == language) {
        return loaded_;
    }
    language_ = language;
    Remove();
    const std::string_view tag = ToolkitLanguageTag(language);
    if (tag.empty()) {
        loaded_ = true;
        return loaded_;
    }
    // The widgets' words are all in the base module's file (qtbase_de.qm).
    auto translator = std::make_unique<QTranslator>();
    const QString file =
        QStringLiteral("qtbase_") + QLatin1String(tag.data(), static_cast<qsizetype>(tag.size()));
    loaded_ =
        translator->load(file, folder_) && QCoreApplication::installTranslator(translator.get());
    if (loaded_) {
        translator_ = std::move(translator);
    }
    return loaded_;
}

}  // namespace tembrel
