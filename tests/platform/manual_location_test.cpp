// Finding the manual from the executable's folder, in a build tree and when
// installed.
#include "platform/manual_location.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using test_support::TempFolder;

TEST(ManualLocation, GermanHasItsOwnManualAndEveryOtherLanguageTheEnglishOne) {
    EXPECT_EQ(ManualFileName(LanguageCode::German), "manual.de.html");
    EXPECT_EQ(ManualFileName(LanguageCode::English), "manual.en.html");
    EXPECT_EQ(ManualFileName(LanguageCode::French), "manual.en.html");
}

TEST(ManualLocation, TheBuildTreeCopyComesFirst) {
    TempFolder root;
    root.Write("bin/doc/manual.de.html", "de");
    root.Write("bin" / InstalledManualFolder() / "manual.de.html", "installed");
    EXPECT_EQ(LocateManual(root.path() / "bin", LanguageCode::German),
              root.path() / "bin" / "doc" / "manual.de.html");
}

TEST(ManualLocation, AnInstalledProgramFindsTheManualBesideItsDataFiles) {
    TempFolder root;
    const std::filesystem::path installed =
        (root.path() / "bin" / InstalledManualFolder() / "manual.en.html").lexically_normal();
    root.Write(installed.lexically_relative(root.path()), "en");
    EXPECT_EQ(LocateManual(root.path() / "bin", LanguageCode::English), installed);
    EXPECT_TRUE(installed.string().starts_with((root.path() / "share" / "tembrel").string()));
}

TEST(ManualLocation, WithoutAManualThePathNamesTheInstalledPlace) {
    TempFolder root;
    EXPECT_EQ(
        LocateManual(root.path() / "bin", LanguageCode::English),
        (root.path() / "bin" / InstalledManualFolder() / "manual.en.html").lexically_normal());
}

TEST(ManualLocation, TheAddressIsAFileUrl) {
    const std::string address = ManualAddress(LanguageCode::German);
    EXPECT_TRUE(address.starts_with("file:///")) << address;
    EXPECT_TRUE(address.ends_with("/manual.de.html")) << address;
}

}  // namespace
}  // namespace tembrel
