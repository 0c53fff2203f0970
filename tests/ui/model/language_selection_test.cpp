// The language list and what choosing a language changes: every caption of the
// main window, the clear-one-field dialog and the month window, the list's own
// entries, the today labels and the program texts.
#include <set>

#include "tests/ui/model/program_run_fixture.h"
#include "text/program_text_numbers.h"
#include "ui/model/main_layout.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::ProgramRunTest;

struct Shown {
    std::string where;
    std::string text;

    bool operator==(const Shown&) const = default;
};

// Returns every text the interface shows that could depend on the language.
std::vector<Shown> EverythingShown(MainForm& main) {
    std::vector<Shown> shown;
    for (const MainControlEntry& entry : MainWindowLayout()) {
        shown.push_back({std::string(entry.name), main.Caption(entry.id)});
        shown.push_back({std::string(entry.name) + " tooltip", main.Tooltip(entry.id)});
    }
    for (size_t i = 0; i < main.window.languageEntries.size(); ++i) {
        shown.push_back({"language entry " + std::to_string(i), main.window.languageEntries[i]});
    }
    const ClearOneFieldCaptions& clear = main.window.clearOneField;
    for (const auto& [name, text] : {
             std::pair{"clear: window", &clear.window},
             std::pair{"clear: lblNeedToClear", &clear.lblNeedToClear},
             std::pair{"clear: lblClear", &clear.lblClear},
             std::pair{"clear: lblOr", &clear.lblOr},
             std::pair{"clear: optClearFirstDate", &clear.optClearFirstDate},
             std::pair{"clear: optClearDateDiff", &clear.optClearDateDiff},
             std::pair{"clear: optClearSecondDate", &clear.optClearSecondDate},
             std::pair{"clear: optCancel", &clear.optCancel},
             std::pair{"clear: cmdContinue", &clear.cmdContinue},
         }) {
        shown.push_back({name, *text});
    }
    const MonthWindowCaptions& month = main.MonthWindow().form.captions;
    for (const auto& [name, text] : {
             std::pair{"month: lblYear", &month.lblYear},
             std::pair{"month: lblMonth", &month.lblMonth},
             std::pair{"month: lblCalendar", &month.lblCalendar},
             std::pair{"month: lblFirstDayOfWeek", &month.lblFirstDayOfWeek},
             std::pair{"month: optCommonEra", &month.optCommonEra},
             std::pair{"month: optJulian", &month.optJulian},
             std::pair{"month: optSunday", &month.optSunday},
             std::pair{"month: optMonday", &month.optMonday},
             std::pair{"month: cmdDisplay", &month.cmdDisplay},
             std::pair{"month: next month", &month.cmdDisplayNextMonth[0]},
             std::pair{"month: previous month", &month.cmdDisplayNextMonth[1]},
             std::pair{"month: cmdCopyToClipboard", &month.cmdCopyToClipboard},
             std::pair{"month: cmdClose", &month.cmdClose},
             std::pair{"month: cmdShowHideISO", &month.cmdShowHideISO},
             std::pair{"month: chkWithYear", &month.chkWithYear},
         }) {
        shown.push_back({name, *text});
    }
    return shown;
}

TEST_F(ProgramRunTest, EveryCaptionFollowsTheLanguageAndComesBack) {
    // State: English after start-up. Action: choose German in the list, then
    // English. Expected: every text changes except the few that are the same
    // in every language, and English brings back exactly what was there.
    MainForm& main = Start();
    const std::vector<Shown> english = EverythingShown(main);
    // Dates, numbers, names and the notice read the same in every language, and
    // German keeps the English name of the Common Era.
    const std::set<std::string> sameInEveryLanguage = {
        "lblCopyright",        "lblNorvaneSystems",  "optSeparatorIsDash", "optSeparatorIsDot",
        "optSeparatorIsSlash", "optThousSepIsComma", "optThousSepIsDot",   "month: optCommonEra",
    };

    main.cboLanguage_Click(1);
    const std::vector<Shown> german = EverythingShown(main);
    ASSERT_EQ(german.size(), english.size());
    for (size_t i = 0; i < english.size(); ++i) {
        if (english[i].text.empty() || sameInEveryLanguage.contains(english[i].where)) {
            continue;
        }
        EXPECT_NE(german[i].text, english[i].text) << english[i].where;
    }
    EXPECT_EQ(main.PlaceOf(C::chkSaveOutput).left, kSaveOutputLeftOther);

    main.cboLanguage_Click(0);
    EXPECT_EQ(EverythingShown(main), english);
    EXPECT_EQ(main.PlaceOf(C::chkSaveOutput).left, kSaveOutputLeftEnglish);
}

TEST_F(ProgramRunTest, LanguageListEntriesAreWrittenInTheChosenLanguage) {
    MainForm& main = Start();
    EXPECT_EQ(main.window.languageEntries, (std::vector<std::string>{"English", "German"}));
    EXPECT_EQ(main.window.languageCodes,
              (std::vector<LanguageCode>{LanguageCode::English, LanguageCode::German}));
    EXPECT_EQ(main.window.languageIndex, 0);

    main.cboLanguage_Click(1);
    EXPECT_EQ(main.window.languageEntries, (std::vector<std::string>{"Englisch", "Deutsch"}));
    EXPECT_EQ(main.window.languageIndex, 1);
    EXPECT_EQ(main.form.intLanguage, LanguageCode::German);
    EXPECT_EQ(texts.ProgramTextLanguage(), LanguageCode::German);
    EXPECT_EQ(main.Caption(C::lblTodaysDate), "Heute ist Samstag,\r\nder 2008-03-15 CE");

    main.cboLanguage_Click(0);
    EXPECT_EQ(main.window.languageEntries, (std::vector<std::string>{"English", "German"}));
    EXPECT_EQ(main.window.languageIndex, 0);
    EXPECT_EQ(texts.ProgramTextLanguage(), LanguageCode::English);
    EXPECT_EQ(main.Caption(C::lblTodaysDate), "Today is Saturday,\r\n2008-03-15 CE");
}

TEST_F(ProgramRunTest, ChoosingTheActiveLanguageOnlyMovesCaretCopyButtonAndFocus) {
    // State: a report with a selection, the copy button offering it.
    MainForm& main = Start();
    main.form.txbFirstDate.text = "2008-01-15";
    main.cmdCompute_Click();
    main.form.txbOutput.selStart = 0;
    main.form.txbOutput.selLength = 10;
    main.txbOutput_MouseUp(kLeftButton);
    ASSERT_EQ(main.Caption(C::cmdCopyOutput), "Copy selected text to clipboard");
    const std::string quit = main.Caption(C::cmdQuit);
    main.form.focus = MainControl::cboLanguage;
    // Action: English chosen again.
    main.cboLanguage_Click(0);
    // Expected: the caret at the end of the output, the copy button for the whole
    // output, the focus by the focus rule; captions as they were.
    EXPECT_EQ(main.form.txbOutput.selLength, 0);
    EXPECT_EQ(main.form.txbOutput.selStart, static_cast<int>(main.form.txbOutput.text.size()));
    EXPECT_EQ(main.Caption(C::cmdCopyOutput), "Copy to clipboard");
    EXPECT_EQ(main.form.focus, MainControl::txbDateDiff);
    EXPECT_EQ(main.Caption(C::cmdQuit), quit);
}

TEST_F(ProgramRunTest, LanguageSwitchSwitchesTheWordsOfTheResults) {
    MainForm& main = Start();
    main.cboLanguage_Click(1);
    main.form.txbFirstDate.text = "2008-01-15";
    main.cmdCompute_Click();
    EXPECT_EQ(main.form.txbOutput.text, "2008-01-15 CE, Dienstag\r\n");
}

TEST_F(ProgramRunTest, AnEntryOutsideTheListChangesNothing) {
    MainForm& main = Start();
    main.cboLanguage_Click(-1);
    main.cboLanguage_Click(2);
    EXPECT_EQ(main.form.intLanguage, LanguageCode::English);
    EXPECT_EQ(main.window.languageIndex, 0);
}

}  // namespace
}  // namespace tembrel
