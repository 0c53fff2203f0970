// The settings folder: where it is, and creating it.
#include "platform/user_folders.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using test_support::ScopedEnvironment;
using test_support::TempFolder;

TEST(UserConfigFolder, FollowsXdgConfigHomeElseHome) {
    TempFolder folder;
    const std::string config = (folder.path() / "config").string();
    const std::string home = (folder.path() / "home").string();
    ScopedEnvironment homeVariable("HOME", home.c_str());
    {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", config.c_str());
        EXPECT_EQ(UserConfigFolder(), config);
    }
    {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(UserConfigFolder(), home + "/.config");
    }
    {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(UserConfigFolder(), home + "/.config");
    }
}

TEST(UserDataFilePath, CreatesTheSubfolderAndItsMissingParents) {
    TempFolder folder;
    const std::string config = (folder.path() / "fresh" / "config").string();
    ScopedEnvironment xdg("XDG_CONFIG_HOME", config.c_str());
    const std::filesystem::path path = UserDataFilePath("vrn.usr", "tembrel");
    EXPECT_EQ(path, std::filesystem::path(config) / "tembrel" / "vrn.usr");
    EXPECT_TRUE(std::filesystem::is_directory(path.parent_path()));
    EXPECT_FALSE(std::filesystem::exists(path));  // only the folder is made
    struct stat info {};
    ASSERT_EQ(stat(path.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // A second call finds the folder and changes nothing.
    EXPECT_EQ(UserDataFilePath("vrn.usr", "tembrel"), path);
}

TEST(UserDataFilePath, KeepsTheSubfolderInsideTheConfigFolder) {
    TempFolder folder;
    EXPECT_EQ(UserDataFilePathIn(folder.path(), "vrn.usr", "/tembrel"),
              folder.path() / "tembrel" / "vrn.usr");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "tembrel"));
}

TEST(UserDataFilePath, AFolderThatCannotBeMadeStillGivesThePath) {
    TempFolder folder;
    const std::filesystem::path file = folder.Write("config", "a file, not a folder");
    EXPECT_EQ(UserDataFilePathIn(file, "vrn.usr", "tembrel"), file / "tembrel" / "vrn.usr");
    EXPECT_TRUE(std::filesystem::is_regular_file(file));
    EXPECT_EQ(UserDataFilePathIn({}, "vrn.usr", "tembrel"), std::filesystem::path());
}

}  // namespace
}  // namespace tembrel
