// The start-up sequence, the defaults, program selections and the Clear buttons.
#include "tests/ui/model/main_form_fixture.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_layout.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::MainFormTest;
using test_support::PrintTo;

TEST(MainFormBeforeStartUpTest, ShowsTheDesignCaptionAndBlankTodayLabels) {
    // State: a form model just created. Action: none. Expected: caption "Tembrel",
    // today labels empty, captions already from the text table.
    ProgramTexts texts;
    test_support::ScriptedDialogs dialogs;
    test_support::RecordingClipboard clipboard;
    MainForm main(texts, dialogs, clipboard);
    EXPECT_EQ(main.window.caption, "Tembrel");
    EXPECT_EQ(main.Caption(C::lblTodaysDate), "");
    EXPECT_EQ(main.Caption(C::cmdCompute), "Compute");
    EXPECT_FALSE(main.form.blnStartUpCompleted);
}

TEST_F(MainFormTest, FirstRunComesUpWithTheDefaults) {
    // State: start-up without a settings file. Expected: the documented defaults.
    EXPECT_EQ(window.caption, "Tembrel 9.98");
    EXPECT_TRUE(form.blnStartUpCompleted);
    EXPECT_TRUE(main.IsSelected(C::optDateFormatIsYMD));
    EXPECT_TRUE(main.IsSelected(C::optSeparatorIsDash));
    EXPECT_TRUE(main.IsSelected(C::optThousSepIsComma));
    EXPECT_TRUE(main.IsSelected(C::optFirstDateIsCE));
    EXPECT_TRUE(main.IsSelected(C::optSecondDateIsCE));
    EXPECT_TRUE(main.IsSelected(C::optDays));
    EXPECT_EQ(main.CheckValue(C::chkIncludeFirstDate), 0);
    for (const C check : {C::chkIncludeWeekends, C::chkVerbose, C::chkHyphen, C::chkSaveOutput}) {
        EXPECT_EQ(main.CheckValue(check), 1);
    }
    EXPECT_EQ(form.intLanguage, LanguageCode::English);
    EXPECT_EQ(form.focus, MainControl::txbFirstDate);
    EXPECT_EQ(window.intTodayCal, CalendarCode::CE);
    EXPECT_EQ(window.intMaxInputLength, 18);
    EXPECT_TRUE(form.txbFirstDate.text.empty());
    EXPECT_TRUE(form.txbOutput.text.empty());
    EXPECT_EQ(main.Caption(C::lblTodaysDate), "Today is Saturday,\r\n2008-03-15 CE");
    EXPECT_EQ(window.languageEntries, (std::vector<std::string>{"English", "German"}));
    EXPECT_EQ(window.languageIndex, 0);
}

TEST_F(MainFormTest, DefaultSettingsUndoEveryOptionThroughItsHandler) {
    // State: many options changed and fields filled. Action: SetDefaultSettings.
    // Expected: defaults, with the handlers' side effects (captions, visibility).
    main.Click(C::optDateFormatIsMDY);
    main.Click(C::optSeparatorIsSlash);
    main.Click(C::optThousSepNone);
    main.Click(C::optMonths);
    main.Click(C::optFirstDateIsJDN);
    main.CheckBoxClicked(C::chkHyphen, 0);
    main.CheckBoxClicked(C::chkIncludeFirstDate, 1);
    window.intTodayCal = CalendarCode::LPW;
    form.txbFirstDate.text = "2454541";
    form.txbOutput.text = "old\r\n";

    main.SetDefaultSettings();

    EXPECT_EQ(main.Caption(C::optSeparatorIsSlash), "2012/12/31");
    EXPECT_EQ(form.separators.strDateSep, "-");
    EXPECT_EQ(form.separators.strThousSep, ",");
    EXPECT_TRUE(main.IsVisible(C::chkIncludeWeekends));
    EXPECT_TRUE(main.IsSelected(C::optFirstDateIsCE));
    EXPECT_EQ(window.intFirstFieldCal, CalendarCode::CE);
    EXPECT_EQ(main.Caption(C::optFirstDateIsORD), "Ordinal date (yyyy-ddd)");
    EXPECT_EQ(main.CheckValue(C::chkIncludeFirstDate), 0);
    EXPECT_EQ(window.intTodayCal, CalendarCode::CE);
    EXPECT_TRUE(form.txbFirstDate.text.empty());
    EXPECT_TRUE(form.txbOutput.text.empty());
}

TEST_F(MainFormTest, SelectingFromTheProgramRunsTheHandlerOnlyOnAChange) {
    // State: CE selected, the field holds spaces around a date.
    form.txbFirstDate.text = " 2008-01-15 ";
    // Action: the program selects the option that is already selected.
    main.SelectOption(C::optFirstDateIsCE);
    // Expected: no handler, the spaces stay.
    EXPECT_EQ(form.txbFirstDate.text, " 2008-01-15 ");
    // Action: the user clicks it. Expected: its handler trims the field.
    main.Click(C::optFirstDateIsCE);
    EXPECT_EQ(form.txbFirstDate.text, "2008-01-15");

    form.txbFirstDate.text = "2008060";
    main.SetCheckBox(C::chkHyphen, 1);  // already set: no rewrite
    EXPECT_EQ(form.txbFirstDate.text, "2008060");
    main.SetCheckBox(C::chkHyphen, 0);  // cleared: rewrite to the compact form
    EXPECT_EQ(form.txbFirstDate.text, "2008060");
    main.SetCheckBox(C::chkHyphen, 1);
    EXPECT_EQ(form.txbFirstDate.text, "2008-060");
}

TEST_F(MainFormTest, LanguageListFallsBackToEnglishForAnUnlistedLanguage) {
    EXPECT_EQ(main.LanguageListIndex(LanguageCode::German), 1);
    EXPECT_EQ(main.LanguageListIndex(LanguageCode::Spanish), 0);
    UseLanguage(LanguageCode::German);
    main.FillLanguageList();
    EXPECT_EQ(window.languageEntries, (std::vector<std::string>{"Englisch", "Deutsch"}));
    EXPECT_EQ(window.languageIndex, 1);
}

struct ClearCase {
    const char* name;
    C button;
    const char* first;
    const char* diff;
    const char* second;
    MainControl focus;
};

class ClearButtonTest : public MainFormTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearButtonTest, EmptiesItsFieldAndAppliesTheFocusRule) {
    const ClearCase& c = GetParam();
    form.txbFirstDate.text = c.first;
    form.txbDateDiff.text = c.diff;
    form.txbSecondDate.text = c.second;
    main.Click(c.button);
    EXPECT_TRUE(main.TextBox(c.button == C::cmdClearFirstDate  ? C::txbFirstDate
                             : c.button == C::cmdClearDateDiff ? C::txbDateDiff
                                                               : C::txbSecondDate)
                    ->text.empty());
    EXPECT_EQ(form.focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(
    ClearButtons, ClearButtonTest,
    ::testing::Values(
        // Two fields still filled: Compute gets the focus, not the emptied field.
        ClearCase{"FirstWithTwoLeft", C::cmdClearFirstDate, "2008-01-01", "5", "2008-01-06",
                  MainControl::cmdCompute},
        ClearCase{"FirstAlone", C::cmdClearFirstDate, "2008-01-01", "", "",
                  MainControl::txbFirstDate},
        ClearCase{"DiffWithSecond", C::cmdClearDateDiff, "", "5", "2008-01-06",
                  MainControl::txbFirstDate},
        ClearCase{"SecondWithFirst", C::cmdClearSecondDate, "2008-01-01", "", "2008-01-06",
                  MainControl::txbDateDiff},
        ClearCase{"SpacesCountAsFilled", C::cmdClearSecondDate, " ", " ", "x",
                  MainControl::cmdCompute}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainFormTest, ClearingDateFieldsDuringStartUpLeavesTheFocus) {
    // State: start-up running, the focus on Compute. Action: a date order change.
    form.blnStartUpCompleted = false;
    form.focus = MainControl::cmdCompute;
    form.txbFirstDate.text = "2008-05-06";
    main.Click(C::optDateFormatIsDMY);
    // Expected: the fields are empty, the focus stays.
    EXPECT_TRUE(form.txbFirstDate.text.empty());
    EXPECT_EQ(form.focus, MainControl::cmdCompute);
}

TEST_F(MainFormTest, CopyrightLabelShowsTheDateStampTitledWithTheProductName) {
    main.Click(C::lblCopyright);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "80201");
    EXPECT_EQ(dialogs.messages[0].title, "Tembrel");
}

}  // namespace
}  // namespace tembrel
