// Opening addresses: what becomes of an address handed to the desktop.
#include "platform/browser_launch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using test_support::TempFolder;

TEST(OpenAddress, HandsWebAddressesAndExistingFilesToTheOpener) {
    TempFolder folder;
    const std::filesystem::path manual = folder.Write("manual.en.html", "<html></html>");
    std::vector<QUrl> opened;
    const AddressOpener opener = [&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    EXPECT_EQ(OpenAddress("https://norvane.example.org/", opener), OpenResult::Opened);
    const QUrl file = QUrl::fromLocalFile(QString::fromStdString(manual.string()));
    EXPECT_EQ(OpenAddress(file.toString(QUrl::FullyEncoded).toStdString(), opener),
              OpenResult::Opened);
    EXPECT_EQ(OpenAddress(manual.string(), opener), OpenResult::Opened);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0].toString(), "https://norvane.example.org/");
    EXPECT_EQ(opened[1], file);
    EXPECT_EQ(opened[2], file);
}

TEST(OpenAddress, MissingFilesAndEmptyAddressesNeverReachTheOpener) {
    TempFolder folder;
    const AddressOpener opener = [](const QUrl&) {
        ADD_FAILURE() << "the opener was called";
        return true;
    };
    const QUrl missing =
        QUrl::fromLocalFile(QString::fromStdString((folder.path() / "none.html").string()));
    EXPECT_EQ(OpenAddress(missing.toString().toStdString(), opener), OpenResult::NotFound);
    EXPECT_EQ(OpenAddress("", opener), OpenResult::NotFound);
    EXPECT_EQ(OpenAddress("   ", opener), OpenResult::NotFound);
}

TEST(OpenAddress, WithoutADesktopSessionNothingOpens) {
    // No QGuiApplication exists in this test program.
    EXPECT_EQ(OpenAddress("https://norvane.example.org/", DesktopAddressOpener()),
              OpenResult::NoHandler);
    EXPECT_EQ(OpenAddress("https://norvane.example.org/", [](const QUrl&) { return false; }),
              OpenResult::NoHandler);
}

}  // namespace
}  // namespace tembrel
