// The AppStream metainfo that software centres read of the program.
#include <gtest/gtest.h>

#include "tests/packaging/cli_surface.h"
#include "tests/support/find_program.h"
#include "tests/support/run_process.h"

namespace tembrel::packaging_test {
namespace {

const std::filesystem::path kMetainfo = TEMBREL_METAINFO;

// Software centres find the component by its file name and start it through the
// desktop entry it names.
TEST(Metainfo, IsValidNamedAfterItsIdAndLaunchesTheDesktopEntryOfThisVersion) {
    const std::string xml = Contents(kMetainfo);
    // Returns the text of the first element that starts with `start`.
    const auto element = [&xml](const std::string& start) {
        const size_t from = xml.find(start);
        return from == std::string::npos
                   ? std::string()
                   : xml.substr(from + start.size(), xml.find('<', from + 1) - from - start.size());
    };
    EXPECT_EQ(kMetainfo.filename().string(), element("<id>") + ".metainfo.xml");
    const std::string launchable = element(R"(<launchable type="desktop-id">)");
    ASSERT_FALSE(launchable.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(TEMBREL_DESKTOP_FOLDER) /
                                                 launchable));
    EXPECT_NE(xml.find(R"(<release version=")" TEMBREL_VERSION_TEXT R"(" date=")"),
              std::string::npos);

    const std::filesystem::path validator = test_support::FindProgram("appstreamcli");
    if (validator.empty()) {
        GTEST_SKIP() << "appstreamcli is not installed (Debian: appstream)";
    }
    const test_support::ProcessResult result = test_support::RunProcess(
        validator.string(), {"validate", "--no-net", "--pedantic", kMetainfo.string()});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
}

}  // namespace
}  // namespace tembrel::packaging_test
