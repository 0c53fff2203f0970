// The Compute command driven through the main window's state, as the window and
// the command line drive it.
#include <gtest/gtest.h>

#include "tests/ui/model/compute_fixture.h"
#include "ui/model/form_rules.h"

namespace tembrel {
namespace {

using test_support::ComputeFixture;

class ComputeCommand : public ComputeFixture {};

TEST_F(ComputeCommand, ReportLinesInEnglish) {
    form.chkVerbose = 0;
    form.secondDateCalendar = CalendarCode::ISO;
    EXPECT_EQ(Compute("2008-01-15"), "2008-01-15 CE = 2008-W03-2 ISO, Tuesday");
    EXPECT_EQ(form.txbSecondDate.text, "2008-W03-2");

    form.secondDateCalendar = CalendarCode::CE;
    EXPECT_EQ(Compute("2008-01-15"), "2008-01-15 CE, Tuesday");
    EXPECT_EQ(form.txbSecondDate.text, "") << "the same calendar writes no second date";

    EXPECT_EQ(Compute("", "-10", "2008-01-15"),
              "2008-01-15 CE plus 10 days = 2008-01-25 CE, Friday");
    EXPECT_EQ(form.txbFirstDate.text, "2008-01-25");

    EXPECT_EQ(Compute("2008-01-01", "", "2009-03-15"),
              "2008-01-01 CE to 2009-03-15 CE = 439 days (1 year, 2 months, 14 days)");
    EXPECT_EQ(form.txbDateDiff.text, "439");

    form.chkVerbose = 1;
    form.chkIncludeWeekends = 0;
    EXPECT_EQ(Compute("2008-01-04", "1"),
              "2008-01-04 CE plus 1 day = 2008-01-07 CE, Monday, excluding 1st date, "
              "not counting weekend days");
    EXPECT_EQ(
        Compute("2008-01-04", "", "2008-01-07"),
        "2008-01-04 CE to 2008-01-07 CE = 1 day, excluding 1st date, not counting weekend days");
}

TEST_F(ComputeCommand, ReportLinesInGerman) {
    form.intLanguage = LanguageCode::German;
    form.chkVerbose = 0;
    form.secondDateCalendar = CalendarCode::ISO;
    EXPECT_EQ(Compute("2008-01-15"), "2008-01-15 CE = 2008-W03-2 ISO, Dienstag");
    form.secondDateCalendar = CalendarCode::CE;
    EXPECT_EQ(Compute("2008-01-15"), "2008-01-15 CE, Dienstag");
    EXPECT_EQ(Compute("", "-10", "2008-01-15"),
              "2008-01-15 CE plus 10 Tage = 2008-01-25 CE, Freitag");
    EXPECT_EQ(Compute("2008-01-01", "", "2009-03-15"),
              "2008-01-01 CE bis 2009-03-15 CE = 439 Tage (1 Jahr, 2 Monate, 14 Tage)");
    form.chkVerbose = 1;
    form.chkIncludeWeekends = 0;
    EXPECT_EQ(Compute("2008-01-04", "1"),
              "2008-01-04 CE plus 1 Tag = 2008-01-07 CE, Montag, ausschliesslich 1. Datum, "
              "die Wochenendtage nicht gezählt");
    EXPECT_EQ(Compute("2008-01-04", "", "2008-01-07"),
              "2008-01-04 CE bis 2008-01-07 CE = 1 Tag, ausschliesslich 1. Datum, "
              "die Wochenendtage nicht gezählt");
}

TEST_F(ComputeCommand, EveryFieldCombination) {
    form.chkVerbose = 0;
    // First date only: converted.
    EXPECT_EQ(Compute("2008-01-15"), "2008-01-15 CE, Tuesday");
    // Second date only: converted into the first date's calendar.
    form.firstDateCalendar = CalendarCode::JDN;
    EXPECT_EQ(Compute("", "", "2008-01-15"), "2008-01-15 CE = 2,454,481 JDN, Tuesday");
    EXPECT_EQ(form.txbFirstDate.text, "2,454,481");
    form.firstDateCalendar = CalendarCode::CE;
    // First date and difference: the second date.
    EXPECT_EQ(Compute("2008-01-15", "10"), "2008-01-15 CE plus 10 days = 2008-01-25 CE, Friday");
    EXPECT_EQ(form.txbSecondDate.text, "2008-01-25");
    // Second date and difference: the first date.
    EXPECT_EQ(Compute("", "10", "2008-01-25"),
              "2008-01-25 CE minus 10 days = 2008-01-15 CE, Tuesday");
    // Both dates: the difference.
    EXPECT_EQ(Compute("2008-01-25", "", "2008-01-15"), "2008-01-25 CE to 2008-01-15 CE = -10 days");
    EXPECT_EQ(form.txbDateDiff.text, "-10");
    // The focus goes to Compute once two fields are filled.
    EXPECT_EQ(form.focus, MainControl::cmdCompute);
}

TEST_F(ComputeCommand, AllFieldsEmptyReportsToday) {
    form.chkVerbose = 0;
    form.secondDateCalendar = CalendarCode::JDN;
    EXPECT_EQ(Compute(""), "2008-03-15 CE = 2,454,541 JDN, Saturday");
    EXPECT_EQ(form.txbFirstDate.text, "2008-03-15");
    form.firstDateCalendar = CalendarCode::ISO;
    form.secondDateCalendar = CalendarCode::CE;
    EXPECT_EQ(Compute(""), "2008-W11-6 ISO = 2008-03-15 CE, Saturday");
}

TEST_F(ComputeCommand, OnlyADifferenceDoesNothing) {
    Compute("", "12");
    EXPECT_EQ(form.txbOutput.text, "");
    EXPECT_EQ(form.txbDateDiff.text, "12");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form.focus, MainControl::txbFirstDate);
}

TEST_F(ComputeCommand, ThreeFieldsAskWhichToClear) {
    form.chkVerbose = 0;
    dialogs.clearAnswer = ClearChoice::Cancel;
    Compute("2008-01-01", "5", "2008-02-01");
    EXPECT_EQ(dialogs.clearDialogShown, 1);
    EXPECT_EQ(form.txbOutput.text, "") << "cancel writes nothing";
    EXPECT_EQ(form.txbDateDiff.text, "5");

    dialogs.clearAnswer.reset();  // the user just presses Continue
    EXPECT_EQ(Compute("2008-01-01", "5", "2008-02-01"),
              "2008-01-01 CE to 2008-02-01 CE = 31 days (1 month)")
        << "a cancel is replaced by the default, the difference";

    dialogs.clearAnswer = ClearChoice::SecondDate;
    EXPECT_EQ(Compute("2008-01-01", "5", "2008-02-01"),
              "2008-01-01 CE plus 5 days = 2008-01-06 CE, Sunday");
    dialogs.clearAnswer.reset();
    Compute("2008-01-01", "5", "2008-02-01");
    EXPECT_EQ(form.txbSecondDate.text, "2008-01-06") << "the last choice is remembered";
}

TEST_F(ComputeCommand, SpacesAreTrimmedEvenWhenValidationFails) {
    Compute("  2008-02-30 ", " 3 ");
    EXPECT_EQ(form.txbFirstDate.text, "2008-02-30");
    EXPECT_EQ(form.txbDateDiff.text, "3");
    EXPECT_EQ(LastMessage(),
              "First date is not valid in specified calendar using specified date format.");
    EXPECT_EQ(dialogs.messages.back().title, "Error!");
    EXPECT_EQ(form.txbOutput.text, "");
}

TEST_F(ComputeCommand, ValidationMessages) {
    Compute("", "", "2008-13-01");
    EXPECT_EQ(LastMessage(),
              "Second date is not valid in specified calendar using specified date format.");
    Compute("2008-01-01", "2100000001");
    EXPECT_EQ(LastMessage(), "Date difference is out of range.");
    Compute("2008-01-01", "12345678901");
    EXPECT_EQ(LastMessage(), "Date difference is out of range.");
    Compute("2008-01-01", "abc");
    EXPECT_EQ(LastMessage(), "Date difference is not valid.");
    form.firstDateCalendar = CalendarCode::ISO;
    Compute("6000000-W01-1");
    EXPECT_EQ(LastMessage(), "First date is out of range.");

    form.intLanguage = LanguageCode::German;
    Compute("6000000-W01-1");
    EXPECT_EQ(LastMessage(), "Erstes Datum liegt ausserhalb des erlaubten Bereichs.");
    EXPECT_EQ(dialogs.messages.back().title, "Fehler!");
}

TEST_F(ComputeCommand, ValidationWritesNormalForms) {
    form.chkVerbose = 0;
    form.firstDateCalendar = CalendarCode::JDN;
    form.secondDateCalendar = CalendarCode::JDN;
    EXPECT_EQ(Compute("2454000", "-1000"),
              "2,454,000 JDN minus 1,000 days = 2,453,000 JDN, Friday");
    EXPECT_EQ(form.txbFirstDate.text, "2,454,000");
    EXPECT_EQ(form.txbDateDiff.text, "-1,000");

    form.firstDateCalendar = CalendarCode::ORD;
    form.secondDateCalendar = CalendarCode::CE;
    EXPECT_EQ(Compute("2008-015"), "2008-015 = 2008-01-15 CE, Tuesday")
        << "ordinal dates have no code";
    form.chkHyphen = 0;
    EXPECT_EQ(Compute("2008015"), "2008015 = 2008-01-15 CE, Tuesday");
    Compute("2008-015");
    EXPECT_EQ(LastMessage(),
              "First date is not valid in specified calendar using specified date format.");

    form.firstDateCalendar = CalendarCode::CE;
    form.dateOrder = DateOrder::DMY;
    form.separators.strDateSep = "/";
    EXPECT_EQ(Compute("5/3/2008"), "05/03/2008 CE, Wednesday");
    form.separators.strThousSep = "";
    form.firstDateCalendar = CalendarCode::JDN;
    form.secondDateCalendar = CalendarCode::JDN;
    EXPECT_EQ(Compute("2,454,000"), "2454000 JDN, Thursday");
    form.separators.strThousSep = ".";
    EXPECT_EQ(Compute("2454000"), "2.454.000 JDN, Thursday");
    main.cmdCompute_Click();
    EXPECT_EQ(LastLine(), "2.454.000 JDN, Thursday") << "the normal form reads back";
}

TEST_F(ComputeCommand, DaysBetweenEdgeCases) {
    form.chkVerbose = 0;
    EXPECT_EQ(Compute("2008-01-15", "", "2008-01-15"), "2008-01-15 CE to 2008-01-15 CE = 0 days");
    EXPECT_EQ(Compute("2008-01-01", "", "2008-01-31"), "2008-01-01 CE to 2008-01-31 CE = 30 days");
    EXPECT_EQ(Compute("2008-01-01", "", "2008-02-01"),
              "2008-01-01 CE to 2008-02-01 CE = 31 days (1 month)");
    EXPECT_EQ(Compute("2008-01-25", "", "2008-01-24"), "2008-01-25 CE to 2008-01-24 CE = -1 day");

    form.chkIncludeFirstDate = 1;
    EXPECT_EQ(Compute("2008-01-15", "", "2008-01-15"), "2008-01-15 CE to 2008-01-15 CE = 1 day");
    EXPECT_EQ(Compute("2008-01-01", "", "2008-02-01"),
              "2008-01-01 CE to 2008-02-01 CE = 32 days (1 month, 1 day)")
        << "the breakdown starts the day before a counted first date";
    form.chkIncludeWeekends = 0;
    EXPECT_EQ(Compute("2008-01-05", "", "2008-01-05"), "2008-01-05 CE to 2008-01-05 CE = 0 days")
        << "a Saturday is not counted";
    EXPECT_EQ(Compute("2008-01-04", "", "2008-01-07"), "2008-01-04 CE to 2008-01-07 CE = 2 days");
    EXPECT_EQ(Compute("2008-01-07", "", "2008-01-11"), "2008-01-07 CE to 2008-01-11 CE = 5 days");
    form.chkIncludeFirstDate = 0;
    EXPECT_EQ(Compute("2008-01-07", "", "2008-01-11"), "2008-01-07 CE to 2008-01-11 CE = 4 days");
    EXPECT_EQ(Compute("2008-01-01", "", "2008-03-01"), "2008-01-01 CE to 2008-03-01 CE = 43 days")
        << "no breakdown of working days";
}

TEST_F(ComputeCommand, BreakdownsByNotation) {
    form.chkVerbose = 0;
    form.firstDateCalendar = CalendarCode::ISO;
    form.secondDateCalendar = CalendarCode::ISO;
    EXPECT_EQ(Compute("2008-W10-1", "", "2008-W10-7"), "2008-W10-1 ISO to 2008-W10-7 ISO = 6 days");
    EXPECT_EQ(Compute("2008-W10-1", "", "2008-W11-1"),
              "2008-W10-1 ISO to 2008-W11-1 ISO = 7 days (1 week)");
    EXPECT_EQ(Compute("2008-W10-5", "", "2009-W12-3"),
              "2008-W10-5 ISO to 2009-W12-3 ISO = 376 days (1 year, 1 week, 5 days)");

    form.firstDateCalendar = CalendarCode::ORD;
    form.secondDateCalendar = CalendarCode::ORD;
    EXPECT_EQ(Compute("2008-001", "", "2008-101"),
              "2008-001 to 2008-101 = 100 days (3 months, 9 days)");
    EXPECT_EQ(Compute("2007-300", "", "2008-300"), "2007-300 to 2008-300 = 365 days (1 year)");

    form.firstDateCalendar = CalendarCode::CE;
    form.secondDateCalendar = CalendarCode::JC;
    EXPECT_EQ(Compute("2008-01-01", "", "2009-01-01"), "2008-01-01 CE to 2009-01-01 JC = 379 days")
        << "no breakdown across calendars";
}

TEST_F(ComputeCommand, MonthsMode) {
    form.chkVerbose = 1;
    form.optMonths = true;
    EXPECT_EQ(Compute("2008-01-31", "1"), "2008-01-31 CE plus 1 month = 2008-02-29 CE, Friday")
        << "no verbose notes in months mode";
    EXPECT_EQ(Compute("", "1", "2008-03-31"),
              "2008-03-31 CE minus 1 month = 2008-02-29 CE, Friday");
    EXPECT_EQ(Compute("2008-01-15", "-13"),
              "2008-01-15 CE minus 13 months = 2006-12-15 CE, Friday");
    EXPECT_EQ(Compute("", "-1200", "2008-01-15"),
              "2008-01-15 CE plus 1,200 months = 2108-01-15 CE, Sunday");
    EXPECT_EQ(form.txbDateDiff.text, "-1,200");

    form.firstDateCalendar = CalendarCode::JC;
    form.secondDateCalendar = CalendarCode::JC;
    EXPECT_EQ(Compute("2100-01-31", "1"), "2100-01-31 JC plus 1 month = 2100-02-29 JC, Sunday");
    form.firstDateCalendar = CalendarCode::CE;
    form.secondDateCalendar = CalendarCode::CE;
    EXPECT_EQ(Compute("2100-01-31", "1"), "2100-01-31 CE plus 1 month = 2100-02-28 CE, Sunday");

    form.firstDateCalendar = CalendarCode::LPM;
    form.secondDateCalendar = CalendarCode::LPM;
    EXPECT_EQ(Compute("2008-01-35", "1"), "2008-01-35 LPM plus 1 month = 2008-02-28 LPM, Sunday");
    EXPECT_EQ(Compute("2008-00-10", "12"),
              "2008-01-10 LPM plus 12 months = 2009-01-10 LPM, Wednesday")
        << "month 0 reads as January";

    // A lone date is converted even in months mode.
    form.firstDateCalendar = CalendarCode::CE;
    form.secondDateCalendar = CalendarCode::CE;
    EXPECT_EQ(Compute("2008-01-15"), "2008-01-15 CE, Tuesday");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ComputeCommand, MonthsModeRefusals) {
    form.optMonths = true;
    Compute("2008-01-01", "", "2008-02-01");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.back().title, "Compute");
    EXPECT_EQ(LastMessage(), texts.ProgramText(21) + "\r\n" + texts.ProgramText(22));
    EXPECT_FALSE(form.optMonths) << "days are selected for the next press";
    EXPECT_EQ(Compute("2008-01-01", "", "2008-02-01"),
              "2008-01-01 CE to 2008-02-01 CE = 31 days, excluding 1st date (1 month)");

    form.optMonths = true;
    form.secondDateCalendar = CalendarCode::JC;
    Compute("2008-01-01", "3");
    EXPECT_EQ(LastMessage(), texts.ProgramText(23) + "\r\n" + texts.ProgramText(24))
        << "refused even though the second field is empty";
    EXPECT_TRUE(form.optMonths);

    for (CalendarCode cal :
         {CalendarCode::ISO, CalendarCode::JDN, CalendarCode::LPW, CalendarCode::ORD}) {
        form.firstDateCalendar = cal;
        form.secondDateCalendar = cal;
        Compute("2454000", "3");
        EXPECT_EQ(LastMessage(), texts.ProgramText(25) + "\r\n" + texts.ProgramText(26) + "\r\n" +
                                     texts.ProgramText(27));
    }
    form.firstDateCalendar = CalendarCode::CE;
    form.secondDateCalendar = CalendarCode::CE;
    Compute("2008-01-01", "x");
    EXPECT_EQ(LastMessage(), "Date difference is not valid.");
    EXPECT_EQ(form.txbOutput.text, "");
}

TEST_F(ComputeCommand, ResultsOutOfRange) {
    form.firstDateCalendar = CalendarCode::JDN;
    form.secondDateCalendar = CalendarCode::JDN;
    Compute("2099999999", "2");
    EXPECT_EQ(form.txbOutput.text, "Out of Range\r\n\r\n") << "no result line";
    EXPECT_EQ(LastMessage(), "Result is out of range.");
    EXPECT_EQ(form.txbSecondDate.text, "");

    form.firstDateCalendar = CalendarCode::CE;
    form.secondDateCalendar = CalendarCode::ORD;
    Compute("0000-12-31");
    EXPECT_EQ(form.txbOutput.text, "0-12-31 CE = Out of Range\r\n\r\n");
    form.firstDateCalendar = CalendarCode::ORD;
    form.secondDateCalendar = CalendarCode::CE;
    form.chkVerbose = 0;
    Compute("", "10", "0001-01-05");
    EXPECT_EQ(form.txbOutput.text, "1-01-05 CE minus 10 days = Out of Range\r\n\r\n");
    EXPECT_EQ(form.txbFirstDate.text, "") << "the computed field keeps its text";
    form.firstDateCalendar = CalendarCode::CE;

    form.secondDateCalendar = CalendarCode::CE;
    form.optMonths = true;
    Compute("2008-01-01", "2100000000");
    EXPECT_EQ(form.txbOutput.text, "Out of Range\r\n\r\n")
        << "months beyond the supported years go out of range";
}

TEST_F(ComputeCommand, OutputCaretAfterAReport) {
    Compute("2008-01-15");
    EXPECT_EQ(form.txbOutput.selStart, static_cast<int>(form.txbOutput.text.size()) - 1);
    main.cmdCompute_Click();
    EXPECT_EQ(std::count(form.txbOutput.text.begin(), form.txbOutput.text.end(), '\n'), 2)
        << "reports stand on consecutive lines";
}

}  // namespace
}  // namespace tembrel
