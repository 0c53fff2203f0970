// What the desktop and software centres read of the program: the icon rendered
// in every size the package installs, and the AppStream metainfo.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "tests/packaging/cli_surface.h"
#include "tests/support/find_program.h"
#include "tests/support/run_process.h"

namespace tembrel::packaging_test {
namespace {

const std::filesystem::path kMetainfo = TEMBREL_METAINFO;

uint32_t BigEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = at; i < at + 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

// The icon theme puts each PNG in a folder named after its size, so a PNG of
// another size would be drawn scaled or cut.
TEST(Icons, EachRenderedPngHasTheSizeItIsInstalledAs) {
    std::istringstream sizes(TEMBREL_ICON_SIZES);
    uint32_t size = 0;
    int count = 0;
    while (sizes >> size) {
        ++count;
        const std::string png = Contents(std::filesystem::path(TEMBREL_ICONS_DIR) /
                                         ("tembrel-" + std::to_string(size) + ".png"));
        ASSERT_GE(png.size(), 24u) << size;
        EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
        EXPECT_EQ(png.substr(12, 4), "IHDR");
        EXPECT_EQ(BigEndian(png, 16), size);
        EXPECT_EQ(BigEndian(png, 20), size);
    }
    EXPECT_EQ(count, 8);
}

TEST(Metainfo, PassesTheAppStreamValidator) {
    const std::filesystem::path validator = test_support::FindProgram("appstreamcli");
    if (validator.empty()) {
        GTEST_SKIP() << "appstreamcli is not installed (Debian: appstream)";
    }
    const test_support::ProcessResult result = test_support::RunProcess(
        validator.string(), {"validate", "--no-net", "--pedantic", kMetainfo.string()});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
}

// Software centres find the component by its file name and start it through the
// desktop entry it names.
TEST(Metainfo, IsNamedAfterItsIdAndLaunchesTheDesktopEntryOfThisVersion) {
    const std::string xml = Contents(kMetainfo);
    std::smatch id;
    ASSERT_TRUE(std::regex_search(xml, id, std::regex("<id>([^<]+)</id>")));
    EXPECT_EQ(kMetainfo.filename().string(), id[1].str() + ".metainfo.xml");
    std::smatch launchable;
    ASSERT_TRUE(std::regex_search(xml, launchable,
                                  std::regex(R"(<launchable type="desktop-id">([^<]+)<)")));
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(TEMBREL_DESKTOP_FOLDER) /
                                                 launchable[1].str()));
    EXPECT_TRUE(std::regex_search(xml, std::regex(R"(<release version=")" TEMBREL_VERSION_TEXT
                                                  R"(" date="\d{4}-\d\d-\d\d"/>)")))
        << xml;
}

}  // namespace
}  // namespace tembrel::packaging_test
