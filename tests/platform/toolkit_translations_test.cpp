// The toolkit's own words in the interface language: installed from Debian's
// translation files, switched with the language, English when a file is missing.
#include "platform/toolkit_translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

// The Yes of a question as the toolkit writes it now.
QString Yes() {
    return QCoreApplication::translate("QPlatformTheme", "&Yes");
}

TEST(ToolkitTranslations, FollowTheLanguageAndLeaveWithTheirOwner) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    {
        ToolkitTranslations translations;
        EXPECT_TRUE(translations.Use(LanguageCode::German)) << "qt6-translations-l10n installed?";
        EXPECT_EQ(Yes(), QStringLiteral("&Ja"));
        EXPECT_TRUE(translations.Use(LanguageCode::English));
        EXPECT_EQ(Yes(), QStringLiteral("&Yes"));
        EXPECT_TRUE(translations.Use(LanguageCode::German));
    }
    EXPECT_EQ(Yes(), QStringLiteral("&Yes"));

    // Without the translation file the toolkit keeps its English words.
    const test_support::TempFolder empty;
    ToolkitTranslations missing(QString::fromStdString(empty.path().string()));
    EXPECT_FALSE(missing.Use(LanguageCode::German));
    EXPECT_FALSE(missing.Use(LanguageCode::German));
    EXPECT_EQ(Yes(), QStringLiteral("&Yes"));
    EXPECT_TRUE(missing.Use(LanguageCode::English));
}

}  // namespace
}  // namespace tembrel
