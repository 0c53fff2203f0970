// Converting a date field's text in place when its calendar option changes.
#include "tests/ui/model/main_form_fixture.h"
#include "ui/model/form_rules.h"
#include "ui/model/option_bindings.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::MainFormTest;
using test_support::PrintTo;

// Returns the option of `field`'s group for `cal`.
C OptionFor(DateField field, CalendarCode cal) {
    return OptionOf(
        field == DateField::First ? OptionGroup::FirstCalendar : OptionGroup::SecondCalendar,
        static_cast<int16_t>(cal));
}

struct NotationCase {
    const char* name;
    CalendarCode cal;
    const char* text;  // 15 March 2008 in that notation
};

const NotationCase kNotations[] = {
    {"ISO", CalendarCode::ISO, "2008-W11-6"}, {"JC", CalendarCode::JC, "2008-03-02"},
    {"ORD", CalendarCode::ORD, "2008-075"},   {"LPM", CalendarCode::LPM, "2008-03-20"},
    {"LPW", CalendarCode::LPW, "2008-12-6"},  {"JDN", CalendarCode::JDN, "2,454,541"},
};

class CalendarSwitchTest
    : public MainFormTest,
      public ::testing::WithParamInterface<std::tuple<DateField, NotationCase>> {};

TEST_P(CalendarSwitchTest, ConvertsTheFieldThereAndBack) {
    // State: 2008-03-15 in CE. Action: choose the notation, then CE again.
    // Expected: the day in that notation, then the CE text again; the caret
    // ends in the difference field.
    const auto& [field, notation] = GetParam();
    TextBoxState& box = form.DateBox(field);
    box.text = "2008-03-15";
    main.Click(OptionFor(field, notation.cal));
    EXPECT_EQ(box.text, notation.text);
    EXPECT_EQ(GetCal(form, field), notation.cal);
    EXPECT_EQ(form.focus, MainControl::txbDateDiff);
    main.Click(OptionFor(field, CalendarCode::CE));
    EXPECT_EQ(box.text, "2008-03-15");
}

INSTANTIATE_TEST_SUITE_P(Notations, CalendarSwitchTest,
                         ::testing::Combine(::testing::Values(DateField::First, DateField::Second),
                                            ::testing::ValuesIn(kNotations)),
                         [](const auto& row) {
                             return std::string(std::get<0>(row.param) == DateField::First
                                                    ? "First"
                                                    : "Second") +
                                    std::get<1>(row.param).name;
                         });

TEST_F(MainFormTest, DayNumberIsReadWithOrWithoutSeparators) {
    for (const char* text : {"2,454,481", "2454481"}) {
        main.Click(C::optFirstDateIsJDN);
        form.txbFirstDate.text = text;
        main.Click(C::optFirstDateIsCE);
        EXPECT_EQ(form.txbFirstDate.text, "2008-01-15") << text;
    }
}

TEST_F(MainFormTest, DateBeforeYearOneStaysWhenOrdinalIsChosen) {
    // State: 31 December of year 0 in CE. Action: ORD. Expected: no change, no
    // message; the new calendar is remembered all the same.
    form.txbFirstDate.text = "0-12-31";
    main.Click(C::optFirstDateIsORD);
    EXPECT_EQ(form.txbFirstDate.text, "0-12-31");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window.intFirstFieldCal, CalendarCode::ORD);
    EXPECT_EQ(GetCal(form, DateField::First), CalendarCode::ORD);
}

TEST_F(MainFormTest, TextThatIsNoDateStaysAndTheCalendarIsRemembered) {
    form.txbSecondDate.text = "  soon  ";
    main.Click(C::optSecondDateIsISO);
    EXPECT_EQ(form.txbSecondDate.text, "soon");
    EXPECT_EQ(window.intSecondFieldCal, CalendarCode::ISO);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form.focus, MainControl::txbFirstDate);  // unchanged by a failed conversion
}

TEST_F(MainFormTest, ClickingTheSelectedCalendarConvertsNothing) {
    // 2008-3-5 is a CE date not in its normal form; a real conversion would
    // rewrite it as 2008-03-05.
    form.txbFirstDate.text = " 2008-3-5";
    main.Click(C::optFirstDateIsCE);
    EXPECT_EQ(form.txbFirstDate.text, "2008-3-5");
}

TEST_F(MainFormTest, EmptyFieldOnlyRecordsTheCalendar) {
    main.Click(C::optFirstDateIsLPW);
    EXPECT_TRUE(form.txbFirstDate.text.empty());
    EXPECT_EQ(window.intFirstFieldCal, CalendarCode::LPW);
}

TEST_F(MainFormTest, DuringStartUpCalendarOptionsOnlyTrimAndRecord) {
    form.blnStartUpCompleted = false;
    form.txbFirstDate.text = " 2008-03-15 ";
    main.SelectOption(C::optFirstDateIsISO);
    EXPECT_EQ(form.txbFirstDate.text, "2008-03-15");
    EXPECT_EQ(window.intFirstFieldCal, CalendarCode::ISO);
    // After start-up the text is taken to be written in ISO already.
    form.blnStartUpCompleted = true;
    main.Click(C::optFirstDateIsCE);
    EXPECT_EQ(form.txbFirstDate.text, "2008-03-15");
}

TEST_F(MainFormTest, ConversionUsesTheCurrentFormatOptions) {
    main.Click(C::optDateFormatIsDMY);
    main.Click(C::optSeparatorIsDot);
    main.CheckBoxClicked(C::chkHyphen, 0);
    form.txbFirstDate.text = "15.03.2008";
    main.Click(C::optFirstDateIsISO);
    EXPECT_EQ(form.txbFirstDate.text, "2008W116");
    main.Click(C::optFirstDateIsJC);
    EXPECT_EQ(form.txbFirstDate.text, "02.03.2008");
}

TEST_F(MainFormTest, EveryConversionRedrawsTheTodayLabels) {
    window.intTodayCal = CalendarCode::JDN;
    main.Click(C::optFirstDateIsJC);  // empty field: nothing converted
    EXPECT_EQ(main.Caption(C::lblTodaysDate), "Today is Saturday,\r\n2,454,541 JDN");
}

}  // namespace
}  // namespace tembrel
