// The month window: opening from the main window, drawing, stepping through
// months, the options and the ISO panel, copying and closing.
#include "ui/model/month_window_model.h"

#include <gtest/gtest.h>

#include "compute/month_grid.h"
#include "tests/ui/model/window_fixture.h"
#include "ui/model/month_window_opening.h"

namespace tembrel {
namespace {

constexpr TwipsRect kMainWindow{1000, 500, 11565, 8100};

const std::string kFebruary2009 =
    " Sun  Mon  Tue  Wed  Thu  Fri  Sat \r\n"
    "   1    2    3    4    5    6    7  \r\n"
    "   8    9   10   11   12   13   14  \r\n"
    "  15   16   17   18   19   20   21  \r\n"
    "  22   23   24   25   26   27   28  \r\n"
    "   1    2    3    4    5    6    7  ";

class MonthWindowTest : public test_support::WindowFixture {
  protected:
    // Opens the window from the main window with a first date.
    void Open(const std::string& firstDate, CalendarCode cal = CalendarCode::CE) {
        main.txbFirstDate.text = firstDate;
        main.firstDateCalendar = cal;
        cmdDisplayMonth_Click(main, kMainWindow, window, today);
    }

    std::string Grid(int32_t year, int month, bool monday = false, bool julian = false) const {
        return BuildMonthGrid({year, month, julian, monday, main.intLanguage}).value().text;
    }

    MonthWindowModel window{context};
    MonthWindowState& form = window.form;
};

TEST_F(MonthWindowTest, LoadsHiddenWithJanuaryAndTheYearDigitChecked) {
    // State: just created. Expected: twelve English names, January, check set.
    ASSERT_EQ(form.cboMonths.entries.size(), 12u);
    EXPECT_EQ(form.cboMonths.entries[2], "March");
    EXPECT_EQ(form.cboMonths.listIndex, 0);
    EXPECT_EQ(form.cboMonths.text, "January");
    EXPECT_EQ(form.chkWithYear, 1);
    EXPECT_FALSE(form.visible);
    EXPECT_EQ(form.captions.lblYear, "Year:");
    // Drawing while hidden does nothing, not even for an empty year.
    window.DisplayMonth();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form.txbMonth, "");
}

TEST_F(MonthWindowTest, OpensWithTheFirstDatesMonthBesideTheMainWindow) {
    // State: first date with spaces around it. Action: Display month.
    Open("  2009-02-14  ");
    EXPECT_EQ(main.txbFirstDate.text, "2009-02-14");
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(form.txbYear, "2009");
    EXPECT_EQ(form.cboMonths.listIndex, 1);
    EXPECT_EQ(form.cboMonths.text, "February");
    EXPECT_EQ(form.txbMonth, kFebruary2009);
    EXPECT_EQ(form.intNumWeekRows, 5);
    EXPECT_EQ(form.window.left, 5000);
    EXPECT_EQ(form.window.top, 2210);
    EXPECT_EQ(form.window.height, 4280);
    EXPECT_FALSE(form.blnISODatesShown);
    EXPECT_EQ(form.focus, MonthControl::cmdClose);
    EXPECT_TRUE(form.cmdCopyToClipboardEnabled);
    EXPECT_TRUE(dialogs.messages.empty());

    // A visible window is not moved again.
    form.window.left = 123;
    Open("1999-12-31");
    EXPECT_EQ(form.window.left, 123);
    EXPECT_EQ(form.txbYear, "1999");
    EXPECT_EQ(form.cboMonths.listIndex, 11);
}

TEST_F(MonthWindowTest, OpensWithTheMonthAsWrittenInTheFirstDatesCalendar) {
    struct Case {
        const char* text;
        CalendarCode cal;
        const char* year;
        int position;
    };
    const Case cases[] = {
        {"1900-02-29", CalendarCode::JC, "1900", 1},  // exists only in the Julian calendar
        {"2454876", CalendarCode::JDN, "2009", 1},    // 13 February 2009
        {"-45-03-15", CalendarCode::CE, "-45", 2},    {"", CalendarCode::CE, "2009", 1},  // today
        {"1999-02-30", CalendarCode::CE, "2009", 1},   // not a date: today
        {"1999-W01-1", CalendarCode::ISO, "2009", 1},  // another notation: today
        {"1999-001", CalendarCode::ORD, "2009", 1},
    };
    for (const Case& c : cases) {
        Open(c.text, c.cal);
        EXPECT_EQ(form.txbYear, c.year) << c.text;
        EXPECT_EQ(form.cboMonths.listIndex, c.position) << c.text;
    }
    // The window's own calendar stays Common Era: the Julian date's month is
    // drawn in the Gregorian calendar.
    Open("1900-02-29", CalendarCode::JC);
    EXPECT_FALSE(form.optJulian);
    EXPECT_EQ(form.txbMonth, Grid(1900, 2));
    EXPECT_TRUE(dialogs.messages.empty());
    // The first date is read in the user's date order and separator.
    main.dateOrder = DateOrder::DMY;
    main.separators.strDateSep = ".";
    Open("31.12.1999");
    EXPECT_EQ(form.txbYear, "1999");
    EXPECT_EQ(form.cboMonths.listIndex, 11);
}

TEST_F(MonthWindowTest, UnusableYearsShowAMessageAndKeepTheGrid) {
    Open("2009-02-14");
    struct Case {
        const char* year;
        const char* prompt;
    };
    const Case cases[] = {
        {"", "Please specify year"},        {"  ", "Please specify year"},
        {"abc", "Please specify year"},     {"+", "Please specify year"},
        {"-", "Please specify year"},       {"-+5", "Please specify year"},
        {"999999999", "Out of Range"},      {"-99999999", "Out of Range"},
        {"99999999999999", "Out of Range"},
    };
    for (const Case& c : cases) {
        dialogs.messages.clear();
        form.txbYear = c.year;
        window.cmdDisplay_Click();
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.year;
        EXPECT_EQ(dialogs.messages[0].prompt, c.prompt);
        EXPECT_EQ(dialogs.messages[0].title, "Invalid input");
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(form.txbMonth, kFebruary2009) << c.year;
    }
}

TEST_F(MonthWindowTest, YearsAreReadFromTheirDigitsAndSign) {
    Open("2009-02-14");
    for (const auto& [typed, year] : std::vector<std::pair<std::string, int32_t>>{
             {"20a9", 209}, {" -45 ", -45}, {"0", 0}, {"+5000000", 5000000}, {"-004", -4}}) {
        form.txbYear = typed;
        window.txbYear_KeyDown(kKeyEnter);
        window.txbYear_KeyUp(kKeyEnter);
        EXPECT_EQ(form.txbMonth, Grid(year, 2)) << typed;
        EXPECT_EQ(form.txbYear, typed);  // the field is not rewritten
    }
    EXPECT_TRUE(dialogs.messages.empty());
    // Keys other than Enter do not draw.
    form.txbYear = "2010";
    window.txbYear_KeyDown('0');
    window.txbYear_KeyUp('0');
    EXPECT_EQ(form.txbMonth, Grid(-4, 2));
}

TEST_F(MonthWindowTest, OnlyAnEnterThatWentDownInTheYearFieldDraws) {
    // State: no year. Action: Enter in the year field; then the Enter that
    // dismissed the message comes up in the field; then a new Enter.
    // Expected: one message for each Enter pressed in the field, none for the
    // one pressed in the message box.
    Open("2009-02-14");
    form.txbYear = "-";
    window.txbYear_KeyDown(kKeyEnter);
    window.txbYear_KeyUp(kKeyEnter);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    window.txbYear_KeyUp(kKeyEnter);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    window.txbYear_KeyDown(kKeyEnter);
    window.txbYear_KeyUp(kKeyEnter);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    // A year typed since draws on the next whole Enter only.
    form.txbYear = "2010";
    window.txbYear_KeyUp(kKeyEnter);
    EXPECT_EQ(form.txbMonth, kFebruary2009);
    window.txbYear_KeyDown(kKeyEnter);
    window.txbYear_KeyUp(kKeyEnter);
    EXPECT_EQ(form.txbMonth, Grid(2010, 2));
}

TEST_F(MonthWindowTest, TypedMonthTextSelectsAnEntryOrNone) {
    Open("2009-02-14");
    window.cboMonths_Change("MARCH");
    EXPECT_EQ(form.cboMonths.listIndex, 2);
    EXPECT_EQ(form.txbMonth, kFebruary2009);  // typing alone does not draw
    window.cmdDisplay_Click();
    EXPECT_EQ(form.txbMonth, Grid(2009, 3));

    // Text that names no month: drawing and stepping keep the grid; copying
    // names the month by the typed text.
    window.cboMonths_Change("Marchember");
    EXPECT_EQ(form.cboMonths.listIndex, -1);
    window.cmdDisplay_Click();
    window.cmdDisplayNextMonth_Click(0);
    window.cmdDisplayNextMonth_Click(1);
    EXPECT_EQ(form.txbMonth, Grid(2009, 3));
    EXPECT_EQ(form.txbYear, "2009");
    EXPECT_EQ(form.cboMonths.listIndex, -1);
    EXPECT_TRUE(dialogs.messages.empty());
    window.cmdCopyToClipboard_Click();
    ASSERT_EQ(clipboard.texts.size(), 1u);
    EXPECT_TRUE(clipboard.texts[0].starts_with("Marchember 2009 (Common Era Calendar)\r\n\r\n"));
    // Activation keeps the typed text.
    window.Form_Activate();
    EXPECT_EQ(form.cboMonths.text, "Marchember");
}

TEST_F(MonthWindowTest, NextAndPreviousMonthCrossYearEnds) {
    Open("2009-12-05");
    window.cmdDisplayNextMonth_Click(0);
    EXPECT_EQ(form.cboMonths.listIndex, 0);
    EXPECT_EQ(form.cboMonths.text, "January");
    EXPECT_EQ(form.txbYear, "2010");
    EXPECT_EQ(form.txbMonth, Grid(2010, 1));
    window.cmdDisplayNextMonth_Click(1);
    EXPECT_EQ(form.cboMonths.listIndex, 11);
    EXPECT_EQ(form.txbYear, "2009");
    EXPECT_EQ(form.txbMonth, Grid(2009, 12));
    window.cmdDisplayNextMonth_Click(1);
    EXPECT_EQ(form.cboMonths.listIndex, 10);
    EXPECT_EQ(form.txbYear, "2009");

    // Year 0 back to -1; the field is trimmed and written as a plain number.
    form.txbYear = "  +0 ";
    window.SelectMonth(0);
    window.cmdDisplayNextMonth_Click(1);
    EXPECT_EQ(form.txbYear, "-1");
    EXPECT_EQ(form.txbMonth, Grid(-1, 12));
    // A year read from its digits steps on from what was drawn.
    form.txbYear = "20a9";
    window.cmdDisplayNextMonth_Click(0);
    EXPECT_EQ(form.txbYear, "210");
    EXPECT_EQ(form.cboMonths.listIndex, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MonthWindowTest, NextAndPreviousMonthWithAnUnusableYear) {
    Open("2009-12-05");
    // An empty field: nothing at all.
    form.txbYear = "   ";
    window.cmdDisplayNextMonth_Click(0);
    EXPECT_EQ(form.txbYear, "");
    EXPECT_EQ(form.cboMonths.listIndex, 11);
    EXPECT_TRUE(dialogs.messages.empty());
    // Letters at a year end: one message, nothing changes.
    form.txbYear = "abc";
    window.cmdDisplayNextMonth_Click(0);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(form.txbYear, "abc");
    EXPECT_EQ(form.cboMonths.listIndex, 11);
    // Within the year the month moves; the drawing reports the year once.
    window.cmdDisplayNextMonth_Click(1);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(form.cboMonths.listIndex, 10);
    EXPECT_EQ(form.txbMonth, Grid(2009, 12));
    // The largest 32-bit year steps past the supported range without overflow.
    form.txbYear = "2147483647";
    window.SelectMonth(11);
    dialogs.messages.clear();
    window.cmdDisplayNextMonth_Click(0);
    EXPECT_EQ(form.txbYear, "2147483648");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "Out of Range");
}

TEST_F(MonthWindowTest, TheISOPanelIsOfferedOnlyForCommonEraWithMonday) {
    Open("2009-02-14");
    EXPECT_FALSE(form.cmdShowHideISOEnabled);
    EXPECT_FALSE(form.chkWithYearEnabled);
    window.optMonday_Click();
    EXPECT_TRUE(form.optMonday);
    EXPECT_EQ(form.txbMonth, Grid(2009, 2, true));
    EXPECT_TRUE(form.cmdShowHideISOEnabled);
    EXPECT_TRUE(form.chkWithYearEnabled);

    window.cmdShowHideISO_Click();
    EXPECT_TRUE(form.blnISODatesShown);
    EXPECT_EQ(form.window.height, 6455);
    EXPECT_EQ(form.captions.cmdShowHideISO, "Hide ISO Week dates");
    EXPECT_EQ(form.txbISODates,
              BuildISOWeekDates(form.lngGridStartJDN, 5, true, LanguageCode::English));
    EXPECT_TRUE(form.txbISODates.starts_with("Monday   Tuesday"));
    form.chkWithYear = 0;
    window.chkWithYear_Click();
    EXPECT_TRUE(form.txbISODates.starts_with(" Mon    Tue"));
    // Redrawing another month redraws the panel.
    window.SelectMonth(0);
    EXPECT_EQ(form.txbISODates, BuildISOWeekDates(form.lngGridStartJDN, form.intNumWeekRows, false,
                                                  LanguageCode::English));
    EXPECT_NE(form.txbISODates.find("W01-1"), std::string::npos);

    // Common Era again while shown with Monday: the panel stays.
    window.optCommonEra_Click();
    EXPECT_TRUE(form.blnISODatesShown);
    // Julian hides it and disables the controls.
    window.optJulian_Click();
    EXPECT_FALSE(form.blnISODatesShown);
    EXPECT_EQ(form.window.height, 4280);
    EXPECT_EQ(form.captions.cmdShowHideISO, "Display ISO Week dates");
    EXPECT_FALSE(form.cmdShowHideISOEnabled);
    EXPECT_FALSE(form.chkWithYearEnabled);
    EXPECT_EQ(form.txbMonth, Grid(2009, 1, true, true));
    // Back to Common Era: offered again, still hidden.
    window.optCommonEra_Click();
    EXPECT_TRUE(form.cmdShowHideISOEnabled);
    EXPECT_FALSE(form.blnISODatesShown);
    // Sunday hides a shown panel.
    window.cmdShowHideISO_Click();
    window.optSunday_Click();
    EXPECT_FALSE(form.blnISODatesShown);
    EXPECT_FALSE(form.cmdShowHideISOEnabled);
    EXPECT_EQ(form.txbMonth, Grid(2009, 1));
}

TEST_F(MonthWindowTest, OptionsDrawOnceEvenWhenTheYearIsUnusable) {
    Open("2009-02-14");
    form.txbYear = "";
    window.optMonday_Click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    window.optJulian_Click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(form.optJulian);
    EXPECT_EQ(form.txbMonth, kFebruary2009);
}

TEST_F(MonthWindowTest, EnablingWaitsForTheEndOfStartUp) {
    main.blnStartUpCompleted = false;
    window.SelectMonday(true);
    EXPECT_TRUE(form.optMonday);
    EXPECT_FALSE(form.cmdShowHideISOEnabled);
    main.blnStartUpCompleted = true;
    window.EnableISOControls();
    EXPECT_TRUE(form.cmdShowHideISOEnabled);
}

TEST_F(MonthWindowTest, ActivationHidesThePanelAndFollowsTheLanguage) {
    Open("2009-03-01");
    window.optMonday_Click();
    window.cmdShowHideISO_Click();
    SetLanguage(LanguageCode::German);
    window.Form_Activate();
    EXPECT_FALSE(form.blnISODatesShown);
    EXPECT_EQ(form.window.height, 4280);
    EXPECT_EQ(form.captions.cmdShowHideISO, "Hide ISO Week dates");  // the caption stays
    EXPECT_EQ(form.captions.window, "Monat zeigen");
    EXPECT_EQ(form.cboMonths.listIndex, 2);
    EXPECT_EQ(form.cboMonths.text, "März");
    EXPECT_EQ(form.cboMonths.entries[11], "Dezember");

    window.SetLanguageDependentText();
    EXPECT_EQ(form.captions.lblYear, "Jahr:");
    EXPECT_EQ(form.captions.lblFirstDayOfWeek, "Erster Tag der Woche:");
    EXPECT_EQ(form.captions.optSunday, "Sonntag");
    EXPECT_EQ(form.captions.optJulian, "Julianisch");
    EXPECT_EQ(form.captions.cmdDisplayNextMonth[1], "Vorhergehender Monat zeigen");
    EXPECT_EQ(form.captions.cmdShowHideISO, "ISO-Woche-Daten zeigen");
    window.cmdDisplay_Click();
    EXPECT_TRUE(form.txbMonth.starts_with(" Mon  Die  Mit"));
}

TEST_F(MonthWindowTest, CopiesTheHeadingTheGridAndAShownPanel) {
    Open("2009-02-14");
    form.txbYear = " 02009";
    window.cmdCopyToClipboard_Click();
    ASSERT_EQ(clipboard.texts.size(), 1u);
    EXPECT_EQ(clipboard.texts[0], "February  02009 (Common Era Calendar)\r\n\r\n" + kFebruary2009);
    EXPECT_EQ(form.focus, MonthControl::cmdClose);

    form.txbYear = "2009";
    window.optMonday_Click();
    window.cmdShowHideISO_Click();
    window.cmdCopyToClipboard_Click();
    EXPECT_EQ(clipboard.texts[1], "February 2009 (Common Era Calendar)\r\n\r\n" + form.txbMonth +
                                      "\r\n\r\nISO 8601 Week dates:\r\n\r\n" + form.txbISODates);

    window.optJulian_Click();
    SetLanguage(LanguageCode::German);
    window.cmdCopyToClipboard_Click();
    EXPECT_EQ(clipboard.texts[2], "Februar 2009 (Julianischer Kalender)\r\n\r\n" + form.txbMonth);
}

TEST_F(MonthWindowTest, CloseHidesAndKeepsEverything) {
    Open("2009-02-14");
    window.optMonday_Click();
    window.optJulian_Click();
    main.focus = MainControl::cmdCompute;
    window.Form_Unload();
    EXPECT_FALSE(form.visible);
    EXPECT_EQ(main.focus, MainControl::txbFirstDate);
    EXPECT_EQ(form.txbYear, "2009");
    // Opened again: the new first date's month, the old options, the old place.
    form.window.left = 777;
    Open("2010-07-04");
    EXPECT_EQ(form.window.left, 5000);
    EXPECT_TRUE(form.optMonday);
    EXPECT_TRUE(form.optJulian);
    EXPECT_EQ(form.txbMonth, Grid(2010, 7, true, true));
}

TEST_F(MonthWindowTest, OptionsTravelThroughTheSettingsFile) {
    EXPECT_EQ(window.FirstDayOfWeekSetting(), "Sun");
    EXPECT_EQ(window.CalendarSetting(), "CE");
    window.ApplyFirstDayOfWeekSetting("Mon");
    window.ApplyCalendarSetting("JC");
    EXPECT_TRUE(form.optMonday);
    EXPECT_TRUE(form.optJulian);
    EXPECT_EQ(window.FirstDayOfWeekSetting(), "Mon");
    EXPECT_EQ(window.CalendarSetting(), "JC");
    // Only the exact texts select Monday and Julian.
    window.ApplyFirstDayOfWeekSetting("mon");
    window.ApplyCalendarSetting("jc");
    EXPECT_FALSE(form.optMonday);
    EXPECT_FALSE(form.optJulian);
    // The hidden window draws nothing and shows no message meanwhile.
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form.txbMonth, "");
}

}  // namespace
}  // namespace tembrel
