// The help window: placement over the main window, the layout rules and the
// minimum size, minimising, closing and the language.
#include "ui/model/help_window_model.h"

#include <gtest/gtest.h>

#include "tests/ui/model/window_fixture.h"

namespace tembrel {
namespace {

constexpr TwipsRect kMainWindow{1000, 500, 11565, 8100};
const HelpAddresses kAddresses = DefaultHelpAddresses("file:///en", "file:///de");

class HelpWindowTest : public test_support::WindowFixture {
  protected:
    void Help(const TwipsRect& mainWindow = kMainWindow) {
        cmdHelp_Click(window, mainWindow, HelpAnchor{});
    }

    HelpWindowModel window{main, kAddresses};
    HelpWindowState& form = window.form;
};

TEST_F(HelpWindowTest, OpensOverTheLowerPartOfTheMainWindow) {
    Help();
    EXPECT_TRUE(form.loaded);
    EXPECT_TRUE(form.visible);
    // From today's date label down to 100 twips below the main window.
    EXPECT_EQ(form.window.top, 1365 + 500 + 1430);
    EXPECT_EQ(form.window.left, 1000);
    EXPECT_EQ(form.window.width, 11565);
    EXPECT_EQ(form.window.height, 8100 + 500 - 3295 + 100);
    EXPECT_EQ(form.window.top + form.window.height, kMainWindow.top + kMainWindow.height + 100);

    EXPECT_EQ(form.caption, "Tembrel Help");
    EXPECT_EQ(form.cmdCloseCaption, "Close");
    EXPECT_EQ(form.txbMsg, HelpText(LanguageCode::English, kAddresses));
    EXPECT_EQ(form.txbMsgSelStart, 0);
    EXPECT_EQ(form.txbMsgPlace.left, 200);
    EXPECT_EQ(form.txbMsgPlace.top, 100);
    EXPECT_EQ(form.txbMsgPlace.width, 11565 - 450);
    EXPECT_EQ(form.txbMsgPlace.height, 5405 - 1200);
    EXPECT_EQ(form.cmdClosePlace.top, 100 + 4205 + 100);
    EXPECT_EQ(form.cmdClosePlace.left, (11115 - 1425) / 2 + 200);
}

TEST_F(HelpWindowTest, ResizingKeepsTheMinimumSize) {
    Help();
    form.window.width = 3000;
    form.window.height = 100;
    window.Form_Resize();
    EXPECT_EQ(form.window.width, 4000);
    EXPECT_EQ(form.window.height, 4000);
    EXPECT_EQ(form.txbMsgPlace.width, 3550);
    EXPECT_EQ(form.txbMsgPlace.height, 2900);
    EXPECT_EQ(form.cmdClosePlace.top, 3100);
    EXPECT_EQ(form.cmdClosePlace.left, 1262);

    form.windowState = WindowState::Minimized;
    form.window.width = 10;
    window.Form_Resize();
    EXPECT_EQ(form.window.width, 10);
}

TEST_F(HelpWindowTest, HelpRestoresAMinimisedWindowWithoutMovingIt) {
    Help();
    form.window.left = 42;
    form.windowState = WindowState::Minimized;
    Help({0, 0, 5000, 5000});
    EXPECT_EQ(form.windowState, WindowState::Normal);
    EXPECT_EQ(form.window.left, 42);
    EXPECT_EQ(form.window.width, 11565);
}

TEST_F(HelpWindowTest, AMaximisedWindowKeepsItsLayout) {
    Help();
    form.windowState = WindowState::Maximized;
    form.visible = false;
    form.txbMsgPlace.width = 20000;
    SetLanguage(LanguageCode::German);
    window.Form_Activate();
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(form.windowState, WindowState::Maximized);
    EXPECT_EQ(form.txbMsgPlace.width, 20000);
    EXPECT_EQ(form.caption, "Tembrel Hilfe");
}

TEST_F(HelpWindowTest, CloseHidesAndTheCloseBoxDiscards) {
    Help();
    form.window.left = 42;
    main.focus = MainControl::cmdHelp;
    window.cmdClose_Click();
    EXPECT_FALSE(form.visible);
    EXPECT_EQ(main.focus, MainControl::txbFirstDate);
    // Shown again where the user left it, in the language now chosen.
    SetLanguage(LanguageCode::German);
    Help();
    EXPECT_EQ(form.window.left, 42);
    EXPECT_EQ(form.caption, "Tembrel Hilfe");
    EXPECT_EQ(form.cmdCloseCaption, "Schliessen");
    EXPECT_EQ(form.txbMsg, HelpText(LanguageCode::German, kAddresses));
    // The close box discards it; the next Help places it again.
    window.Form_Unload();
    EXPECT_FALSE(form.visible);
    EXPECT_FALSE(form.loaded);
    Help();
    EXPECT_EQ(form.window.left, 1000);
}

}  // namespace
}  // namespace tembrel
