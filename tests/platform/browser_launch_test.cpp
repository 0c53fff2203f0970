// Opening addresses: the results of a launch and the warning the user sees.
#include "platform/browser_launch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using test_support::TempFolder;

// Records the messages instead of showing them.
struct RecordedDialogs : UserDialogs {
    struct Message {
        std::string prompt;
        std::string title;
        MessageIcon icon;
    };
    std::vector<Message> messages;

    void ShowMessage(std::string_view prompt, std::string_view title, MessageIcon icon) override {
        messages.push_back({std::string(prompt), std::string(title), icon});
    }
    void ShowClearOneTextBox(ClearOneFieldDialog&) override { ADD_FAILURE(); }
    bool AskYesNo(std::string_view, std::string_view) override {
        ADD_FAILURE();
        return false;
    }
};

TEST(BrowserLaunchMessage, ExplainsTheThreeKnownCodes) {
    EXPECT_EQ(BrowserLaunchMessage(31, "https://norvane.example.org/manual/index.HTM"),
              "Error launching web browser, error code = 31.\r\n\r\n"
              "File extension 'htm' is not associated with any application program.");
    EXPECT_EQ(BrowserLaunchMessage(8, "x"),
              "Error launching web browser, error code = 8.\r\n\r\nOut of memory.");
    EXPECT_EQ(BrowserLaunchMessage(2, "x"),
              "Error launching web browser, error code = 2.\r\n\r\nPlease try once more.");
    EXPECT_EQ(BrowserLaunchMessage(5, "x"), "Error launching web browser, error code = 5.");
}

TEST(BrowserLaunchMessage, ABareHostAddressHasAnEmptyExtension) {
    EXPECT_EQ(BrowserLaunchMessage(31, "https://norvane.example.org/"),
              "Error launching web browser, error code = 31.\r\n\r\n"
              "File extension '' is not associated with any application program.");
}

TEST(OpenAddress, HandsWebAddressesAndExistingFilesToTheOpener) {
    TempFolder folder;
    const std::filesystem::path manual = folder.Write("manual.en.html", "<html></html>");
    std::vector<QUrl> opened;
    const AddressOpener opener = [&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    EXPECT_EQ(OpenAddress("https://norvane.example.org/", opener), kLaunchSucceeded);
    const QUrl file = QUrl::fromLocalFile(QString::fromStdString(manual.string()));
    EXPECT_EQ(OpenAddress(file.toString(QUrl::FullyEncoded).toStdString(), opener),
              kLaunchSucceeded);
    EXPECT_EQ(OpenAddress(manual.string(), opener), kLaunchSucceeded);
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
    EXPECT_EQ(OpenAddress(missing.toString().toStdString(), opener), kLaunchFileNotFound);
    EXPECT_EQ(OpenAddress("", opener), kLaunchFileNotFound);
    EXPECT_EQ(OpenAddress("   ", opener), kLaunchFileNotFound);
}

TEST(LaunchBrowser, ARefusedAddressShowsTheWarning) {
    RecordedDialogs dialogs;
    LaunchBrowser("https://norvane.example.org/index.php", dialogs,
                  [](const QUrl&) { return false; });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt,
              "Error launching web browser, error code = 31.\r\n\r\n"
              "File extension 'php' is not associated with any application program.");
    EXPECT_EQ(dialogs.messages[0].title, "Cannot launch web browser");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
}

TEST(LaunchBrowser, AnOpenedAddressShowsNothing) {
    RecordedDialogs dialogs;
    LaunchBrowser("https://norvane.example.org/", dialogs, [](const QUrl&) { return true; });
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(LaunchBrowser, WithoutADesktopSessionNothingOpensAndTheWarningShows) {
    // No QGuiApplication exists in this test program.
    RecordedDialogs dialogs;
    LaunchBrowser("https://norvane.example.org/", dialogs);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(
        dialogs.messages[0].prompt.starts_with("Error launching web browser, error code = 31."));
}

}  // namespace
}  // namespace tembrel
