// Checks the shipped language data file against the program's use of it.
#include <gtest/gtest.h>

#include "text/program_text.h"
#include "text/program_text_numbers.h"
#include "text/text_table.h"

namespace tembrel {
namespace {

class ShippedDataFile : public ::testing::Test {
  protected:
    void SetUp() override {
        const ProgramTextLoad load = texts_.LoadProgramTextFrom(TEMBREL_DATA_FILE);
        ASSERT_TRUE(load.ok()) << load.message;
    }

    std::string Text(int32_t number, LanguageCode language) {
        texts_.SetProgramTextLanguage(language);
        return texts_.ProgramText(number);
    }

    ProgramTexts texts_;
};

TEST_F(ShippedDataFile, HoldsEveryProgramTextInEnglishAndGerman) {
    for (const int32_t number : program_text::kAllNumbers) {
        EXPECT_FALSE(Text(number, LanguageCode::English).empty()) << number;
        EXPECT_FALSE(Text(number, LanguageCode::German).empty()) << number;
    }
}

TEST_F(ShippedDataFile, NamesTheProductAndTheSameSettingsFolderInEveryLanguage) {
    EXPECT_EQ(Text(program_text::kProductName, LanguageCode::English), "Tembrel");
    EXPECT_EQ(Text(program_text::kSettingsFolderName, LanguageCode::English), "tembrel");
    // Another folder per language would lose the settings on a language change.
    EXPECT_EQ(Text(program_text::kSettingsFolderName, LanguageCode::German), "tembrel");
}

// Some buttons show a text item first and a program text later; the caption must
// not change when the program text takes over.
TEST_F(ShippedDataFile, AgreesWithTheTextTableWhereBothNameOneCaption) {
    const struct {
        int32_t number;
        TextItem item;
    } pairs[] = {
        {program_text::kShowIsoDatesCaption, TextItem::DisplayIsoWeekDates},
        {program_text::kCloseCaption, TextItem::Close},
        {program_text::kCopyAllCaption, TextItem::CopyToClipboard},
        {program_text::kCopySelectionCaption, TextItem::CopySelectedTextToClipboard},
    };
    for (const auto& pair : pairs) {
        for (const LanguageCode language : {LanguageCode::English, LanguageCode::German}) {
            EXPECT_EQ(Text(pair.number, language), T(pair.item, language)) << pair.number;
        }
    }
}

TEST_F(ShippedDataFile, GivesTheIsoButtonTwoDifferentCaptions) {
    for (const LanguageCode language : {LanguageCode::English, LanguageCode::German}) {
        EXPECT_NE(Text(program_text::kShowIsoDatesCaption, language),
                  Text(program_text::kHideIsoDatesCaption, language));
    }
}

}  // namespace
}  // namespace tembrel
