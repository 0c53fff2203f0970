// Second -> First: the second date carried into the first field as a day.
#include "compute/compute_messages.h"
#include "tests/ui/model/main_form_fixture.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::MainFormTest;
using test_support::PrintTo;

TEST_F(MainFormTest, SecondDateMovesIntoTheFirstFieldsCalendar) {
    // State: second date 2008-01-25 in CE, first date option ISO, difference
    // and output filled. Expected: the ISO week date in the first field, the
    // second empty, the caret at the end of the difference; nothing else moves.
    main.Click(C::optFirstDateIsISO);
    form.txbFirstDate.text = "2008-W01-1";
    form.txbDateDiff.text = "10";
    form.txbSecondDate.text = "2008-01-25";
    form.txbOutput.text = "report\r\n";
    main.Click(C::cmdMoveSecondDateToFirst);
    EXPECT_EQ(form.txbFirstDate.text, "2008-W04-5");
    EXPECT_TRUE(form.txbSecondDate.text.empty());
    EXPECT_EQ(form.txbDateDiff.text, "10");
    EXPECT_EQ(form.txbDateDiff.selStart, 2);
    EXPECT_EQ(form.focus, MainControl::txbDateDiff);
    EXPECT_EQ(form.txbOutput.text, "report\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainFormTest, SameCalendarNormalisesTheText) {
    main.Click(C::optFirstDateIsJDN);
    main.Click(C::optSecondDateIsJDN);
    form.txbSecondDate.text = "2454541";
    main.Click(C::cmdMoveSecondDateToFirst);
    EXPECT_EQ(form.txbFirstDate.text, "2,454,541");
}

TEST_F(MainFormTest, TextThatIsNoDateShowsMessageSixAndMovesNothing) {
    form.txbFirstDate.text = "2008-01-01";
    form.txbSecondDate.text = "later";
    main.Click(C::cmdMoveSecondDateToFirst);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, ComputeMsg(kMsgSecondDateInvalid, LanguageCode::English));
    EXPECT_EQ(dialogs.messages[0].title, "Error!");
    EXPECT_EQ(form.txbFirstDate.text, "2008-01-01");
    EXPECT_EQ(form.txbSecondDate.text, "later");
    EXPECT_EQ(form.focus, MainControl::txbSecondDate);
    EXPECT_EQ(form.txbSecondDate.selStart, 5);
}

TEST_F(MainFormTest, SecondDateBeyondTheYearLimitShowsMessageEight) {
    form.txbSecondDate.text = "9000000-01-01";
    main.Click(C::cmdMoveSecondDateToFirst);
    EXPECT_EQ(LastMessage(), ComputeMsg(kMsgSecondDateOutOfRange, LanguageCode::English));
    EXPECT_EQ(form.txbSecondDate.text, "9000000-01-01");
}

TEST_F(MainFormTest, EmptySecondFieldOnlyMovesTheFocus) {
    form.txbFirstDate.text = "2008-01-01";
    main.Click(C::cmdMoveSecondDateToFirst);
    EXPECT_EQ(form.txbFirstDate.text, "2008-01-01");
    EXPECT_EQ(form.focus, MainControl::txbDateDiff);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainFormTest, OrdinalFirstFieldRefusesADayOutsideYearsOneTo9999) {
    // A day before 1 January 1 has no ordinal date this program can read back:
    // it is reported out of range and nothing moves.
    main.Click(C::optFirstDateIsORD);
    main.Click(C::optSecondDateIsJDN);
    form.txbSecondDate.text = "0";
    main.Click(C::cmdMoveSecondDateToFirst);
    EXPECT_EQ(LastMessage(), ComputeMsg(kMsgResultOutOfRange, LanguageCode::English));
    EXPECT_EQ(form.txbOutput.text, "Out of Range\r\n");
    EXPECT_TRUE(form.txbFirstDate.text.empty());
    EXPECT_EQ(form.txbSecondDate.text, "0");
}

}  // namespace
}  // namespace tembrel
