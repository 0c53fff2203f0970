// The format options and the rewrite of ordinal and ISO week dates by the hyphen
// check box.
#include "tests/ui/model/main_form_fixture.h"
#include "ui/model/hyphen_rewrite.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::MainFormTest;
using test_support::PrintTo;

struct OrderCase {
    C option;
    const char* dash;
    const char* dot;
    const char* slash;
};

class DateOrderTest : public MainFormTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(DateOrderTest, EmptiesTheInputFieldsAndRewritesTheSeparatorSamples) {
    // State: all three fields and the output filled. Action: choose a date order.
    // Expected: the fields are empty, the output is not, the samples follow the order.
    form.txbFirstDate.text = "2012-05-06";
    form.txbDateDiff.text = "3";
    form.txbSecondDate.text = "2012-05-09";
    form.txbOutput.text = "kept\r\n";
    main.Click(GetParam().option);
    EXPECT_TRUE(form.txbFirstDate.text.empty());
    EXPECT_TRUE(form.txbDateDiff.text.empty());
    EXPECT_TRUE(form.txbSecondDate.text.empty());
    EXPECT_EQ(form.txbOutput.text, "kept\r\n");
    EXPECT_EQ(form.focus, MainControl::txbFirstDate);
    EXPECT_EQ(main.Caption(C::optSeparatorIsDash), GetParam().dash);
    EXPECT_EQ(main.Caption(C::optSeparatorIsDot), GetParam().dot);
    EXPECT_EQ(main.Caption(C::optSeparatorIsSlash), GetParam().slash);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, DateOrderTest,
    ::testing::Values(OrderCase{C::optDateFormatIsYMD, "2012-12-31", "2012.12.31", "2012/12/31"},
                      OrderCase{C::optDateFormatIsDMY, "31-12-2012", "31.12.2012", "31/12/2012"},
                      OrderCase{C::optDateFormatIsMDY, "12-31-2012", "12.31.2012", "12/31/2012"}));

TEST_F(MainFormTest, DateSeparatorChangeEmptiesFieldsAndRedrawsTheTodayLabels) {
    form.txbFirstDate.text = "2008-03-15";
    main.Click(C::optSeparatorIsSlash);
    EXPECT_EQ(form.separators.strDateSep, "/");
    EXPECT_TRUE(form.txbFirstDate.text.empty());
    EXPECT_EQ(main.Caption(C::lblTodaysDate), "Today is Saturday,\r\n2008/03/15 CE");
    EXPECT_EQ(main.Caption(C::lblWeekFromToday), "A week from today is\r\n2008/03/22 CE");
}

TEST_F(MainFormTest, ThousandsSeparatorChangeKeepsTheFields) {
    // State: first and second date filled. Action: "none". Expected: the
    // separator is the empty text, the fields stay, Compute has the focus.
    form.txbFirstDate.text = "2008-03-15";
    form.txbSecondDate.text = "2008-03-16";
    main.Click(C::optThousSepNone);
    EXPECT_EQ(form.separators.strThousSep, "");
    EXPECT_TRUE(main.IsSelected(C::optThousSepNone));
    EXPECT_EQ(form.txbFirstDate.text, "2008-03-15");
    EXPECT_EQ(form.focus, MainControl::cmdCompute);
    main.Click(C::optThousSepIsDot);
    EXPECT_EQ(form.separators.strThousSep, ".");
}

TEST_F(MainFormTest, MonthsHidesTheCountingCheckBoxesAndDaysShowsThemUnchanged) {
    main.CheckBoxClicked(C::chkIncludeFirstDate, 1);
    main.CheckBoxClicked(C::chkIncludeWeekends, 0);
    main.Click(C::optMonths);
    EXPECT_TRUE(form.optMonths);
    EXPECT_FALSE(main.IsVisible(C::chkIncludeFirstDate));
    EXPECT_FALSE(main.IsVisible(C::chkIncludeWeekends));
    EXPECT_TRUE(main.IsVisible(C::chkVerbose));
    main.Click(C::optDays);
    EXPECT_FALSE(form.optMonths);
    EXPECT_TRUE(main.IsVisible(C::chkIncludeFirstDate));
    EXPECT_TRUE(main.IsVisible(C::chkIncludeWeekends));
    EXPECT_EQ(main.CheckValue(C::chkIncludeFirstDate), 1);
    EXPECT_EQ(main.CheckValue(C::chkIncludeWeekends), 0);
}

struct RewriteCase {
    const char* name;
    const char* text;
    bool hyphen;
    const char* expected;
};

class HyphenRewriteTest : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(HyphenRewriteTest, BringsOrdinalAndIsoWeekDatesIntoTheAskedForm) {
    EXPECT_EQ(RewriteForHyphen(GetParam().text, GetParam().hyphen), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HyphenRewriteTest,
    ::testing::Values(RewriteCase{"OrdinalToCompact", "2008-060", false, "2008060"},
                      RewriteCase{"OrdinalToHyphenated", "2008060", true, "2008-060"},
                      RewriteCase{"IsoToCompact", "2008-W10-6", false, "2008W106"},
                      RewriteCase{"IsoToHyphenated", "2008W106", true, "2008-W10-6"},
                      RewriteCase{"LeapDay366", "2008-366", false, "2008366"},
                      RewriteCase{"Day366OfCommonYearStays", "2007-366", false, "2007-366"},
                      RewriteCase{"CommonEraDateStays", "2008-03-01", false, "2008-03-01"},
                      RewriteCase{"LowerCaseWStays", "2008w011", true, "2008w011"},
                      RewriteCase{"AlreadyInFormStays", "2008-060", true, "2008-060"},
                      RewriteCase{"SpacesAreTrimmed", "  2008060 ", true, "2008-060"},
                      RewriteCase{"OtherTextOnlyTrimmed", " 2,454,541 ", false, "2,454,541"},
                      RewriteCase{"NegativeIsoYearKeepsItsSign", "-2008-W01-1", false, "-2008W011"},
                      RewriteCase{"NegativeIsoYearHyphenated", "-2008W011", true, "-2008-W01-1"},
                      RewriteCase{"Empty", "", true, ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainFormTest, HyphenCheckBoxRewritesBothFieldsAndTheOrdinalCaption) {
    // State: 2008-060 in the first field, 2008-W10-6 in the second.
    form.txbFirstDate.text = "2008-060";
    form.txbSecondDate.text = "2008-W10-6";
    // Action: clear the check box. Expected: compact forms, compact pattern.
    main.CheckBoxClicked(C::chkHyphen, 0);
    EXPECT_EQ(form.txbFirstDate.text, "2008060");
    EXPECT_EQ(form.txbSecondDate.text, "2008W106");
    EXPECT_EQ(main.Caption(C::optFirstDateIsORD), "Ordinal date (yyyyddd)");
    EXPECT_EQ(main.Caption(C::optSecondDateIsORD), "Ordinal date");
    // Action: set it again. Expected: the hyphenated forms are back.
    main.CheckBoxClicked(C::chkHyphen, 1);
    EXPECT_EQ(form.txbFirstDate.text, "2008-060");
    EXPECT_EQ(form.txbSecondDate.text, "2008-W10-6");
    EXPECT_EQ(main.Caption(C::optFirstDateIsORD), "Ordinal date (yyyy-ddd)");
}

TEST_F(MainFormTest, OrdinalCaptionFollowsTheLanguage) {
    UseLanguage(LanguageCode::German);
    EXPECT_EQ(main.Caption(C::optFirstDateIsORD), "Ordinaldatum (JJJJ-TTT)");
    main.CheckBoxClicked(C::chkHyphen, 0);
    EXPECT_EQ(main.Caption(C::optFirstDateIsORD), "Ordinaldatum (JJJJTTT)");
}

}  // namespace
}  // namespace tembrel
