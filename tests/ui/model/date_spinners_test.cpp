// The spinners beside the date fields.
#include "compute/compute_messages.h"
#include "tests/ui/model/main_form_fixture.h"
#include "ui/model/form_rules.h"
#include "ui/model/option_bindings.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::MainFormTest;
using test_support::PrintTo;

TEST_F(MainFormTest, ForwardStepsCrossTheLeapDay) {
    form.txbFirstDate.text = "2008-02-28";
    form.txbDateDiff.text = "7";
    main.VScroll_Change(0, 1);
    EXPECT_EQ(form.txbFirstDate.text, "2008-02-29");
    EXPECT_TRUE(form.txbDateDiff.text.empty());
    EXPECT_EQ(form.focus, MainControl::txbFirstDate);
    EXPECT_EQ(form.txbFirstDate.selStart, 10);
    main.VScroll_Change(0, 1);
    EXPECT_EQ(form.txbFirstDate.text, "2008-03-01");
}

TEST_F(MainFormTest, DayNumberStepsBackWithItsSeparators) {
    main.Click(C::optSecondDateIsJDN);
    form.txbSecondDate.text = "2,454,500";
    main.VScroll_Change(1, -1);
    EXPECT_EQ(form.txbSecondDate.text, "2,454,499");
    EXPECT_EQ(form.focus, MainControl::txbSecondDate);
}

struct StepCase {
    const char* name;
    CalendarCode cal;
    const char* today;     // 15 March 2008
    const char* tomorrow;  // 16 March 2008
};

class SpinNotationTest : public MainFormTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(SpinNotationTest, StepsOneDayInTheFieldsOwnNotation) {
    main.Click(OptionOf(OptionGroup::FirstCalendar, static_cast<int16_t>(GetParam().cal)));
    form.txbFirstDate.text = GetParam().today;
    main.VScroll_Change(0, 1);
    EXPECT_EQ(form.txbFirstDate.text, GetParam().tomorrow);
    main.VScroll_Change(0, -1);
    EXPECT_EQ(form.txbFirstDate.text, GetParam().today);
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Notations, SpinNotationTest,
    ::testing::Values(StepCase{"CE", CalendarCode::CE, "2008-03-15", "2008-03-16"},
                      StepCase{"JC", CalendarCode::JC, "2008-03-02", "2008-03-03"},
                      StepCase{"ISO", CalendarCode::ISO, "2008-W11-6", "2008-W11-7"},
                      StepCase{"ORD", CalendarCode::ORD, "2008-075", "2008-076"},
                      StepCase{"LPM", CalendarCode::LPM, "2008-03-20", "2008-03-21"},
                      StepCase{"LPW", CalendarCode::LPW, "2008-12-6", "2008-12-7"},
                      StepCase{"JDN", CalendarCode::JDN, "2,454,541", "2,454,542"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainFormTest, OrdinalStepBeforeYearOneIsOutOfRange) {
    // State: 0001-001 in an ordinal field. Action: one day back. Expected:
    // "Out of Range" in the output, message 9, the field unchanged.
    main.Click(C::optFirstDateIsORD);
    form.txbFirstDate.text = "0001-001";
    form.txbOutput.text = "earlier\r\n";
    main.VScroll_Change(0, -1);
    EXPECT_EQ(form.txbFirstDate.text, "0001-001");
    EXPECT_EQ(form.txbOutput.text, "earlier\r\nOut of Range\r\n");
    EXPECT_EQ(form.txbOutput.selStart, static_cast<int>(form.txbOutput.text.size()));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, ComputeMsg(kMsgResultOutOfRange, LanguageCode::English));
    EXPECT_EQ(dialogs.messages[0].title, "Error!");
}

TEST_F(MainFormTest, StepBeyondTheLastDayNumberIsOutOfRange) {
    main.Click(C::optFirstDateIsJDN);
    form.txbFirstDate.text = "2,100,000,000";
    main.VScroll_Change(0, 1);
    EXPECT_EQ(form.txbFirstDate.text, "2,100,000,000");
    EXPECT_EQ(LastMessage(), ComputeMsg(kMsgResultOutOfRange, LanguageCode::English));
    main.VScroll_Change(0, -1);
    EXPECT_EQ(form.txbFirstDate.text, "2,099,999,999");
}

TEST_F(MainFormTest, EmptyFieldOnlyEmptiesTheDifferenceAndTakesTheFocus) {
    form.txbDateDiff.text = "3";
    form.txbSecondDate.text = "2008-01-01";
    main.VScroll_Change(0, 1);
    EXPECT_TRUE(form.txbFirstDate.text.empty());
    EXPECT_TRUE(form.txbDateDiff.text.empty());
    EXPECT_EQ(form.focus, MainControl::txbFirstDate);
    EXPECT_TRUE(dialogs.messages.empty());
}

struct BadTextCase {
    const char* name;
    int index;
    const char* text;
    int message;
};

class SpinBadTextTest : public MainFormTest, public ::testing::WithParamInterface<BadTextCase> {};

TEST_P(SpinBadTextTest, ShowsTheFieldsMessageAndKeepsTheText) {
    const BadTextCase& c = GetParam();
    TextBoxState& box = form.DateBox(c.index == 0 ? DateField::First : DateField::Second);
    box.text = c.text;
    form.txbDateDiff.text = "3";
    main.VScroll_Change(c.index, 1);
    EXPECT_EQ(box.text, c.text);
    EXPECT_TRUE(form.txbDateDiff.text.empty());
    EXPECT_EQ(LastMessage(), ComputeMsg(c.message, LanguageCode::English));
    EXPECT_TRUE(form.txbOutput.text.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpinBadTextTest,
    ::testing::Values(BadTextCase{"FirstInvalid", 0, "2008-02-30", kMsgFirstDateInvalid},
                      BadTextCase{"SecondInvalid", 1, "tomorrow", kMsgSecondDateInvalid},
                      BadTextCase{"FirstOutOfRange", 0, "9000000-01-01", kMsgFirstDateOutOfRange},
                      BadTextCase{"SecondOutOfRange", 1, "9000000-01-01",
                                  kMsgSecondDateOutOfRange}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainFormTest, RestingValueAndUnknownSpinnersDoNothing) {
    form.txbFirstDate.text = "2008-01-01";
    form.txbDateDiff.text = "3";
    main.VScroll_Change(0, 0);
    main.VScroll_Change(2, 1);
    EXPECT_EQ(form.txbFirstDate.text, "2008-01-01");
    EXPECT_EQ(form.txbDateDiff.text, "3");
}

}  // namespace
}  // namespace tembrel
