#include "text/text_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace tembrel {
namespace {

TEST(TextTable, HasEnglishAndGermanForEveryItem) {
    for (int i = 0; i < kTextItemCount; ++i) {
        const auto item = static_cast<TextItem>(i);
        EXPECT_FALSE(T(item, LanguageCode::English).empty()) << i;
        EXPECT_FALSE(T(item, LanguageCode::German).empty()) << i;
    }
}

// Each English text names one item; a copy-paste slip in the table would show up
// as two items with the same text.
TEST(TextTable, GivesEachItemItsOwnEnglishText) {
    std::set<std::string_view> seen;
    for (int i = 0; i < kTextItemCount; ++i) {
        EXPECT_TRUE(seen.insert(T(static_cast<TextItem>(i), LanguageCode::English)).second) << i;
    }
}

TEST(TextTable, KeepsTheProgramsWordingExactly) {
    EXPECT_EQ(T(TextItem::Compute, LanguageCode::German), "Berechnen");
    EXPECT_EQ(T(TextItem::Error, LanguageCode::German), "Fehler");
    EXPECT_EQ(T(TextItem::SecondToFirst, LanguageCode::English), "Second -> First");
    EXPECT_EQ(T(TextItem::A5DayWeekFromTodayIs, LanguageCode::English),
              "A (5-day) week from today is");
    EXPECT_EQ(T(TextItem::IncludeFirstDateInDaysBetweenDates, LanguageCode::English),
              "Include first date in days-beween-dates");
    EXPECT_EQ(T(TextItem::TheOutputWindowIsEmpty, LanguageCode::German),
              "Das Ausgabefenster is leer.");
    EXPECT_EQ(T(TextItem::Enlarge, LanguageCode::German), "Vergrößern");
    EXPECT_EQ(T(TextItem::YyyyDdd, LanguageCode::German), "JJJJ-TTT");
    EXPECT_EQ(T(TextItem::Yyyyddd, LanguageCode::English), "yyyyddd");
}

TEST(TextTable, IndexesWithoutFallback) {
    // The spare slot holds no texts: empty, English is not substituted.
    EXPECT_EQ(T(TextItem::Compute, LanguageCode::Spare), "");
    // A missing translation marker is handed out unchanged.
    EXPECT_EQ(T(TextItem::Compute, LanguageCode::French), "???");
    EXPECT_EQ(T(TextItem::Reset, LanguageCode::Spanish), "???");
}

TEST(TextTable, GivesTheEmptyTextForCodesOutsideTheTable) {
    EXPECT_EQ(T(TextItem::Compute, static_cast<LanguageCode>(6)), "");
    EXPECT_EQ(T(TextItem::Compute, static_cast<LanguageCode>(-1)), "");
    EXPECT_EQ(T(static_cast<TextItem>(kTextItemCount), LanguageCode::English), "");
    EXPECT_EQ(T(static_cast<TextItem>(-1), LanguageCode::English), "");
}

}  // namespace
}  // namespace tembrel
