// The large display: opening from the Enlarge button, placement and resizing,
// copying with and without a selection, and closing.
#include "ui/model/large_display_model.h"

#include <gtest/gtest.h>

#include "tests/ui/model/window_fixture.h"
#include "ui/model/large_display_opening.h"

namespace tembrel {
namespace {

constexpr TwipsRect kMainWindow{1000, 500, 11565, 8100};

class LargeDisplayTest : public test_support::WindowFixture {
  protected:
    bool Enlarge(const std::string& output) {
        main.txbOutput.text = output;
        return cmdEnlarge_Click(main, kMainWindow, dialogs, window);
    }

    void Select(int start, int length) {
        form.txbOutput.selStart = start;
        form.txbOutput.selLength = length;
    }

    LargeDisplayModel window{context};
    LargeDisplayState& form = window.form;
};

TEST_F(LargeDisplayTest, AnOutputOfSpacesIsEmptyAndOpensNothing) {
    // State: the output holds spaces only. Action: Enlarge.
    // Expected: the message, an emptied output box, the focus in the first date.
    main.focus = MainControl::cmdCompute;
    EXPECT_FALSE(Enlarge("    "));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "The output window is empty.");
    EXPECT_EQ(dialogs.messages[0].title, "Output window");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(main.txbOutput.text, "");
    EXPECT_EQ(main.focus, MainControl::txbFirstDate);
    EXPECT_FALSE(form.visible);
}

TEST_F(LargeDisplayTest, OpensInsideTheMainWindowWithTheTrimmedOutput) {
    main.txbOutput.selStart = 20;
    ASSERT_TRUE(Enlarge("  2009-02-14 CE = 2454877 JDN, Saturday\r\n  "));
    EXPECT_EQ(main.txbOutput.text, "2009-02-14 CE = 2454877 JDN, Saturday\r\n");
    EXPECT_EQ(main.txbOutput.selStart, 20);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(form.txbOutput.text, main.txbOutput.text);
    EXPECT_EQ(form.txbOutput.selLength, 0);
    EXPECT_TRUE(form.txbOutputReadOnly);
    EXPECT_EQ(form.caption, "Enlarge");

    // 380 below and 100 right of the main window, 100 inside its right and
    // bottom edges; the controls follow the size.
    EXPECT_EQ(form.window.top, 880);
    EXPECT_EQ(form.window.left, 1100);
    EXPECT_EQ(form.window.height, 7620);
    EXPECT_EQ(form.window.width, 11365);
    EXPECT_EQ(form.window.left + form.window.width, kMainWindow.left + kMainWindow.width - 100);
    EXPECT_EQ(form.txbOutputPlace.left, 105);
    EXPECT_EQ(form.txbOutputPlace.top, 105);
    EXPECT_EQ(form.txbOutputPlace.width, 11065);
    EXPECT_EQ(form.txbOutputPlace.height, 6290);
    EXPECT_EQ(form.cmdCopyToClipboard.place.top, 6590);
    EXPECT_EQ(form.cmdClose.place.top, 6590);
    EXPECT_EQ(form.cmdClose.place.left, 9430);

    // Activation: the captions of the data file, the copy button for no
    // selection, the focus on Close.
    EXPECT_EQ(form.cmdClose.caption, "Close");
    EXPECT_EQ(form.cmdCopyToClipboard.caption, "Copy to clipboard");
    EXPECT_EQ(form.cmdCopyToClipboard.place.width, 2500);
    EXPECT_TRUE(form.cmdCopyToClipboard.enabled);
    EXPECT_EQ(form.focus, LargeDisplayControl::cmdClose);
}

TEST_F(LargeDisplayTest, EnlargeAgainMovesTheWindowBackAndReplacesTheText) {
    SetLanguage(LanguageCode::German);
    ASSERT_TRUE(Enlarge("first"));
    form.window = {0, 0, 9000, 9000};
    form.windowState = WindowState::Minimized;
    Select(1, 2);
    ASSERT_TRUE(Enlarge("second"));
    EXPECT_EQ(form.windowState, WindowState::Normal);
    EXPECT_EQ(form.window.top, 880);
    EXPECT_EQ(form.window.width, 11365);
    EXPECT_EQ(form.txbOutput.text, "second");
    EXPECT_EQ(form.txbOutput.selLength, 0);
    EXPECT_EQ(form.caption, "Vergrößern");
    EXPECT_EQ(form.cmdClose.caption, "Schliessen");
    EXPECT_EQ(form.cmdCopyToClipboard.caption, "Kopieren in Zwischenablage");
    EXPECT_EQ(form.cmdCopyToClipboard.place.width, 3500);
}

TEST_F(LargeDisplayTest, ResizingKeepsTheMinimumSize) {
    ASSERT_TRUE(Enlarge("text"));
    form.window.width = 5000;
    form.window.height = 2000;
    window.Form_Resize();
    EXPECT_EQ(form.window.width, 6000);
    EXPECT_EQ(form.window.height, 3000);
    EXPECT_EQ(form.txbOutputPlace.width, 5700);
    EXPECT_EQ(form.txbOutputPlace.height, 1670);
    EXPECT_EQ(form.cmdCopyToClipboard.place.top, 1970);
    EXPECT_EQ(form.cmdClose.place.left, 4065);

    // Extreme sizes neither overflow nor go below the minimum.
    form.window.width = INT32_MIN;
    form.window.height = INT32_MAX;
    window.Form_Resize();
    EXPECT_EQ(form.window.width, 6000);
    EXPECT_EQ(form.txbOutputPlace.height, kTwipsLimit);

    // A minimised window is left alone.
    form.windowState = WindowState::Minimized;
    form.window.width = 100;
    window.Form_Resize();
    EXPECT_EQ(form.window.width, 100);
}

TEST_F(LargeDisplayTest, CopiesTheSelectionOrElseTheWholeText) {
    ASSERT_TRUE(Enlarge("line one\r\nline two\r\n"));
    window.cmdCopyToClipboard_Click();
    Select(5, 3);
    window.txbOutput_MouseUp(kLeftButton);
    EXPECT_EQ(form.cmdCopyToClipboard.caption, "Copy selected text to clipboard");
    EXPECT_EQ(form.cmdCopyToClipboard.place.width, 3500);
    window.cmdCopyToClipboard_Click();
    ASSERT_EQ(clipboard.texts.size(), 2u);
    EXPECT_EQ(clipboard.texts[0], "line one\r\nline two\r\n");
    EXPECT_EQ(clipboard.texts[1], "one");
    EXPECT_EQ(form.txbOutput.selStart, 5);
    EXPECT_EQ(form.txbOutput.selLength, 0);
    EXPECT_EQ(form.cmdCopyToClipboard.caption, "Copy to clipboard");
    EXPECT_EQ(form.cmdCopyToClipboard.place.width, 2500);
}

TEST_F(LargeDisplayTest, EnterCopiesOnlyASelection) {
    ASSERT_TRUE(Enlarge("abcdef"));
    int key = kKeyEnter;
    window.txbOutput_KeyPress(key);  // no selection: nothing
    EXPECT_EQ(key, kKeyEnter);
    EXPECT_TRUE(clipboard.texts.empty());

    Select(2, 3);
    key = 'x';
    window.txbOutput_KeyPress(key);
    EXPECT_EQ(key, 'x');
    EXPECT_TRUE(clipboard.texts.empty());
    key = kKeyEnter;
    window.txbOutput_KeyPress(key);
    EXPECT_EQ(key, 0);
    ASSERT_EQ(clipboard.texts.size(), 1u);
    EXPECT_EQ(clipboard.texts[0], "cde");
}

TEST_F(LargeDisplayTest, OnlyTheLeftMouseButtonUpdatesTheCopyButton) {
    ASSERT_TRUE(Enlarge("abcdef"));
    Select(0, 2);
    window.txbOutput_MouseUp(2);
    EXPECT_EQ(form.cmdCopyToClipboard.caption, "Copy to clipboard");
    window.txbOutput_MouseUp(kLeftButton);
    EXPECT_EQ(form.cmdCopyToClipboard.caption, "Copy selected text to clipboard");
}

TEST_F(LargeDisplayTest, CloseAndTheCloseBoxOnlyHide) {
    ASSERT_TRUE(Enlarge("abc"));
    window.cmdClose_Click();
    EXPECT_FALSE(form.visible);
    window.Show();
    window.Form_Unload();
    EXPECT_FALSE(form.visible);
    EXPECT_EQ(form.txbOutput.text, "abc");
}

}  // namespace
}  // namespace tembrel
