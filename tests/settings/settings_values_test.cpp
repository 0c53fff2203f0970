// What each stored number selects, including numbers the program never writes.
#include "settings/settings_values.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tembrel {
namespace {

constexpr int32_t kOddNumbers[] = {-2147483647 - 1, -1, 2, 3, 9, 44, 45, 99, 2147483647};

TEST(SettingsValues, LanguageIsGermanOnlyForOne) {
    EXPECT_EQ(LanguageFromSetting(0), LanguageCode::English);
    EXPECT_EQ(LanguageFromSetting(1), LanguageCode::German);
    for (const int32_t stored : kOddNumbers) {
        EXPECT_EQ(LanguageFromSetting(stored), LanguageCode::English) << stored;
    }
}

TEST(SettingsValues, DateOrderFallsBackToYearMonthDay) {
    EXPECT_EQ(DateOrderFromSetting(0), DateOrder::MDY);
    EXPECT_EQ(DateOrderFromSetting(1), DateOrder::DMY);
    EXPECT_EQ(DateOrderFromSetting(2), DateOrder::YMD);
    for (const int32_t stored : kOddNumbers) {
        if (stored != 1) {
            EXPECT_EQ(DateOrderFromSetting(stored), DateOrder::YMD) << stored;
        }
    }
}

TEST(SettingsValues, SeparatorsRoundTripAndFallBack) {
    for (const std::string_view sep : {"-", ".", "/"}) {
        EXPECT_EQ(DateSeparatorFromSetting(SeparatorSetting(sep)), sep);
    }
    for (const std::string_view sep : {",", ".", ""}) {
        EXPECT_EQ(ThousandsSeparatorFromSetting(SeparatorSetting(sep)), sep);
    }
    EXPECT_EQ(SeparatorSetting(""), 0);
    EXPECT_EQ(SeparatorSetting("-"), 45);
    EXPECT_EQ(SeparatorSetting("\xC3\x84"), 0xC3);  // never negative
    EXPECT_EQ(DateSeparatorFromSetting(0), "-");
    EXPECT_EQ(DateSeparatorFromSetting(44), "-");
    EXPECT_EQ(ThousandsSeparatorFromSetting(45), ",");
    EXPECT_EQ(ThousandsSeparatorFromSetting(47), ",");
    EXPECT_EQ(ThousandsSeparatorFromSetting(-1), ",");
}

TEST(SettingsValues, CalendarsWithoutAnOptionGiveCommonEra) {
    for (const CalendarCode cal :
         {CalendarCode::CE, CalendarCode::JC, CalendarCode::JDN, CalendarCode::ORD,
          CalendarCode::ISO, CalendarCode::LPW, CalendarCode::LPM}) {
        const int32_t stored = static_cast<int32_t>(cal);
        EXPECT_EQ(FieldCalendarFromSetting(stored), cal) << stored;
        EXPECT_EQ(TodayCalendarFromSetting(stored), cal) << stored;
    }
    for (const int32_t stored : {3, 5, 9, -1, 99, 2147483647}) {
        EXPECT_EQ(FieldCalendarFromSetting(stored), CalendarCode::CE) << stored;
        EXPECT_EQ(TodayCalendarFromSetting(stored), CalendarCode::CE) << stored;
    }
}

TEST(SettingsValues, OnlyOneSetsACheckBoxOrSelectsMonths) {
    EXPECT_EQ(CheckFromSetting(1), 1);
    EXPECT_EQ(CheckFromSetting(0), 0);
    EXPECT_TRUE(MonthsFromSetting(1));
    EXPECT_FALSE(MonthsFromSetting(0));
    for (const int32_t stored : kOddNumbers) {
        EXPECT_EQ(CheckFromSetting(stored), 0) << stored;
        EXPECT_FALSE(MonthsFromSetting(stored)) << stored;
    }
}

}  // namespace
}  // namespace tembrel
