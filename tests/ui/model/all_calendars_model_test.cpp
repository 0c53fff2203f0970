// The All calendars window: opening on the first date or today, converting a
// typed row into every other, refusals, copying, following the language and the
// format options, resizing, and its place kept between runs.
#include "ui/model/all_calendars_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "core/notation_table.h"
#include "settings/window_places.h"
#include "tests/ui/model/program_run_fixture.h"
#include "tests/ui/model/window_fixture.h"

namespace tembrel {
namespace {

constexpr TwipsRect kMainWindow{1000, 500, 11565, 8100};

class AllCalendarsTest : public test_support::WindowFixture {
  protected:
    // Returns the row of a code.
    AllCalendarsRow& RowOf(CalendarCode cal) {
        for (AllCalendarsRow& row : form.rows) {
            if (row.code == cal) {
                return row;
            }
        }
        ADD_FAILURE() << "no row " << CalCodeText(cal);
        return form.rows.front();
    }
    int IndexOf(CalendarCode cal) { return static_cast<int>(&RowOf(cal) - form.rows.data()); }

    void Open(const std::string& firstDate) {
        main.txbFirstDate.text = firstDate;
        cmdAllCalendars_Click(main, kMainWindow, today, window);
    }

    // Types `text` into a row and presses Enter; returns whether the key was
    // consumed.
    bool TypeAndEnter(CalendarCode cal, const std::string& text) {
        RowOf(cal).txbDate.text = text;
        int key = kKeyEnter;
        window.txbDate_KeyPress(IndexOf(cal), key);
        return key == 0;
    }

    AllCalendarsModel window{context};
    AllCalendarsState& form = window.form;
};

TEST_F(AllCalendarsTest, OpensOnTheFirstDateInItsCalendarOrOnToday) {
    // State: the first date holds an ISO week date, ISO selected for it.
    // Action: All calendars. Expected: every listed notation, one row each.
    main.firstDateCalendar = CalendarCode::ISO;
    Open(" 2008-W03-2 ");
    ASSERT_EQ(form.rows.size(), ListedNotations().size());
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(form.caption, "All calendars");
    EXPECT_EQ(RowOf(CalendarCode::CE).txbDate.text, "2008-01-15");
    EXPECT_EQ(RowOf(CalendarCode::HEB).txbDate.text, "5768-11-08");
    EXPECT_EQ(RowOf(CalendarCode::HEB).lblName, "Hebrew");
    EXPECT_EQ(RowOf(CalendarCode::CHN).txbDate.text, "78-24-12-08");
    // Opened by the main window, 600 twips in from its top left corner.
    EXPECT_EQ(form.window.left, 1600);
    EXPECT_EQ(form.window.top, 1100);

    // An empty or unreadable first date opens on today.
    for (const std::string text : {"", "2009-W60-1"}) {
        Open(text);
        EXPECT_EQ(RowOf(CalendarCode::CE).txbDate.text, "2009-02-14") << text;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

// A date typed into any row, in that row's notation and the main window's
// format options, reaches every row; the typed row gets its normal form.
TEST_F(AllCalendarsTest, EnterInARowConvertsItIntoEveryOtherRow) {
    main.dateOrder = DateOrder::DMY;
    main.separators.strDateSep = ".";
    Open("");
    for (const auto& [cal, typed, ce] : {
             std::tuple{CalendarCode::HEB, "8.11.5768", "15.01.2008"},
             std::tuple{CalendarCode::MAY, " 13.0.0.0.0 MAY ", "21.12.2012"},
             std::tuple{CalendarCode::UNX, "1200441599", "15.01.2008"},
             std::tuple{CalendarCode::JDN, "2.454.481", "15.01.2008"},
         }) {
        SCOPED_TRACE(typed);
        EXPECT_TRUE(TypeAndEnter(cal, typed));
        EXPECT_EQ(RowOf(CalendarCode::CE).txbDate.text, ce);
        EXPECT_EQ(form.currentRow, IndexOf(cal));
        EXPECT_EQ(form.focus, AllCalendarsControl::txbDate);
    }
    EXPECT_EQ(RowOf(CalendarCode::JDN).txbDate.text, "2,454,481");
    EXPECT_EQ(RowOf(CalendarCode::UNX).txbDate.text, "1,200,355,200");
    EXPECT_EQ(RowOf(CalendarCode::HEB).txbDate.text, "08.11.5768");
    EXPECT_TRUE(dialogs.messages.empty());
    // Other keys are the text box's own.
    int key = '5';
    window.txbDate_KeyPress(IndexOf(CalendarCode::ISL), key);
    EXPECT_EQ(key, '5');
    EXPECT_EQ(form.currentRow, IndexOf(CalendarCode::ISL));
}

TEST_F(AllCalendarsTest, ARefusedRowSaysWhyAndChangesNothing) {
    Open("2008-01-15");
    const std::vector<AllCalendarsRow> before = form.rows;
    EXPECT_TRUE(TypeAndEnter(CalendarCode::HEB, "5785-13-01"));
    EXPECT_TRUE(TypeAndEnter(CalendarCode::CHN, "95-01-01-01"));
    EXPECT_TRUE(TypeAndEnter(CalendarCode::XLS, "60"));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].prompt,
              "Hebrew (HEB): The date is not valid in this calendar using the specified date "
              "format.");
    EXPECT_EQ(dialogs.messages[0].title, "Error!");
    EXPECT_EQ(dialogs.messages[1].prompt, "Chinese (CHN): The date is out of range.");
    EXPECT_NE(dialogs.messages[2].prompt.find("(XLS)"), std::string::npos);
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i].code != CalendarCode::HEB && before[i].code != CalendarCode::CHN &&
            before[i].code != CalendarCode::XLS) {
            EXPECT_EQ(form.rows[i].txbDate.text, before[i].txbDate.text);
        }
    }
    // The refused text stays for correcting.
    EXPECT_EQ(RowOf(CalendarCode::HEB).txbDate.text, "5785-13-01");
    EXPECT_EQ(form.currentRow, IndexOf(CalendarCode::XLS));
}

TEST_F(AllCalendarsTest, ANotationWithoutADateForTheDayShowsAnEmptyRow) {
    Open("-5000-01-01");
    EXPECT_EQ(RowOf(CalendarCode::ORD).txbDate.text, "");
    EXPECT_EQ(RowOf(CalendarCode::CHN).txbDate.text, "");
    EXPECT_FALSE(RowOf(CalendarCode::CHN).hasDate);
    EXPECT_TRUE(RowOf(CalendarCode::HEB).hasDate);
    EXPECT_EQ(form.noDateText, "Out of Range");
    EXPECT_FALSE(RowOf(CalendarCode::HEB).txbDate.text.empty());
}

TEST_F(AllCalendarsTest, CopiesTheCurrentRowOrEveryRowAsTabbedLines) {
    Open("2008-01-15");
    window.txbDate_GotFocus(IndexOf(CalendarCode::ISL));
    window.cmdCopyRow_Click();
    window.cmdCopyAll_Click();
    ASSERT_EQ(clipboard.texts.size(), 2u);
    EXPECT_EQ(clipboard.texts[0], "ISL\t1429-01-06\tIslamic (tabular)\r\n");
    const std::string& all = clipboard.texts[1];
    EXPECT_TRUE(all.starts_with("CE\t2008-01-15\tCommon Era date\r\nJC\t2008-01-02\t")) << all;
    EXPECT_TRUE(all.ends_with("XLS\t39,462\tSpreadsheet serial date\r\n")) << all;
    EXPECT_EQ(static_cast<size_t>(std::count(all.begin(), all.end(), '\n')), form.rows.size());
}

TEST_F(AllCalendarsTest, FollowsTheLanguageAndTheFormatOptions) {
    Open("2008-01-15");
    SetLanguage(LanguageCode::German);
    window.SetLanguageDependentText();
    EXPECT_EQ(form.caption, "Alle Kalender");
    EXPECT_EQ(form.cmdCopyAll.caption, "Alle kopieren");
    EXPECT_EQ(RowOf(CalendarCode::HEB).lblName, "Hebräisch");
    EXPECT_EQ(form.noDateText, "Ausserhalb des erlaubten Bereichs");

    // Unchanged options keep a half-typed row; changed ones write every row.
    RowOf(CalendarCode::ISL).txbDate.text = "1429-";
    window.FollowFormatOptions();
    EXPECT_EQ(RowOf(CalendarCode::ISL).txbDate.text, "1429-");
    main.separators.strThousSep = "";
    main.chkHyphen = false;
    window.FollowFormatOptions();
    EXPECT_EQ(RowOf(CalendarCode::ISL).txbDate.text, "1429-01-06");
    EXPECT_EQ(RowOf(CalendarCode::JDN).txbDate.text, "2454481");
    EXPECT_EQ(RowOf(CalendarCode::ORD).txbDate.text, "2008015");
}

TEST_F(AllCalendarsTest, ResizingKeepsTheMinimumAndTheButtonsUnderTheRows) {
    Open("2008-01-15");
    for (const auto& [width, height] : {std::pair{kAllCalendarsWidth, kAllCalendarsHeight},
                                        std::pair{100, 100}, std::pair{20000, 3000000}}) {
        form.window.width = width;
        form.window.height = height;
        window.Form_Resize();
        EXPECT_GE(form.window.width, kAllCalendarsMinWidth);
        EXPECT_GE(form.window.height, kAllCalendarsMinHeight);
        const ControlPlace rows = form.rowsPlace;
        EXPECT_GT(rows.height, 0);
        EXPECT_LT(rows.top + rows.height, form.cmdCopyRow.place.top);
        EXPECT_EQ(form.cmdClose.place.top, form.cmdCopyRow.place.top);
        EXPECT_GT(form.cmdClose.place.left,
                  form.cmdCopyAll.place.left + form.cmdCopyAll.place.width);
        EXPECT_GE(form.nameWidth, kAllCalendarsMinNameWidth);
    }
    // At the first size every row fits without scrolling.
    form.window.width = kAllCalendarsWidth;
    form.window.height = kAllCalendarsHeight;
    window.Form_Resize();
    EXPECT_GE(form.rowsPlace.height,
              static_cast<int32_t>(form.rows.size()) * kAllCalendarsRowPitch);
    EXPECT_GE(form.rowsPlace.width,
              kAllCalendarsNameLeft + form.nameWidth + kAllCalendarsScrollBarWidth);
}

TEST_F(AllCalendarsTest, CloseHidesAndTheNextOpeningKeepsThePlace) {
    Open("2008-01-15");
    form.window.left = 3000;
    window.cmdClose_Click();
    EXPECT_FALSE(form.visible);
    Open("2009-01-01");
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(form.window.left, 3000);
}

// The window's place goes into a file of its own at Quit and comes back at the
// next start; the settings file keeps its fifteen lines, and Reset forgets the
// place.
using test_support::ProgramRunTest;

TEST_F(ProgramRunTest, TheAllCalendarsWindowKeepsItsPlaceBetweenRuns) {
    Start();
    cmdAllCalendars_Click(main().form, kMainWindow, 2454481, main().AllCalendars());
    main().AllCalendars().form.window = TwipsRect{2000, 700, 9000, 8000};
    main().AllCalendars().form.windowState = WindowState::Maximized;
    Quit();
    const std::string settings = FileText();
    EXPECT_EQ(std::count(settings.begin(), settings.end(), '\n'), 15);
    EXPECT_EQ(ReadWindowPlace(SettingsFolder() / kWindowPlacesFileName, kAllCalendarsPlaceName),
              (SavedWindowPlace{2000, 700, 9000, 8000, true}));

    Start();
    AllCalendarsState& restored = main().AllCalendars().form;
    EXPECT_EQ(restored.window.left, 2000);
    EXPECT_EQ(restored.window.height, 8000);
    EXPECT_EQ(restored.windowState, WindowState::Maximized);
    EXPECT_FALSE(restored.visible);
    cmdAllCalendars_Click(main().form, kMainWindow, 2454481, main().AllCalendars());
    EXPECT_EQ(restored.window.left, 2000) << "a restored place is not moved by the opening";

    dialogs.yesNoAnswer = true;
    main().Click(MainWindowControl::cmdReset);
    EXPECT_FALSE(std::filesystem::exists(SettingsFolder() / kWindowPlacesFileName));
    cmdAllCalendars_Click(main().form, kMainWindow, 2454481, main().AllCalendars());
    EXPECT_EQ(restored.window.left, kMainWindow.left + kAllCalendarsOffsetLeft);
}

}  // namespace
}  // namespace tembrel
