// The user's configuration folder.
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

}  // namespace
}  // namespace tembrel
