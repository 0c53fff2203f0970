// The saved state from one run of the program to the next: the first run, the
// round trip, what restoring options does to the restored fields, files from
// elsewhere and damaged files, and folders that cannot be written.
#include <sys/stat.h>
#include <unistd.h>

#include <array>

#include "tests/ui/model/program_run_fixture.h"
#include "ui/model/form_rules.h"
#include "ui/model/main_layout.h"
#include "ui/model/option_bindings.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::kDefaultSettingsText;
using test_support::PrintTo;
using test_support::ProgramRunTest;

// Builds a settings file's text from its 15 lines (fewer for a short file).
std::string FileOf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

TEST_F(ProgramRunTest, FirstRunComesUpWithTheDefaultsAndQuitWritesThem) {
    // State: no settings file. Action: start, quit.
    MainForm& main = Start();
    // Expected: the folder exists from the start, the defaults are in force, and
    // Quit writes the 15 default lines.
    EXPECT_TRUE(std::filesystem::is_directory(SettingsFolder()));
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
    EXPECT_EQ(main.window.strUserSettingsFile, SettingsFile());
    EXPECT_EQ(main.CurrentUserSettings(), DefaultUserSettings());
    EXPECT_EQ(main.window.caption, "Tembrel 9.98");
    EXPECT_TRUE(main.form.blnStartUpCompleted);
    Quit();
    EXPECT_EQ(FileText(), kDefaultSettingsText);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProgramRunTest, EverythingComesBackAfterQuitAndStart) {
    // State: every value away from its default, with the date order and
    // separator that keep the restored fields.
    MainForm& first = Start();
    first.cboLanguage_Click(1);
    first.Click(C::optThousSepIsDot);
    first.lblToday_MouseUp(kLeftButton);  // the labels' calendar: CE -> ISO
    first.Click(C::optFirstDateIsJDN);
    first.Click(C::optSecondDateIsLPW);
    first.Click(C::optMonths);
    first.CheckBoxClicked(C::chkIncludeFirstDate, 1);
    first.CheckBoxClicked(C::chkIncludeWeekends, 0);
    first.CheckBoxClicked(C::chkVerbose, 0);
    first.CheckBoxClicked(C::chkHyphen, 0);
    first.MonthWindow().optMonday_Click();
    first.MonthWindow().optJulian_Click();
    first.form.txbFirstDate.text = "2454541";
    first.form.txbDateDiff.text = "-12";
    first.form.txbSecondDate.text = "2008-11-6";
    first.form.txbOutput.text = "first line\r\nsecond line\r\n";
    first.form.txbOutput.selStart = 3;
    const UserSettings saved = first.CurrentUserSettings();
    EXPECT_EQ(saved.language, 1);
    EXPECT_EQ(saved.todayCalendar, static_cast<int32_t>(CalendarCode::ISO));
    Quit();

    MainForm& second = Start();
    // Expected: the same values, in German, with the captions, the list and the
    // program texts in German and the output's caret at its end.
    EXPECT_EQ(second.CurrentUserSettings(), saved);
    EXPECT_EQ(second.form.intLanguage, LanguageCode::German);
    EXPECT_EQ(texts.ProgramTextLanguage(), LanguageCode::German);
    EXPECT_EQ(second.Caption(C::cmdQuit), "Beenden");
    // The copy button has its German width from the start, not only after the
    // first click into the output.
    EXPECT_EQ(second.Caption(C::cmdCopyOutput), "Kopieren in Zwischenablage");
    EXPECT_EQ(second.PlaceOf(C::cmdCopyOutput).width, 3500);
    EXPECT_EQ(second.window.languageEntries, (std::vector<std::string>{"Englisch", "Deutsch"}));
    EXPECT_EQ(second.window.languageIndex, 1);
    EXPECT_EQ(second.Caption(C::optFirstDateIsORD), "Ordinaldatum (JJJJTTT)");
    EXPECT_FALSE(second.IsVisible(C::chkIncludeWeekends));
    EXPECT_EQ(second.window.intFirstFieldCal, CalendarCode::JDN);
    EXPECT_EQ(second.window.intSecondFieldCal, CalendarCode::LPW);
    EXPECT_EQ(second.form.txbOutput.selStart, static_cast<int>(saved.output.size()));
    EXPECT_EQ(second.form.txbOutput.selLength, 0);
    EXPECT_EQ(second.form.focus, MainControl::txbFirstDate);
    EXPECT_EQ(second.form.txbFirstDate.selStart, 7);
    EXPECT_NE(second.Caption(C::lblTodaysDate).find("2008W116 ISO"), std::string::npos);
    EXPECT_TRUE(second.MonthWindow().form.optMonday);
    EXPECT_TRUE(second.MonthWindow().form.optJulian);
    Quit();
    // The second run saved exactly what it restored.
    EXPECT_EQ(ParseSettingsText(FileText()).settings, saved);
}

class OptionRoundTripTest : public ProgramRunTest,
                            public ::testing::WithParamInterface<OptionBinding> {};

TEST_P(OptionRoundTripTest, ASelectedOptionIsSelectedAgainAtTheNextStart) {
    const MainWindowControl option = GetParam().id;
    Start().Click(option);
    ASSERT_TRUE(main().IsSelected(option));
    Quit();
    EXPECT_TRUE(Start().IsSelected(option));
}

INSTANTIATE_TEST_SUITE_P(EveryOption, OptionRoundTripTest, ::testing::ValuesIn(OptionBindings()),
                         [](const auto& row) {
                             return std::string(MainControlOf(row.param.id)->name);
                         });

TEST_F(ProgramRunTest, EachCheckBoxComesBackOnItsOwn) {
    constexpr std::array kChecks = {C::chkIncludeFirstDate, C::chkIncludeWeekends, C::chkVerbose,
                                    C::chkHyphen, C::chkSaveOutput};
    const auto defaultOf = [](C check) { return check == C::chkIncludeFirstDate ? 0 : 1; };
    for (const C check : kChecks) {
        WriteFile(kDefaultSettingsText);
        const int16_t changed = defaultOf(check) == 1 ? 0 : 1;
        Start().CheckBoxClicked(check, changed);
        Quit();
        MainForm& next = Start();
        for (const C other : kChecks) {
            EXPECT_EQ(next.CheckValue(other), other == check ? changed : defaultOf(other))
                << MainControlOf(check)->name << " changed, " << MainControlOf(other)->name;
        }
    }
}

TEST_F(ProgramRunTest, SaveOutputClearedSavesEmptyTexts) {
    // State: filled fields and output, "Save results on quit" cleared.
    MainForm& first = Start();
    first.form.txbFirstDate.text = "2008-01-15";
    first.form.txbSecondDate.text = "2008-02-15";
    first.form.txbOutput.text = "report\r\n";
    first.CheckBoxClicked(C::chkSaveOutput, 0);
    Quit();
    // Expected: lines 11 to 14 empty; the next start shows empty fields.
    EXPECT_EQ(FileText(), FileOf({"0", "2,45,44", "0,0,0", "0", "1", "1", "1", "0", "\"Sun\"",
                                  "\"CE\"", "\"\"", "\"\"", "\"\"", "\"\"", "0"}));
    MainForm& second = Start();
    EXPECT_TRUE(second.form.txbFirstDate.text.empty());
    EXPECT_TRUE(second.form.txbSecondDate.text.empty());
    EXPECT_TRUE(second.form.txbOutput.text.empty());
    EXPECT_EQ(second.CheckValue(C::chkSaveOutput), 0);
}

TEST_F(ProgramRunTest, RestoredDateOrderEmptiesTheRestoredFieldsButNotTheOutput) {
    // State: day month year saved with filled fields and an output.
    MainForm& first = Start();
    first.Click(C::optDateFormatIsDMY);
    first.form.txbFirstDate.text = "15-01-2008";
    first.form.txbDateDiff.text = "3";
    first.form.txbOutput.text = "15-01-2008 CE, Tuesday\r\n";
    Quit();
    EXPECT_NE(FileText().find("\"15-01-2008\""), std::string::npos);
    // Action: the next start. Expected: the option is restored, which empties
    // the fields without moving the focus; the output keeps its text.
    MainForm& second = Start();
    EXPECT_TRUE(second.IsSelected(C::optDateFormatIsDMY));
    EXPECT_TRUE(second.form.txbFirstDate.text.empty());
    EXPECT_TRUE(second.form.txbDateDiff.text.empty());
    EXPECT_EQ(second.form.txbOutput.text, "15-01-2008 CE, Tuesday\r\n");
    EXPECT_EQ(second.form.txbOutput.selStart, 24);
    EXPECT_EQ(second.form.focus, MainControl::txbFirstDate);
    EXPECT_EQ(second.Caption(C::optSeparatorIsDash), "31-12-2012");
}

TEST_F(ProgramRunTest, RestoredSeparatorEmptiesTheRestoredFieldsToo) {
    WriteFile(FileOf({"0", "2,47,44", "0,0,0", "0", "1", "1", "1", "1", "\"Sun\"", "\"CE\"",
                      "\"2008/01/15\"", "\"\"", "\"\"", "\"out\r\n\"", "0"}));
    MainForm& main = Start();
    EXPECT_EQ(main.form.separators.strDateSep, "/");
    EXPECT_TRUE(main.form.txbFirstDate.text.empty());
    EXPECT_EQ(main.form.txbOutput.text, "out\r\n");
}

TEST_F(ProgramRunTest, FileOfFourteenLinesKeepsEverythingAndSelectsDays) {
    WriteFile(FileOf({"1", "2,45,46", "6,4,8", "1", "0", "1", "1", "1", "\"Mon\"", "\"JC\"",
                      "\"2008-015\"", "\"7\"", "\"\"", "\"line\r\n\""}));
    MainForm& main = Start();
    EXPECT_EQ(main.form.intLanguage, LanguageCode::German);
    EXPECT_EQ(main.form.separators.strThousSep, ".");
    EXPECT_EQ(main.window.intTodayCal, CalendarCode::ISO);
    EXPECT_TRUE(main.IsSelected(C::optFirstDateIsORD));
    EXPECT_TRUE(main.IsSelected(C::optSecondDateIsLPM));
    EXPECT_EQ(main.CheckValue(C::chkIncludeFirstDate), 1);
    EXPECT_EQ(main.CheckValue(C::chkIncludeWeekends), 0);
    EXPECT_TRUE(main.MonthWindow().form.optMonday);
    EXPECT_TRUE(main.MonthWindow().form.optJulian);
    EXPECT_EQ(main.form.txbFirstDate.text, "2008-015");
    EXPECT_EQ(main.form.txbDateDiff.text, "7");
    EXPECT_EQ(main.form.txbOutput.text, "line\r\n");
    EXPECT_TRUE(main.IsSelected(C::optDays));
}

TEST_F(ProgramRunTest, MonthDisplayTextsMustMatchExactly) {
    // "mon" and "jc" in lower case are not "Mon" and "JC".
    WriteFile(FileOf({"0", "2,45,44", "0,0,0", "0", "1", "1", "1", "1", "\"mon\"", "\"jc\"", "\"\"",
                      "\"\"", "\"\"", "\"\"", "1"}));
    MainForm& main = Start();
    EXPECT_FALSE(main.MonthWindow().form.optMonday);
    EXPECT_FALSE(main.MonthWindow().form.optJulian);
    EXPECT_TRUE(main.IsSelected(C::optMonths));
    Quit();
    EXPECT_NE(FileText().find("\"Sun\"\r\n\"CE\"\r\n"), std::string::npos);
}

TEST_F(ProgramRunTest, NoThousandsSeparatorIsStoredAsZero) {
    Start().Click(C::optThousSepNone);
    Quit();
    EXPECT_EQ(FileText().substr(0, 12), "0\r\n2,45,0\r\n0");
    MainForm& main = Start();
    EXPECT_TRUE(main.IsSelected(C::optThousSepNone));
    EXPECT_EQ(main.form.separators.strThousSep, "");
}

TEST_F(ProgramRunTest, ValuesNoOptionStandsForSelectTheDefaults) {
    // Numbers the program never writes: an unknown language, date order,
    // separators, calendars (AN and NLW have no option), check values and unit.
    WriteFile(FileOf({"7", "9,33,-5", "99,3,5", "2", "-1", "1", "1", "1", "\"Sun\"", "\"CE\"",
                      "\"\"", "\"\"", "\"\"", "\"\"", "3"}));
    MainForm& main = Start();
    EXPECT_EQ(main.CurrentUserSettings(), [] {
        UserSettings expected = DefaultUserSettings();
        expected.chkIncludeWeekends = 0;
        return expected;
    }());
    EXPECT_EQ(main.window.languageIndex, 0);
    EXPECT_EQ(main.Caption(C::cmdQuit), "Quit");
}

struct DamagedCase {
    const char* name;
    std::string bytes;
};

class DamagedFileTest : public ProgramRunTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFileTest, GivesTheDefaultsWithoutAMessage) {
    // State: a damaged settings file. Action: start, then quit.
    WriteFile(GetParam().bytes);
    MainForm& main = Start();
    // Expected: the defaults, no message; Quit replaces the file with them.
    EXPECT_EQ(main.CurrentUserSettings(), DefaultUserSettings());
    EXPECT_EQ(main.Caption(C::cmdQuit), "Quit");
    EXPECT_TRUE(main.form.blnStartUpCompleted);
    EXPECT_TRUE(dialogs.messages.empty());
    Quit();
    EXPECT_EQ(FileText(), kDefaultSettingsText);
}

std::string BinaryGarbage() {
    std::string bytes;
    uint32_t state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 24);
    }
    return bytes;
}

std::string HugeFile() {
    // A valid start followed by an output far beyond what the reader takes.
    std::string bytes = FileOf({"1", "0,46,46", "0,0,0", "0", "1", "1", "1", "1", "\"Mon\"",
                                "\"JC\"", "\"\"", "\"\"", "\"\""});
    bytes += '"';
    bytes.append(kMaxSettingsFileBytes + 1, 'x');
    bytes += "\"\r\n0\r\n";
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    DamagedFiles, DamagedFileTest,
    ::testing::Values(
        DamagedCase{"Empty", ""}, DamagedCase{"BinaryGarbage", BinaryGarbage()},
        DamagedCase{"WordsInsteadOfNumbers",
                    FileOf({"English", "ymd,-,comma", "CE,CE,CE", "0", "1", "1", "1", "1",
                            "\"Sun\"", "\"CE\"", "\"\"", "\"\"", "\"\"", "\"\"", "0"})},
        DamagedCase{"NumberBeyondThirtyTwoBits",
                    FileOf({"1", "2,45,99999999999", "0,0,0", "0", "1", "1", "1", "1", "\"Sun\"",
                            "\"CE\"", "\"\"", "\"\"", "\"\"", "\"\"", "0"})},
        DamagedCase{"QuoteNeverCloses",
                    FileOf({"1", "0,46,46", "0,0,0", "0", "1", "1", "1", "1", "\"Sun\"", "\"CE\"",
                            "\"\"", "\"\"", "\"\"", "\"2008-01-15 CE", "0"})},
        DamagedCase{"SevenLines", FileOf({"1", "0,46,46", "0,0,0", "0", "1", "1", "1"})},
        DamagedCase{"HugeFile", HugeFile()}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ProgramRunTest, SettingsFolderInTheWayOfAFileDoesNotStopQuit) {
    // State: a plain file where the settings folder belongs, so that the folder
    // cannot be created and nothing can be written, whoever runs the test.
    std::filesystem::create_directories(config_);
    std::ofstream(SettingsFolder()) << "not a folder";
    MainForm& main = Start();
    main.Click(C::optMonths);
    // Action: Quit. Expected: it returns, shows nothing, and the file is as it was.
    EXPECT_FALSE(main.WriteUserSettings());
    Quit();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(SettingsFolder()));
    EXPECT_EQ(Start().CurrentUserSettings(), DefaultUserSettings());
}

TEST_F(ProgramRunTest, ReadOnlySettingsFolderKeepsTheFormerFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes into read-only folders";
    }
    WriteFile(kDefaultSettingsText);
    MainForm& main = Start();
    main.Click(C::optMonths);
    ASSERT_EQ(::chmod(SettingsFolder().c_str(), 0500), 0);
    Quit();
    ::chmod(SettingsFolder().c_str(), 0700);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(FileText(), kDefaultSettingsText);
}

TEST_F(ProgramRunTest, ProgramTextsStayEnglishUntilTheSavedLanguageIsApplied) {
    WriteFile(FileOf({"1", "2,45,44", "0,0,0", "0", "1", "1", "1", "1", "\"Sun\"", "\"CE\"", "\"\"",
                      "\"\"", "\"\"", "\"\"", "0"}));
    MainForm main(texts, dialogs, clipboard, ProgramVersion{"9.98"}, &services);
    main.SetMainWindowCaption();
    main.InitialiseMainWindow();
    main.AfterShow();
    main.ReadUserSettings();
    // The saved language is read, but captions and program texts wait for it.
    EXPECT_EQ(main.form.intLanguage, LanguageCode::German);
    EXPECT_EQ(texts.ProgramTextLanguage(), LanguageCode::English);
    EXPECT_EQ(main.Caption(C::cmdQuit), "Quit");
    EXPECT_FALSE(main.form.blnStartUpCompleted);
    main.FinishStartUp();
    EXPECT_EQ(texts.ProgramTextLanguage(), LanguageCode::German);
    EXPECT_EQ(main.Caption(C::cmdQuit), "Beenden");
    EXPECT_TRUE(main.form.blnStartUpCompleted);
    EXPECT_EQ(main.window.caption, "Tembrel 9.98");
}

}  // namespace
}  // namespace tembrel
