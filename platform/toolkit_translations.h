// The toolkit's own translations: the words Qt writes itself, such as the Yes
// and No of a question or the entries of a text field's context menu, in the
// interface language. The program's own words come from its text tables.
#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <optional>
#include <string_view>

#include "text/language.h"

namespace tembrel {

// Returns the tag of the language's translation files ("de"), or the empty
// text for English, which the toolkit writes without a translation.
std::string_view ToolkitLanguageTag(LanguageCode language);

// Returns the folder where the toolkit's translation files are installed
// (Debian's qt6-translations-l10n puts them there).
QString ToolkitTranslationFolder();

class ToolkitTranslations {
  public:
    // Reads the translation files from `folder`.
    explicit ToolkitTranslations(QString folder = ToolkitTranslationFolder());
    // Takes its translations out of the application again.
    ~ToolkitTranslations();
    ToolkitTranslations(const ToolkitTranslations&) = delete;
    ToolkitTranslations& operator=(const ToolkitTranslations&) = delete;

    // Installs the toolkit's translations for `language` in the application in
    // place of those of the language before; English takes them out. Does
    // nothing when the language is the one in use. Returns false when the
    // language's translation file is missing (or there is no application): the
    // toolkit then writes its own English words.
    bool Use(LanguageCode language);

  private:
    void Remove();

    QString folder_;
    std::optional<LanguageCode> language_;
    bool loaded_ = true;
    std::unique_ptr<QTranslator> translator_;
};

}  // namespace tembrel
