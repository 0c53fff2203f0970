// The desktop entry and the icon that put the program into the application menu.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "tests/support/run_process.h"

namespace tembrel {
namespace {

const std::filesystem::path kDataFolder = TEMBREL_DATA_FOLDER;

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// Returns the full path of a program found on PATH, or the empty path.
std::filesystem::path FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

TEST(DesktopEntry, PassesTheDesktopFileValidator) {
    const std::filesystem::path validator = FindProgram("desktop-file-validate");
    if (validator.empty()) {
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian: desktop-file-utils)";
    }
    const test_support::ProcessResult result =
        test_support::RunProcess(validator.string(), {(kDataFolder / "tembrel.desktop").string()});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    const std::string report = result.out + result.err;
    EXPECT_EQ(report.find("error:"), std::string::npos) << report;
    EXPECT_EQ(report.find("warning:"), std::string::npos) << report;
}

TEST(DesktopEntry, StartsTheProgramWithItsIconInTheUtilityMenu) {
    const std::string entry = Contents(kDataFolder / "tembrel.desktop");
    EXPECT_TRUE(entry.starts_with("[Desktop Entry]\n"));
    for (const char* line : {"\nType=Application\n", "\nName=Tembrel\n", "\nExec=tembrel\n",
                             "\nIcon=tembrel\n", "\nCategories=Utility;Calculator;\n"}) {
        EXPECT_NE(entry.find(line), std::string::npos) << line;
    }
}

// The PNG icon must be a 48 x 48 image, the size its install folder names.
TEST(DesktopEntry, ThePngIconIs48By48) {
    const std::string png = Contents(kDataFolder / "icons" / "tembrel-48.png");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    const auto bigEndian = [&png](size_t at) {
        return (static_cast<unsigned char>(png[at]) << 24) |
               (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) |
               static_cast<unsigned char>(png[at + 3]);
    };
    EXPECT_EQ(bigEndian(16), 48u);
    EXPECT_EQ(bigEndian(20), 48u);
    const std::string svg = Contents(kDataFolder / "icons" / "tembrel.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 48 48\""), std::string::npos);
}

}  // namespace
}  // namespace tembrel
