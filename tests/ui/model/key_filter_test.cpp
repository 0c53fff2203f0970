// Which characters the input fields take, and Enter.
#include "ui/model/key_filter.h"
#include "tests/ui/model/main_form_fixture.h"
#include "ui/model/main_layout.h"

namespace tembrel {
namespace {

using C = MainWindowControl;
using test_support::MainFormTest;
using test_support::PrintTo;

struct DateKeyCase {
    const char* name;
    int key;
    int length;
    const char* separator;
    bool iso;
    bool allowed;
};

class DateKeyTest : public ::testing::TestWithParam<DateKeyCase> {};

TEST_P(DateKeyTest, AllowsOnlyTheCharactersOfADate) {
    const DateKeyCase& c = GetParam();
    EXPECT_EQ(DateKeyAllowed(c.key, c.length, 18, c.separator, c.iso), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DateKeyTest,
    ::testing::Values(DateKeyCase{"Digit", '7', 0, "-", false, true},
                      DateKeyCase{"Dash", '-', 3, "-", false, true},
                      DateKeyCase{"Punctuation", '(', 3, "-", false, true},
                      DateKeyCase{"Space", ' ', 3, "-", false, true},
                      DateKeyCase{"SlashWhileDash", '/', 4, "-", false, false},
                      DateKeyCase{"SlashWhileSlash", '/', 4, "/", false, true},
                      DateKeyCase{"LetterRefused", 'a', 0, "-", false, false},
                      DateKeyCase{"UpperWWithoutIso", 'W', 4, "-", false, false},
                      DateKeyCase{"UpperWWithIso", 'W', 4, "-", true, true},
                      DateKeyCase{"LowerWWithIsoInFullField", 'w', 18, "-", true, true},
                      DateKeyCase{"DigitInFullField", '5', 18, "-", false, false},
                      DateKeyCase{"DigitBeyondFullField", '5', 30, "-", false, false},
                      DateKeyCase{"DigitJustBelowFull", '5', 17, "-", false, true},
                      DateKeyCase{"BackspaceInFullField", 8, 18, "-", false, true},
                      DateKeyCase{"CopyInFullField", 3, 18, "-", false, true},
                      DateKeyCase{"PasteInFullField", 22, 18, "-", false, true},
                      DateKeyCase{"CutInFullField", 24, 18, "-", false, true},
                      DateKeyCase{"SelectAllRefused", 1, 0, "-", false, false},
                      DateKeyCase{"UndoRefused", 26, 0, "-", false, false},
                      DateKeyCase{"NulRefused", 0, 0, "-", false, false},
                      DateKeyCase{"NonAsciiRefused", 0xE4, 0, "-", false, false},
                      DateKeyCase{"WideCharacterRefused", 0x2D + 0x100, 0, "-", false, false}),
    [](const auto& row) { return std::string(row.param.name); });

struct DiffKeyCase {
    const char* name;
    int key;
    int length;
    const char* separator;
    bool allowed;
};

class DiffKeyTest : public ::testing::TestWithParam<DiffKeyCase> {};

TEST_P(DiffKeyTest, AllowsDigitsMinusAndTheThousandsSeparator) {
    const DiffKeyCase& c = GetParam();
    EXPECT_EQ(DiffKeyAllowed(c.key, c.length, 18, c.separator), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(Keys, DiffKeyTest,
                         ::testing::Values(DiffKeyCase{"Digit", '0', 0, ",", true},
                                           DiffKeyCase{"Minus", '-', 0, ",", true},
                                           DiffKeyCase{"CommaWhileComma", ',', 2, ",", true},
                                           DiffKeyCase{"DotWhileComma", '.', 2, ",", false},
                                           DiffKeyCase{"DotWhileDot", '.', 2, ".", true},
                                           DiffKeyCase{"CommaWithoutSeparator", ',', 2, "", false},
                                           DiffKeyCase{"Space", ' ', 0, ",", false},
                                           DiffKeyCase{"Parenthesis", '(', 0, ",", false},
                                           DiffKeyCase{"DigitInFullField", '1', 18, ",", false},
                                           DiffKeyCase{"BackspaceInFullField", 8, 18, ",", true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainFormTest, IsoLetterIsTakenOnlyByTheFieldWhoseIsoOptionIsSelected) {
    main.Click(C::optFirstDateIsISO);
    int key = 'W';
    main.txbDate_KeyPress(DateField::First, key);
    EXPECT_EQ(key, 'W');
    key = 'w';
    main.txbDate_KeyPress(DateField::Second, key);
    EXPECT_EQ(key, 0);
}

TEST_F(MainFormTest, FieldLengthIsCountedInCharactersNotBytes) {
    // 17 two-byte characters (34 bytes) pasted in: one more character fits.
    std::string text;
    for (int i = 0; i < 17; ++i) {
        text += "\xC3\xA4";
    }
    form.txbFirstDate.text = text;
    int key = '1';
    main.txbDate_KeyPress(DateField::First, key);
    EXPECT_EQ(key, '1');
    form.txbFirstDate.text += "1";
    main.txbDate_KeyPress(DateField::First, key);
    EXPECT_EQ(key, 0);
}

TEST_F(MainFormTest, DifferenceFieldUsesTheCurrentThousandsSeparator) {
    int key = '.';
    main.txbDateDiff_KeyPress(key);
    EXPECT_EQ(key, 0);
    main.Click(C::optThousSepIsDot);
    key = '.';
    main.txbDateDiff_KeyPress(key);
    EXPECT_EQ(key, '.');
}

class EnterKeyTest : public MainFormTest, public ::testing::WithParamInterface<C> {};

TEST_P(EnterKeyTest, EnterInAnyInputFieldIsSwallowedAndComputes) {
    // State: a lone first date, the second calendar ISO. Action: Enter in the
    // field. Expected: the key is swallowed and the conversion is reported.
    form.txbFirstDate.text = "2008-01-15";
    main.Click(C::optSecondDateIsISO);
    int key = 13;
    if (GetParam() == C::txbDateDiff) {
        main.txbDateDiff_KeyPress(key);
    } else {
        main.txbDate_KeyPress(GetParam() == C::txbFirstDate ? DateField::First : DateField::Second,
                              key);
    }
    EXPECT_EQ(key, 0);
    EXPECT_EQ(form.txbOutput.text, "2008-01-15 CE = 2008-W03-2 ISO, Tuesday\r\n");
    EXPECT_EQ(form.txbSecondDate.text, "2008-W03-2");
}

INSTANTIATE_TEST_SUITE_P(Fields, EnterKeyTest,
                         ::testing::Values(C::txbFirstDate, C::txbDateDiff, C::txbSecondDate),
                         [](const auto& row) {
                             return std::string(MainControlOf(row.param)->name);
                         });

}  // namespace
}  // namespace tembrel
