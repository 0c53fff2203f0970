// Reset with its question, and the labels that open the maker's home page and
// the manual.
#include "tests/ui/model/program_run_fixture.h"
#include "text/program_text_numbers.h"
#include "ui/model/web_addresses.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::kDefaultSettingsText;
using test_support::ProgramRunTest;

// Changes options, check boxes, fields and the month window's options.
void ChangeEverything(MainForm& main) {
    main.Click(C::optDateFormatIsMDY);
    main.Click(C::optThousSepNone);
    main.Click(C::optFirstDateIsISO);
    main.Click(C::optMonths);
    main.CheckBoxClicked(C::chkVerbose, 0);
    main.lblToday_MouseUp(kLeftButton);
    main.MonthWindow().optMonday_Click();
    main.MonthWindow().optJulian_Click();
    main.form.txbFirstDate.text = "2008-W03-2";
    main.form.txbOutput.text = "report\r\n";
}

TEST_F(ProgramRunTest, ResetAsksWithProgramTextsAndTheButtonsCaption) {
    MainForm& main = Start();
    main.Click(C::cmdReset);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], texts.ProgramText(program_text::kResetWhatItDoes) + "\r\n" +
                                        texts.ProgramText(program_text::kResetSettingsFile) +
                                        "\r\n\r\n" +
                                        texts.ProgramText(program_text::kResetConfirm));
    EXPECT_EQ(dialogs.questionTitles[0], "Reset");
}

TEST_F(ProgramRunTest, ResetAnsweredNoChangesNothing) {
    WriteFile(kDefaultSettingsText);
    MainForm& main = Start();
    ChangeEverything(main);
    const UserSettings before = main.CurrentUserSettings();
    dialogs.yesNoAnswer = false;
    main.Click(C::cmdReset);
    EXPECT_EQ(main.CurrentUserSettings(), before);
    EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
}

TEST_F(ProgramRunTest, ResetAnsweredYesDeletesTheFileAndQuitWritesTheDefaults) {
    WriteFile(kDefaultSettingsText);
    MainForm& main = Start();
    ChangeEverything(main);
    dialogs.yesNoAnswer = true;
    main.Click(C::cmdReset);
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
    EXPECT_EQ(main.CurrentUserSettings(), DefaultUserSettings());
    EXPECT_TRUE(main.IsVisible(C::chkIncludeWeekends));
    EXPECT_EQ(main.form.focus, MainControl::txbFirstDate);
    Quit();
    EXPECT_EQ(FileText(), kDefaultSettingsText);
}

TEST_F(ProgramRunTest, ResetInGermanKeepsTheCaptionsUntilALanguageIsChosen) {
    // State: German chosen. Action: Reset, Yes. Expected: the language is English
    // in the settings, but captions, list and program texts stay German.
    MainForm& main = Start();
    main.cboLanguage_Click(1);
    dialogs.yesNoAnswer = true;
    main.Click(C::cmdReset);
    EXPECT_EQ(dialogs.questionTitles.back(), "Rückstellen");
    EXPECT_EQ(main.form.intLanguage, LanguageCode::English);
    EXPECT_EQ(main.Caption(C::cmdQuit), "Beenden");
    EXPECT_EQ(main.window.languageEntries[0], "Englisch");
    EXPECT_EQ(texts.ProgramTextLanguage(), LanguageCode::German);
    // Choosing English switches the window to what the setting already says.
    main.cboLanguage_Click(0);
    EXPECT_EQ(main.Caption(C::cmdQuit), "Quit");
    EXPECT_EQ(texts.ProgramTextLanguage(), LanguageCode::English);
    main.cboLanguage_Click(1);
    EXPECT_EQ(main.Caption(C::cmdQuit), "Beenden");
    EXPECT_EQ(main.form.intLanguage, LanguageCode::German);
}

TEST_F(ProgramRunTest, ResetWithoutASettingsFileIsNoError) {
    MainForm& main = Start();
    dialogs.yesNoAnswer = true;
    main.Click(C::cmdReset);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(main.CurrentUserSettings(), DefaultUserSettings());
}

TEST_F(ProgramRunTest, MakerLabelOpensTheHomePage) {
    Start().Click(C::lblNorvaneSystems);
    EXPECT_EQ(services.launched, (std::vector<std::string>{std::string(kMakerHomePage)}));
}

TEST_F(ProgramRunTest, DocumentationLabelOpensTheManualInTheCurrentLanguage) {
    MainForm& main = Start();
    main.Click(C::lblOnlineDocumentation);
    main.cboLanguage_Click(1);
    main.Click(C::lblOnlineDocumentation);
    ASSERT_EQ(services.launched.size(), 2u);
    EXPECT_TRUE(services.launched[0].starts_with("file:///")) << services.launched[0];
    EXPECT_TRUE(services.launched[0].ends_with("/manual.en.html")) << services.launched[0];
    EXPECT_TRUE(services.launched[1].ends_with("/manual.de.html")) << services.launched[1];
}

}  // namespace
}  // namespace tembrel
