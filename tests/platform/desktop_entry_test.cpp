// The desktop entry that puts the program into the application menu.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/find_program.h"
#include "tests/support/run_process.h"

namespace tembrel {
namespace {

const std::filesystem::path kDesktopFolder = TEMBREL_DESKTOP_FOLDER;

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

TEST(DesktopEntry, PassesTheDesktopFileValidator) {
    const std::filesystem::path validator = test_support::FindProgram("desktop-file-validate");
    if (validator.empty()) {
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian: desktop-file-utils)";
    }
    const test_support::ProcessResult result = test_support::RunProcess(
        validator.string(), {(kDesktopFolder / "tembrel.desktop").string()});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    const std::string report = result.out + result.err;
    EXPECT_EQ(report.find("error:"), std::string::npos) << report;
    EXPECT_EQ(report.find("warning:"), std::string::npos) << report;
}

TEST(DesktopEntry, StartsTheProgramWithItsIconInTheUtilityMenu) {
    const std::string entry = Contents(kDesktopFolder / "tembrel.desktop");
    EXPECT_TRUE(entry.starts_with("[Desktop Entry]\n"));
    for (const char* line : {"\nType=Application\n", "\nName=Tembrel\n", "\nExec=tembrel\n",
                             "\nIcon=tembrel\n", "\nCategories=Utility;Calculator;\n"}) {
        EXPECT_NE(entry.find(line), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace tembrel
