// The working days of the window: the dialog's model, the choice put in force
// (captions, counts, the month window's marks), and the file that keeps it
// from one run to the next.
#include "ui/model/working_days_dialog.h"

#include <fstream>

#include "holidays/holiday_data_file.h"
#include "settings/working_days_file.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/model/main_form_fixture.h"
#include "tests/ui/model/program_run_fixture.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using D = WorkingDaysControl;
using holidays::WorkingDaysChoice;
using test_support::MainFormTest;
using test_support::ProgramRunTest;
using test_support::ScriptedDialogs;

const holidays::HolidayData& Rules() {
    static const holidays::HolidayData rules = [] {
        holidays::FileError error;
        return holidays::LoadHolidayData(TEMBREL_HOLIDAY_DATA_FILE, error).value();
    }();
    return rules;
}

// A builder that refuses every choice with regions, as a missing rule file does.
std::shared_ptr<const holidays::WorkingDays> Build(const WorkingDaysChoice& choice,
                                                   std::string& message) {
    holidays::SetupError error;
    auto built = holidays::BuildWorkingDays(choice, Rules(), error);
    if (!built) {
        message = holidays::DescribeSetupError(error, holidays::NameLanguage::English);
    }
    return built;
}

int RegionPosition(const WorkingDaysDialogModel& dialog, std::string_view code) {
    const auto& entries = dialog.form.regionEntries;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].starts_with(std::string(code) + " ")) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

class WorkingDaysDialogTest : public ::testing::Test {
  protected:
    WorkingDaysDialogModel Open(const WorkingDaysChoice& choice,
                                LanguageCode language = LanguageCode::English) {
        return WorkingDaysDialogModel(choice, &Rules(), language, dialogs, Build);
    }
    ScriptedDialogs dialogs;
};

TEST_F(WorkingDaysDialogTest, ShowsTheChoiceMondayFirstAndGivesItBack) {
    WorkingDaysChoice choice;
    choice.weekend = holidays::Weekend::FromMask(0x60);  // Friday and Saturday
    choice.regions = {"de-by"};
    choice.holidayFiles = {"/a.ics", "/b.txt"};
    choice.workdayFiles = {"/c.txt"};
    const WorkingDaysDialogModel dialog = Open(choice);
    EXPECT_EQ(dialog.form.weekend,
              (std::array<bool, 7>{false, false, false, false, true, true, false}));
    EXPECT_EQ(dialog.Caption(WeekdayCheckBox(0)), "Monday");
    EXPECT_EQ(dialog.Caption(WeekdayCheckBox(6)), "Sunday");
    EXPECT_EQ(dialog.form.regionEntries.front(), "None");
    EXPECT_EQ(dialog.form.regionEntries.size(), 31u) << "none and the 30 regions";
    EXPECT_EQ(dialog.form.regionEntries[static_cast<size_t>(dialog.form.regionIndex)],
              "DE-BY \xE2\x80\x93 Bavaria");
    EXPECT_EQ(dialog.form.holidayFiles.entries, choice.holidayFiles);
    EXPECT_FALSE(dialog.IsEnabled(D::cmdRemoveHolidayFile)) << "nothing selected yet";
    WorkingDaysChoice expected = choice;
    expected.regions = {"DE-BY"};
    EXPECT_EQ(dialog.Choice(), expected);

    const WorkingDaysDialogModel german = Open(choice, LanguageCode::German);
    EXPECT_EQ(german.Caption(D::frmWorkingDays), "Arbeitstage");
    EXPECT_EQ(german.Caption(WeekdayCheckBox(0)), "Montag");
    EXPECT_EQ(german.form.regionEntries[static_cast<size_t>(german.form.regionIndex)],
              "DE-BY \xE2\x80\x93 Bayern");
}

TEST_F(WorkingDaysDialogTest, KeepsSeveralOrUnknownRegionsUntilAnotherIsChosen) {
    for (const std::vector<std::string>& regions :
         {std::vector<std::string>{"DE-BY", "AT"}, std::vector<std::string>{"XX"}}) {
        WorkingDaysChoice choice;
        choice.regions = regions;
        WorkingDaysDialogModel dialog = Open(choice);
        EXPECT_EQ(dialog.form.regionIndex, 1);
        EXPECT_EQ(dialog.form.regionEntries[1], holidays::FormatRegionList(regions));
        EXPECT_EQ(dialog.Choice().regions, regions);
        dialog.cboRegion_Click(RegionPosition(dialog, "US"));
        EXPECT_EQ(dialog.Choice().regions, std::vector<std::string>{"US"});
        dialog.cboRegion_Click(0);
        EXPECT_TRUE(dialog.Choice().regions.empty());
        dialog.cboRegion_Click(99);
        EXPECT_EQ(dialog.form.regionIndex, 0) << "a position beyond the list changes nothing";
    }
}

TEST_F(WorkingDaysDialogTest, EditsTheWeekendAndBothFileLists) {
    WorkingDaysDialogModel dialog = Open({});
    dialog.chkWeekday_Click(5, false);  // Saturday off the weekend
    dialog.chkWeekday_Click(4, true);   // Friday on it
    dialog.chkWeekday_Click(7, true);   // no such box
    EXPECT_EQ(dialog.Choice().weekend, holidays::Weekend::FromMask(0x21));

    for (const std::string path : {"/one.txt", "", "/two.ics", "/one.txt", "/three.txt"}) {
        dialog.AddHolidayFile(path);
    }
    EXPECT_EQ(dialog.form.holidayFiles.entries,
              (std::vector<std::string>{"/one.txt", "/two.ics", "/three.txt"}));
    EXPECT_EQ(dialog.form.holidayFiles.listIndex, 2) << "the file added last is selected";
    dialog.lstHolidayFiles_Click(1);
    dialog.cmdRemoveHolidayFile_Click();
    EXPECT_EQ(dialog.form.holidayFiles.entries,
              (std::vector<std::string>{"/one.txt", "/three.txt"}));
    EXPECT_EQ(dialog.form.holidayFiles.listIndex, 1) << "the line after it is selected";
    dialog.cmdRemoveHolidayFile_Click();
    EXPECT_EQ(dialog.form.holidayFiles.listIndex, 0) << "the last line gone, the one before";
    dialog.cmdRemoveHolidayFile_Click();
    EXPECT_EQ(dialog.form.holidayFiles.listIndex, -1);
    EXPECT_FALSE(dialog.IsEnabled(D::cmdRemoveHolidayFile));
    dialog.cmdRemoveHolidayFile_Click();  // nothing left: nothing happens

    dialog.AddWorkdayFile("/saturdays.txt");
    EXPECT_TRUE(dialog.IsEnabled(D::cmdRemoveWorkdayFile));
    EXPECT_EQ(dialog.Choice().workdayFiles, std::vector<std::string>{"/saturdays.txt"});
    dialog.lstWorkdayFiles_Click(-1);
    EXPECT_FALSE(dialog.IsEnabled(D::cmdRemoveWorkdayFile));
}

TEST_F(WorkingDaysDialogTest, OkBuildsTheChoiceOrSaysWhyNotAndStays) {
    const test_support::TempFolder folder;
    WorkingDaysDialogModel dialog = Open({});
    dialog.AddHolidayFile((folder.path() / "gone.txt").string());
    EXPECT_FALSE(dialog.cmdOK_Click());
    EXPECT_FALSE(dialog.form.accepted);
    EXPECT_EQ(dialog.Built(), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt,
              (folder.path() / "gone.txt").string() + " cannot be opened");
    EXPECT_EQ(dialogs.messages[0].title, "Error!");

    dialog.cmdRemoveHolidayFile_Click();
    dialog.cboRegion_Click(RegionPosition(dialog, "GB"));
    EXPECT_TRUE(dialog.cmdOK_Click());
    EXPECT_TRUE(dialog.form.accepted);
    ASSERT_NE(dialog.Built(), nullptr);
    EXPECT_EQ(dialog.Built()->holidaySources, std::vector<std::string>{"GB"});
    dialog.cmdCancel_Click();
    EXPECT_FALSE(dialog.form.accepted);
}

// Chooses in the dialog as a user would: the weekend days, a region, OK.
std::function<void(WorkingDaysDialogModel&)> Choose(std::vector<int> weekendMondayFirst,
                                                    std::string region) {
    return [weekendMondayFirst, region](WorkingDaysDialogModel& dialog) {
        for (int day = 0; day < 7; ++day) {
            dialog.chkWeekday_Click(
                day, std::find(weekendMondayFirst.begin(), weekendMondayFirst.end(), day) !=
                         weekendMondayFirst.end());
        }
        dialog.cboRegion_Click(region.empty() ? 0 : RegionPosition(dialog, region));
        dialog.cmdOK_Click();
    };
}

TEST_F(MainFormTest, TheChosenRegionShowsInTheCaptionAndCountsInTheEngine) {
    EXPECT_EQ(main.Caption(C::chkIncludeWeekends), "Count weekend days in days-between-dates");
    EXPECT_EQ(main.Caption(C::cmdWorkingDays), "Working days\xE2\x80\xA6");
    EXPECT_EQ(main.Tooltip(C::chkIncludeWeekends), "");
    dialogs.workingDaysScript = Choose({5, 6}, "DE-BY");
    main.Click(C::cmdWorkingDays);
    EXPECT_EQ(dialogs.workingDaysShown, 1);
    EXPECT_EQ(main.Caption(C::chkIncludeWeekends), "Count weekend days and holidays (DE-BY)");
    EXPECT_EQ(main.Tooltip(C::chkIncludeWeekends),
              "Not counting weekend days and holidays (DE-BY)");
    EXPECT_EQ(form.focus, MainControl::txbFirstDate);

    // Friday 2024-12-20 to Friday 2025-01-10 in Bavaria: 11 working days.
    main.CheckBoxClicked(C::chkIncludeWeekends, 0);
    form.txbFirstDate.text = "2024-12-20";
    form.txbSecondDate.text = "2025-01-10";
    main.Click(C::cmdCompute);
    EXPECT_EQ(form.txbDateDiff.text, "11");
    EXPECT_NE(form.txbOutput.text.find("11 days, excluding 1st date, not counting weekend days "
                                       "and holidays (DE-BY)\r\n"),
              std::string::npos)
        << form.txbOutput.text;

    UseLanguage(LanguageCode::German);
    EXPECT_EQ(main.Caption(C::chkIncludeWeekends), "Wochenendtage und Feiertage (DE-BY) zählen");
    EXPECT_EQ(main.Caption(C::cmdWorkingDays), "Arbeitstage\xE2\x80\xA6");

    // A dialog closed without OK changes nothing.
    dialogs.workingDaysScript = [](WorkingDaysDialogModel& dialog) {
        dialog.cboRegion_Click(0);
        dialog.cmdCancel_Click();
    };
    main.Click(C::cmdWorkingDays);
    EXPECT_EQ(form.workingDaysChoice.regions, std::vector<std::string>{"DE-BY"});
}

TEST_F(MainFormTest, ALongListOfHolidaysIsCutInTheCaptionAndWholeInTheTooltip) {
    const test_support::TempFolder folder;
    const std::string file =
        folder.Write("company-holidays-2024.txt", "2024-12-24 Christmas Eve\n").string();
    dialogs.workingDaysScript = [&file](WorkingDaysDialogModel& dialog) {
        dialog.cboRegion_Click(RegionPosition(dialog, "GB-NIR"));
        dialog.AddHolidayFile(file);
        dialog.cmdOK_Click();
    };
    main.Click(C::cmdWorkingDays);
    EXPECT_EQ(main.Caption(C::chkIncludeWeekends),
              "Count weekend days and holidays (GB-NIR, company-hol\xE2\x80\xA6)");
    EXPECT_EQ(main.Tooltip(C::chkIncludeWeekends),
              "Not counting weekend days and holidays (GB-NIR, company-holidays-2024.txt)");
}

TEST_F(MainFormTest, TheMonthWindowMarksTheHolidaysOfTheChoice) {
    MonthWindowModel& month = main.MonthWindow();
    month.Show();
    month.form.txbYear = "2024";
    month.SelectMonth(11);
    EXPECT_EQ(month.form.txbMonth.find('*'), std::string::npos);
    month.form.focus = MonthControl::txbYear;
    dialogs.workingDaysScript = Choose({5, 6}, "DE-BY");
    main.Click(C::cmdWorkingDays);
    EXPECT_NE(month.form.txbMonth.find("  22   23   24   25*  26*  27   28  \r\n"),
              std::string::npos)
        << month.form.txbMonth;
    EXPECT_EQ(month.form.monthHolidays, "  25* Christmas Day\r\n  26* St Stephen's Day");
    EXPECT_TRUE(
        month.ClipboardText().ends_with("  4  \r\n\r\n  25* Christmas Day\r\n  26* "
                                        "St Stephen's Day"))
        << month.ClipboardText();
    EXPECT_EQ(month.form.focus, MonthControl::txbYear) << "the redraw leaves the focus alone";

    // A year field that no longer names a year is left for the user: no message.
    month.form.txbYear = "";
    dialogs.workingDaysScript = Choose({5, 6}, "");
    main.Click(C::cmdWorkingDays);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainFormTest, MonthsHideTheWorkingDaysButtonWithTheCountingOptions) {
    main.Click(C::optMonths);
    EXPECT_FALSE(main.IsVisible(C::cmdWorkingDays));
    main.Click(C::optDays);
    EXPECT_TRUE(main.IsVisible(C::cmdWorkingDays));
}

TEST_F(MainFormTest, AMissingRuleFileIsNamedAndTheDialogOffersNoRegion) {
    services.holidayRuleFile = "/no/such/holidays.dat";
    size_t entries = 0;
    dialogs.workingDaysScript = [&entries](WorkingDaysDialogModel& dialog) {
        entries = dialog.form.regionEntries.size();
    };
    main.Click(C::cmdWorkingDays);
    EXPECT_EQ(entries, 1u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "holidays.dat cannot be opened");
}

std::string Read(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST_F(ProgramRunTest, TheChoiceIsKeptBesideTheSettingsFileAndComesBack) {
    MainForm& first = Start();
    dialogs.workingDaysScript = Choose({4, 5}, "US");
    first.Click(C::cmdWorkingDays);
    Quit();
    const std::filesystem::path file = SettingsFolder() / kWorkingDaysFileName;
    EXPECT_EQ(Read(file),
              "# Tembrel: the working days of the window\r\nweekend=fri,sat\r\nregions=US\r\n");
    EXPECT_EQ(FileText(), test_support::kDefaultSettingsText) << "vrn.usr keeps its 15 lines";

    MainForm& second = Start();
    EXPECT_EQ(second.form.workingDaysChoice.regions, std::vector<std::string>{"US"});
    ASSERT_NE(second.form.workingDays, nullptr);
    EXPECT_EQ(second.form.workingDays->weekend(), holidays::Weekend::FromMask(0x60));
    EXPECT_EQ(second.Caption(C::chkIncludeWeekends), "Count weekend days and holidays (US)");
    EXPECT_TRUE(dialogs.messages.empty());

    // Reset deletes both files and puts the default working days in force.
    dialogs.yesNoAnswer = true;
    second.Click(C::cmdReset);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(second.form.workingDaysChoice, WorkingDaysChoice{});
    EXPECT_EQ(second.Caption(C::chkIncludeWeekends), "Count weekend days in days-between-dates");
}

TEST_F(ProgramRunTest, ADamagedFileGivesTheDefaultsSilently) {
    std::filesystem::create_directories(SettingsFolder());
    std::ofstream(SettingsFolder() / kWorkingDaysFileName) << "weekend=someday\r\n";
    MainForm& main = Start();
    EXPECT_EQ(main.form.workingDaysChoice, WorkingDaysChoice{});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProgramRunTest, ASavedChoiceThatCannotBeBuiltIsKeptAndExplainedAfterTheStart) {
    std::filesystem::create_directories(SettingsFolder());
    const std::string gone = (folder_.path() / "gone.txt").string();
    std::ofstream(SettingsFolder() / kWorkingDaysFileName)
        << "weekend=sun\r\nregions=DE\r\nholiday-file=" << gone << "\r\n";
    MainForm& main = Start();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt,
              "The saved working days cannot be used:\r\n" + gone +
                  " cannot be opened\r\nUntil they are chosen again, only the weekend days are "
                  "not counted.");
    EXPECT_TRUE(main.form.blnStartUpCompleted) << "the message comes after the start-up";
    // The choice stays for the dialog and the next Quit; the weekend is in force.
    EXPECT_EQ(main.form.workingDaysChoice.holidayFiles, std::vector<std::string>{gone});
    ASSERT_NE(main.form.workingDays, nullptr);
    EXPECT_EQ(main.form.workingDays->weekend(), holidays::Weekend::FromMask(0x01));
    EXPECT_TRUE(main.form.workingDays->holidaySources.empty());
    Quit();
    EXPECT_NE(Read(SettingsFolder() / kWorkingDaysFileName).find(gone), std::string::npos);
}

}  // namespace
}  // namespace tembrel
