// The today labels, their calendar cycle and the Today buttons.
#include "tests/ui/model/main_form_fixture.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::MainFormTest;
using test_support::PrintTo;

TEST_F(MainFormTest, TodayLabelsShowTodayAndAWeekLaterInTwoLines) {
    EXPECT_EQ(main.Caption(C::lblTodaysDate), "Today is Saturday,\r\n2008-03-15 CE");
    EXPECT_EQ(main.Caption(C::lblWeekFromToday), "A week from today is\r\n2008-03-22 CE");
    EXPECT_EQ(main.Tooltip(C::lblTodaysDate), "Click to change calendar");
}

TEST_F(MainFormTest, GermanLabelsPutDerAfterTheLineBreak) {
    UseLanguage(LanguageCode::German);
    EXPECT_EQ(main.Caption(C::lblTodaysDate), "Heute ist Samstag,\r\nder 2008-03-15 CE");
    EXPECT_EQ(main.Caption(C::lblWeekFromToday), "Eine Woche weiter ist\r\nder 2008-03-22 CE");
}

TEST_F(MainFormTest, LeftClicksCycleThroughSevenCalendarsBackToCE) {
    // Action: seven left clicks. Expected: each calendar once, AN and NLW never.
    const char* const expected[] = {
        "2008-W11-6 ISO", "2008-03-02 JC", "2008-075",      "2008-03-20 LPM",
        "2008-12-6 LPW",  "2,454,541 JDN", "2008-03-15 CE",
    };
    for (const char* date : expected) {
        main.lblToday_MouseUp(kLeftButton);
        EXPECT_EQ(main.Caption(C::lblTodaysDate), std::string("Today is Saturday,\r\n") + date);
    }
    EXPECT_EQ(window.intTodayCal, CalendarCode::CE);
}

TEST_F(MainFormTest, RightClickStepsBackAndOtherButtonsForward) {
    main.lblToday_MouseUp(kRightButton);
    EXPECT_EQ(window.intTodayCal, CalendarCode::JDN);
    EXPECT_EQ(main.Caption(C::lblWeekFromToday), "A week from today is\r\n2,454,548 JDN");
    main.lblToday_MouseUp(kMiddleButton);
    EXPECT_EQ(window.intTodayCal, CalendarCode::CE);
    main.lblToday_MouseUp(kLeftButton);
    EXPECT_EQ(window.intTodayCal, CalendarCode::ISO);
}

TEST_F(MainFormTest, CalendarOutsideTheCycleStays) {
    window.intTodayCal = CalendarCode::AN;
    main.NextTodayCal();
    EXPECT_EQ(window.intTodayCal, CalendarCode::AN);
    main.PrevTodayCal();
    EXPECT_EQ(window.intTodayCal, CalendarCode::AN);
}

TEST_F(MainFormTest, LabelsFollowTheHyphenAndThousandsOptionsAtTheNextRedraw) {
    window.intTodayCal = CalendarCode::ISO;
    main.ShowTodaysDate();
    // The hyphen option changes nothing until the labels are redrawn.
    main.CheckBoxClicked(C::chkHyphen, 0);
    EXPECT_EQ(main.Caption(C::lblTodaysDate), "Today is Saturday,\r\n2008-W11-6 ISO");
    main.ShowTodaysDate();
    EXPECT_EQ(main.Caption(C::lblTodaysDate), "Today is Saturday,\r\n2008W116 ISO");
}

TEST_F(MainFormTest, LabelsStayBlankUntilStartUpCompletes) {
    test_support::ScriptedDialogs otherDialogs;
    test_support::RecordingClipboard otherClipboard;
    MainForm fresh(texts, otherDialogs, otherClipboard);
    fresh.ShowTodaysDate();
    EXPECT_EQ(fresh.Caption(C::lblTodaysDate), "");
}

struct TodayCase {
    const char* name;
    C calendar;
    int16_t hyphen;
    const char* expected;
};

class TodayButtonTest : public MainFormTest, public ::testing::WithParamInterface<TodayCase> {};

TEST_P(TodayButtonTest, WritesTodayInTheSecondFieldsNotationWithoutCode) {
    main.Click(GetParam().calendar);
    main.CheckBoxClicked(C::chkHyphen, GetParam().hyphen);
    main.Click(C::cmdToday1);
    EXPECT_EQ(form.txbSecondDate.text, GetParam().expected);
    EXPECT_TRUE(form.txbFirstDate.text.empty());
    EXPECT_EQ(form.focus, MainControl::txbFirstDate);
}

INSTANTIATE_TEST_SUITE_P(
    Notations, TodayButtonTest,
    ::testing::Values(TodayCase{"CE", C::optSecondDateIsCE, 1, "2008-03-15"},
                      TodayCase{"IsoHyphen", C::optSecondDateIsISO, 1, "2008-W11-6"},
                      TodayCase{"IsoCompact", C::optSecondDateIsISO, 0, "2008W116"},
                      TodayCase{"Lpw", C::optSecondDateIsLPW, 1, "2008-12-6"},
                      TodayCase{"Lpm", C::optSecondDateIsLPM, 1, "2008-03-20"},
                      TodayCase{"Jdn", C::optSecondDateIsJDN, 1, "2,454,541"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainFormTest, TodayButtonOfTheFirstFieldUsesTheDateOrder) {
    main.Click(C::optDateFormatIsDMY);
    main.Click(C::optSeparatorIsSlash);
    main.Click(C::cmdToday0);
    EXPECT_EQ(form.txbFirstDate.text, "15/03/2008");
    EXPECT_EQ(form.focus, MainControl::txbDateDiff);
}

}  // namespace
}  // namespace tembrel
