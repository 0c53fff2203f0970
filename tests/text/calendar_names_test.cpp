#include "text/calendar_names.h"

#include <gtest/gtest.h>

namespace tembrel {
namespace {

TEST(MonthName, HoldsFullNamesThenAbbreviations) {
    EXPECT_EQ(MonthName(1, LanguageCode::English), "January");
    EXPECT_EQ(MonthName(12, LanguageCode::English), "December");
    EXPECT_EQ(MonthName(13, LanguageCode::English), "Jan");
    EXPECT_EQ(MonthName(24, LanguageCode::English), "Dec");
    EXPECT_EQ(MonthName(3, LanguageCode::German), "März");
    EXPECT_EQ(MonthName(15, LanguageCode::German), "Mär");
    EXPECT_EQ(MonthName(22, LanguageCode::German), "Okt");
}

// Every abbreviation is the start of its full name, in both languages: a row
// shifted by one in either half of the table breaks this.
TEST(MonthName, AbbreviatesEachMonthByItsOwnName) {
    for (const LanguageCode language : {LanguageCode::English, LanguageCode::German}) {
        for (int month = 1; month <= 12; ++month) {
            const std::string_view full = MonthName(month, language);
            const std::string_view abbreviation = MonthName(month + 12, language);
            EXPECT_TRUE(full.starts_with(abbreviation)) << full << " / " << abbreviation;
        }
    }
}

TEST(MonthName, GivesTheEmptyTextOutsideTheRows) {
    EXPECT_EQ(MonthName(0, LanguageCode::English), "");
    EXPECT_EQ(MonthName(25, LanguageCode::English), "");
    EXPECT_EQ(MonthName(1, LanguageCode::Spare), "");
    EXPECT_EQ(MonthName(1, LanguageCode::Portuguese), "???");
}

TEST(WeekdayName, CountsFromSunday) {
    EXPECT_EQ(WeekdayName(0, LanguageCode::English), "Sunday");
    EXPECT_EQ(WeekdayName(1, LanguageCode::English), "Monday");
    EXPECT_EQ(WeekdayName(6, LanguageCode::English), "Saturday");
    EXPECT_EQ(WeekdayName(0, LanguageCode::German), "Sonntag");
    EXPECT_EQ(WeekdayName(3, LanguageCode::German), "Mittwoch");
    EXPECT_EQ(WeekdayName(6, LanguageCode::German), "Samstag");
    EXPECT_EQ(WeekdayName(-1, LanguageCode::English), "");
    EXPECT_EQ(WeekdayName(7, LanguageCode::English), "");
}

}  // namespace
}  // namespace tembrel
