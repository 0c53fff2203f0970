// The warning shown when an address cannot be opened, from the link labels.
#include "ui/model/browser_message.h"

#include <gtest/gtest.h>

#include "tests/ui/model/main_form_fixture.h"
#include "ui/model/web_addresses.h"

namespace tembrel {
namespace {

TEST(BrowserLaunchMessage, ExplainsWhatWentWrong) {
    EXPECT_EQ(BrowserLaunchMessage(LaunchOutcome::NoHandler,
                                   "https://norvane.example.org/manual/index.HTM"),
              "Error launching web browser, error code = 31.\r\n\r\n"
              "File extension 'htm' is not associated with any application program.");
    EXPECT_EQ(BrowserLaunchMessage(LaunchOutcome::NoHandler, "https://norvane.example.org/"),
              "Error launching web browser, error code = 31.\r\n\r\n"
              "File extension '' is not associated with any application program.")
        << "a bare host address has an empty extension";
    EXPECT_EQ(BrowserLaunchMessage(LaunchOutcome::NotFound, "x"),
              "Error launching web browser, error code = 2.\r\n\r\nPlease try once more.");
    EXPECT_EQ(BrowserLaunchMessage(LaunchOutcome::Opened, "x"), "");
}

class LinkLabels : public test_support::MainFormTest {};

TEST_F(LinkLabels, ARefusedAddressShowsTheWarningAndAnOpenedOneNothing) {
    main.Click(MainWindowControl::lblNorvaneSystems);
    EXPECT_TRUE(dialogs.messages.empty());
    services.outcome = LaunchOutcome::NoHandler;
    main.Click(MainWindowControl::lblOnlineDocumentation);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt,
              "Error launching web browser, error code = 31.\r\n\r\n"
              "File extension 'html' is not associated with any application program.");
    EXPECT_EQ(dialogs.messages[0].title, "Cannot launch web browser");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(services.launched, (std::vector<std::string>{std::string(kMakerHomePage),
                                                           "file:///doc/manual.en.html"}));
}

}  // namespace
}  // namespace tembrel
