// The output box: the copy button, Enter-to-copy, mouse-up and Clear.
#include "tests/ui/model/main_form_fixture.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::MainFormTest;
using test_support::PrintTo;

struct CopyButtonCase {
    const char* name;
    LanguageCode language;
    int selection;
    const char* caption;
    int32_t width;
};

class CopyButtonTest : public MainFormTest, public ::testing::WithParamInterface<CopyButtonCase> {};

TEST_P(CopyButtonTest, CaptionAndWidthFollowTheSelectionAndLanguage) {
    const CopyButtonCase& c = GetParam();
    UseLanguage(c.language);
    form.txbOutput.text = "2008-01-15 CE, Tuesday\r\n";
    form.txbOutput.selStart = 0;
    form.txbOutput.selLength = c.selection;
    main.SetCopyButton();
    EXPECT_EQ(main.Caption(C::cmdCopyOutput), c.caption);
    EXPECT_EQ(main.PlaceOf(C::cmdCopyOutput).width, c.width);
    EXPECT_EQ(main.PlaceOf(C::cmdCopyOutput).left, 2940);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CopyButtonTest,
    ::testing::Values(
        CopyButtonCase{"EnglishAll", LanguageCode::English, 0, "Copy to clipboard", 2500},
        CopyButtonCase{"EnglishSelection", LanguageCode::English, 4,
                       "Copy selected text to clipboard", 3750},
        CopyButtonCase{"GermanAll", LanguageCode::German, 0, "Kopieren in Zwischenablage", 3500},
        CopyButtonCase{"GermanSelection", LanguageCode::German, 4,
                       "Kopieren ausgewählter Text in Zwischenablage", 4700}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainFormTest, OtherLanguagesUseTheirOwnWidths) {
    form.intLanguage = LanguageCode::Spanish;
    main.SetCopyButton();
    EXPECT_EQ(window.cmdCopyOutputWidth, 3000);
    form.txbOutput.text = "abc";
    form.txbOutput.selLength = 1;
    main.SetCopyButton();
    EXPECT_EQ(window.cmdCopyOutputWidth, 4700);
}

TEST_F(MainFormTest, CopyWithASelectionCopiesOnlyItAndRemovesIt) {
    // State: a selection in the output, the button showing it.
    form.txbOutput.text = "2008-01-15 CE, Tuesday\r\n";
    form.txbOutput.selStart = 11;
    form.txbOutput.selLength = 2;
    main.txbOutput_MouseUp(kLeftButton);
    ASSERT_EQ(window.cmdCopyOutputWidth, 3750);
    // Action: click the copy button. Expected: exactly the selection on the
    // clipboard, no selection, the caret where it began, the plain caption.
    main.Click(C::cmdCopyOutput);
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"CE"}));
    EXPECT_EQ(form.txbOutput.selLength, 0);
    EXPECT_EQ(form.txbOutput.selStart, 11);
    EXPECT_EQ(main.Caption(C::cmdCopyOutput), "Copy to clipboard");
    EXPECT_EQ(window.cmdCopyOutputWidth, 2500);
}

TEST_F(MainFormTest, CopyWithoutASelectionCopiesTheWholeTextWithItsLineEnds) {
    form.txbOutput.text = "one\r\ntwo\r\n";
    main.cmdCopyOutput_Click();
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"one\r\ntwo\r\n"}));
}

TEST_F(MainFormTest, CopyOfAnEmptyOutputPutsAnEmptyText) {
    main.cmdCopyOutput_Click();
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{""}));
}

TEST_F(MainFormTest, EnterInTheOutputCopiesOnlyWithASelection) {
    form.txbOutput.text = "2008-01-15 CE, Tuesday\r\n";
    int key = 13;
    main.txbOutput_KeyPress(key);
    EXPECT_EQ(key, 13);
    EXPECT_TRUE(clipboard.texts.empty());

    form.txbOutput.selStart = 0;
    form.txbOutput.selLength = 10;
    key = 'x';
    main.txbOutput_KeyPress(key);
    EXPECT_EQ(key, 'x');
    key = 13;
    main.txbOutput_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"2008-01-15"}));
    EXPECT_EQ(form.txbOutput.selLength, 0);
}

TEST_F(MainFormTest, AnyMouseButtonReleaseUpdatesTheCopyButton) {
    form.txbOutput.text = "abc";
    form.txbOutput.selLength = 2;
    main.txbOutput_MouseUp(kRightButton);
    EXPECT_EQ(main.Caption(C::cmdCopyOutput), "Copy selected text to clipboard");
    form.txbOutput.selLength = 0;
    main.txbOutput_MouseUp(kMiddleButton);
    EXPECT_EQ(main.Caption(C::cmdCopyOutput), "Copy to clipboard");
}

TEST_F(MainFormTest, ClearEmptiesTheOutputAndResetsTheCopyButton) {
    form.txbOutput.text = "abc\r\n";
    form.txbOutput.selLength = 3;
    main.txbOutput_MouseUp(kLeftButton);
    form.txbFirstDate.text = "2008-01-01";
    main.Click(C::cmdClearOutputWindow);
    EXPECT_TRUE(form.txbOutput.text.empty());
    EXPECT_EQ(form.txbOutput.selLength, 0);
    EXPECT_EQ(main.Caption(C::cmdCopyOutput), "Copy to clipboard");
    EXPECT_EQ(form.focus, MainControl::txbDateDiff);
    // Clear on an empty box keeps it empty and still places the focus.
    form.focus = MainControl::None;
    main.Click(C::cmdClearOutputWindow);
    EXPECT_TRUE(form.txbOutput.text.empty());
    EXPECT_EQ(form.focus, MainControl::txbDateDiff);
}

TEST_F(MainFormTest, ComputeLeavesNoStaleSelectionCaption) {
    // State: a selection shown on the copy button. Action: Compute, which puts
    // the caret after the new report. Expected: the button offers the whole text.
    form.txbOutput.text = "abc\r\n";
    form.txbOutput.selLength = 3;
    main.txbOutput_MouseUp(kLeftButton);
    form.txbFirstDate.text = "2008-01-15";
    main.Click(C::cmdCompute);
    EXPECT_EQ(form.txbOutput.text, "abc\r\n2008-01-15 CE, Tuesday\r\n");
    EXPECT_EQ(main.Caption(C::cmdCopyOutput), "Copy to clipboard");
}

TEST_F(MainFormTest, ComputeWithThreeFieldsAsksWhichFieldToClear) {
    form.txbFirstDate.text = "2008-01-15";
    form.txbDateDiff.text = "99";
    form.txbSecondDate.text = "2008-01-25";
    dialogs.clearAnswer = ClearChoice::DateDiff;
    main.Click(C::cmdCompute);
    EXPECT_EQ(dialogs.clearDialogShown, 1);
    EXPECT_EQ(form.txbDateDiff.text, "10");
    EXPECT_EQ(form.focus, MainControl::cmdCompute);
}

}  // namespace
}  // namespace tembrel
