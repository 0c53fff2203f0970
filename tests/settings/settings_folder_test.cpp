// The settings folder: where it is, and creating it.
#include "settings/settings_folder.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using test_support::TempFolder;

TEST(UserDataFilePathIn, CreatesTheSubfolderAndItsMissingParentsForTheUserOnly) {
    TempFolder folder;
    const std::filesystem::path config = folder.path() / "fresh" / "config";
    const std::filesystem::path path = UserDataFilePathIn(config, "vrn.usr", "tembrel");
    EXPECT_EQ(path, config / "tembrel" / "vrn.usr");
    EXPECT_TRUE(std::filesystem::is_directory(path.parent_path()));
    EXPECT_FALSE(std::filesystem::exists(path));  // only the folder is made
    struct stat info {};
    ASSERT_EQ(stat(path.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // A second call finds the folder and changes nothing.
    EXPECT_EQ(UserDataFilePathIn(config, "vrn.usr", "tembrel"), path);
}

TEST(UserDataFilePathIn, KeepsTheSubfolderInsideTheConfigFolder) {
    TempFolder folder;
    EXPECT_EQ(UserDataFilePathIn(folder.path(), "vrn.usr", "/tembrel"),
              folder.path() / "tembrel" / "vrn.usr");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "tembrel"));
}

TEST(UserDataFilePathIn, AFolderThatCannotBeMadeStillGivesThePath) {
    TempFolder folder;
    const std::filesystem::path file = folder.Write("config", "a file, not a folder");
    EXPECT_EQ(UserDataFilePathIn(file, "vrn.usr", "tembrel"), file / "tembrel" / "vrn.usr");
    EXPECT_TRUE(std::filesystem::is_regular_file(file));
    EXPECT_EQ(UserDataFilePathIn({}, "vrn.usr", "tembrel"), std::filesystem::path());
}

}  // namespace
}  // namespace tembrel
