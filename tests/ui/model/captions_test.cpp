// The captions that follow the language, from the text table only.
#include "compute/compute_messages.h"
#include "tests/ui/model/main_form_fixture.h"
#include "ui/model/main_layout.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::MainFormTest;
using test_support::PrintTo;

TEST_F(MainFormTest, EnglishCaptionsAfterStartUp) {
    const std::pair<C, const char*> expected[] = {
        {C::lblDateFormat, "CE/JC date format:"},
        {C::lblDateSeparator, "CE/JC date separator:"},
        {C::lblThousandsSeparator, "Thousands separator:"},
        {C::lblFirstDate, "First date:"},
        {C::lblSecondDate, "Second date:"},
        {C::lblDateDifference, "Date difference:"},
        {C::optDays, "days"},
        {C::optMonths, "months"},
        {C::lblThisIsA0, "This is a"},
        {C::lblThisIsA1, "This is a"},
        {C::optDateFormatIsYMD, "year month day"},
        {C::optDateFormatIsDMY, "day month year"},
        {C::optDateFormatIsMDY, "month day year"},
        {C::optThousSepIsComma, "2,000,000"},
        {C::optThousSepIsDot, "2.000.000"},
        {C::optThousSepNone, "none"},
        {C::cmdCompute, "Compute"},
        {C::cmdToday0, "Today"},
        {C::cmdToday1, "Today"},
        {C::cmdReset, "Reset"},
        {C::cmdHelp, "Help"},
        {C::cmdQuit, "Quit"},
        {C::cmdClearFirstDate, "Clear"},
        {C::cmdClearOutputWindow, "Clear"},
        {C::cmdMoveSecondDateToFirst, "Second -> First"},
        {C::cmdCopyOutput, "Copy to clipboard"},
        {C::cmdDisplayMonth, "Display month"},
        {C::cmdEnlarge, "Enlarge"},
        {C::optFirstDateIsCE, "Common Era date (CE)"},
        {C::optFirstDateIsJC, "Julian Calendar date (JC)"},
        {C::optFirstDateIsORD, "Ordinal date (yyyy-ddd)"},
        {C::optFirstDateIsJDN, "Julian day number (JDN)"},
        {C::optFirstDateIsISO, "ISO Week date (ISO)"},
        {C::optFirstDateIsLPM, "Norvane Leap Week month date (LPM)"},
        {C::optFirstDateIsLPW, "Norvane Leap Week week date (LPW)"},
        {C::optSecondDateIsCE, "Common Era date"},
        {C::optSecondDateIsORD, "Ordinal date"},
        {C::optSecondDateIsLPW, "Norvane Leap Week week date"},
        {C::lblOnlineDocumentation, "Online documentation"},
        {C::chkIncludeFirstDate, "Include first date in days-beween-dates"},
        {C::chkIncludeWeekends, "Count weekend days in days-between-dates"},
        {C::chkVerbose, "Verbose"},
        {C::chkHyphen, "Hyphen in ordinal and in ISO Week dates"},
        {C::chkSaveOutput, "Save results on quit"},
        {C::lblNorvaneSystems, "Norvane Systems"},
    };
    for (const auto& [control, caption] : expected) {
        EXPECT_EQ(main.Caption(control), caption) << MainControlOf(control)->name;
    }
    EXPECT_EQ(main.PlaceOf(C::chkSaveOutput).left, 9050);
}

TEST_F(MainFormTest, GermanKeepsCapitalsExceptForNone) {
    UseLanguage(LanguageCode::German);
    EXPECT_EQ(main.Caption(C::optDateFormatIsYMD), "Jahr Monat Tag");
    EXPECT_EQ(main.Caption(C::optDateFormatIsDMY), "Tag Monat Jahr");
    EXPECT_EQ(main.Caption(C::optDateFormatIsMDY), "Monat Tag Jahr");
    EXPECT_EQ(main.Caption(C::optDays), "Tage");
    EXPECT_EQ(main.Caption(C::optMonths), "Monate");
    EXPECT_EQ(main.Caption(C::optThousSepNone), "keine");
    EXPECT_EQ(main.Caption(C::lblDateDifference), "Datumsdifferenz:");
    EXPECT_EQ(main.Caption(C::cmdClearDateDiff), "Löschen");
    EXPECT_EQ(main.Caption(C::optFirstDateIsCE), "Common Era Datum (CE)");
    EXPECT_EQ(main.Caption(C::optSecondDateIsJC), "Julianisches Kalenderdatum");
    EXPECT_EQ(main.Tooltip(C::lblTodaysDate), "Anklicken um Kalender zu verändern");
    EXPECT_EQ(main.PlaceOf(C::chkSaveOutput).left, 7775);
    // Back to English: the check box returns.
    UseLanguage(LanguageCode::English);
    EXPECT_EQ(main.PlaceOf(C::chkSaveOutput).left, 9050);
    EXPECT_EQ(main.Caption(C::optDays), "days");
}

TEST_F(MainFormTest, SeparatorSamplesAreTheSameInEveryLanguage) {
    main.Click(C::optDateFormatIsDMY);
    UseLanguage(LanguageCode::German);
    EXPECT_EQ(main.Caption(C::optSeparatorIsDot), "31.12.2012");
    EXPECT_EQ(main.Caption(C::optThousSepIsDot), "2.000.000");
}

class EveryCaptionTest : public MainFormTest, public ::testing::WithParamInterface<LanguageCode> {};

TEST_P(EveryCaptionTest, EveryControlThatShowsTextHasACaption) {
    UseLanguage(GetParam());
    for (const MainControlEntry& entry : MainWindowLayout()) {
        const bool showsText =
            entry.kind == ControlKind::Label || entry.kind == ControlKind::LinkLabel ||
            entry.kind == ControlKind::Button || entry.kind == ControlKind::Option ||
            entry.kind == ControlKind::CheckBox;
        if (showsText) {
            EXPECT_FALSE(main.Caption(entry.id).empty()) << entry.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryCaptionTest,
                         ::testing::Values(LanguageCode::English, LanguageCode::German));

TEST_F(MainFormTest, ClearOneFieldCaptionsFollowTheLanguage) {
    const ClearOneFieldCaptions& english = window.clearOneField;
    EXPECT_EQ(english.window, "Clear");
    EXPECT_EQ(english.lblClear, "Clear:");
    EXPECT_EQ(english.lblOr, "or");
    EXPECT_EQ(english.optClearFirstDate, "First date");
    EXPECT_EQ(english.optClearDateDiff, "Date difference");
    EXPECT_EQ(english.optClearSecondDate, "Second date");
    EXPECT_EQ(english.optCancel, "Cancel this operation");
    EXPECT_EQ(english.cmdContinue, "Continue");
    EXPECT_EQ(english.lblNeedToClear, ComputeMsg(kMsgDifferenceMustBeEmpty, LanguageCode::English));
    EXPECT_NE(english.lblNeedToClear.find("\r\n"), std::string::npos);

    UseLanguage(LanguageCode::German);
    EXPECT_EQ(window.clearOneField.lblClear, "Löschen:");
    EXPECT_EQ(window.clearOneField.lblOr, "oder");
    EXPECT_EQ(window.clearOneField.cmdContinue, "Fortfahren");
    EXPECT_EQ(window.clearOneField.lblNeedToClear,
              ComputeMsg(kMsgDifferenceMustBeEmpty, LanguageCode::German));
}

}  // namespace
}  // namespace tembrel
