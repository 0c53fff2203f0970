#include "core/date_parsing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"

namespace tembrel {
namespace {

constexpr ParseStatus kValid = ParseStatus::Valid;
constexpr ParseStatus kInvalid = ParseStatus::Invalid;
constexpr ParseStatus kOutOfRange = ParseStatus::OutOfRange;

int32_t JDNOf(int32_t year, int32_t month, int32_t day, char marker = kMarkerGregorian) {
    CalDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.marker = marker;
    return *JDNOfCalDate(date);
}

// --- ParseDateText

Parsed<CalDate> ParseCE(const std::string& text, const char* sep, DateOrder order) {
    return ParseDateText(text, sep, CalendarCode::CE, order);
}

TEST(ParseDateText, ReadsEachDateOrderAndSeparator) {
    EXPECT_EQ(ParseCE("2008-03-15", "-", DateOrder::YMD).value.jdn, JDNOf(2008, 3, 15));
    EXPECT_EQ(ParseCE("15.03.2008", ".", DateOrder::DMY).value.jdn, JDNOf(2008, 3, 15));
    const Parsed<CalDate> date = ParseCE("03/15/2008", "/", DateOrder::MDY);
    ASSERT_EQ(date.status, kValid);
    EXPECT_EQ(date.value.jdn, JDNOf(2008, 3, 15));
    EXPECT_EQ(date.value.year, 2008);
    EXPECT_EQ(date.value.month, 3);
    EXPECT_EQ(date.value.day, 15);
    EXPECT_EQ(date.value.marker, kMarkerGregorian);
}

TEST(ParseDateText, ReadsNegativeYearsAfterTheLastSeparator) {
    const Parsed<CalDate> date = ParseCE("15/03/-45", "/", DateOrder::DMY);
    ASSERT_EQ(date.status, kValid);
    EXPECT_EQ(date.value.year, -45);
    EXPECT_EQ(date.value.jdn, JDNOf(-45, 3, 15));
    EXPECT_EQ(ParseCE("15-03-(-45)", "-", DateOrder::DMY).value.jdn, JDNOf(-45, 3, 15));
    EXPECT_EQ(ParseCE("-45-03-15", "-", DateOrder::YMD).value.jdn, JDNOf(-45, 3, 15));
}

TEST(ParseDateText, IgnoresSpacesCodesAndThousandsSeparators) {
    const Parsed<CalDate> spaced = ParseCE(" 2008 - 03 - 15 CE", "-", DateOrder::YMD);
    EXPECT_EQ(spaced.status, kValid);
    EXPECT_EQ(spaced.value.jdn, JDNOf(2008, 3, 15));
    EXPECT_EQ(ParseCE("12,345/01/01", "/", DateOrder::YMD).value.year, 12345);
    EXPECT_EQ(ParseCE("01-01-(-12.345)", "-", DateOrder::DMY).value.year, -12345);
}

TEST(ParseDateText, RefusesTextsOfTheWrongShape) {
    const struct {
        const char* text;
        const char* sep;
        DateOrder order;
    } cases[] = {
        {"15-03/2008", "/", DateOrder::DMY},   {"2008-03", "-", DateOrder::YMD},
        {"2008-03-15-1", "-", DateOrder::YMD}, {"-15/-03/2008", "/", DateOrder::DMY},
        {"2008-03-15", ".", DateOrder::YMD},   {"", "-", DateOrder::YMD},
        {"2008-03-15", "", DateOrder::YMD},    {"2008--03-15", "--", DateOrder::YMD},
    };
    for (const auto& c : cases) {
        const Parsed<CalDate> date = ParseCE(c.text, c.sep, c.order);
        EXPECT_EQ(date.status, kInvalid) << c.text;
        EXPECT_EQ(date.value.jdn, 0) << "a refused text gives no day: " << c.text;
    }
}

TEST(ParseDateText, RefusesDaysTheCalendarDoesNotHave) {
    for (const char* text :
         {"2008-02-30", "2007-02-29", "2008-13-01", "2008-00-10", "1900-02-29"}) {
        EXPECT_EQ(ParseCE(text, "-", DateOrder::YMD).status, kInvalid) << text;
    }
    const Parsed<CalDate> julian =
        ParseDateText("1900-02-29", "-", CalendarCode::JC, DateOrder::YMD);
    ASSERT_EQ(julian.status, kValid);
    EXPECT_EQ(julian.value.marker, kMarkerJulian);
    EXPECT_EQ(julian.value.jdn, JDNOf(1900, 2, 29, kMarkerJulian));
}

TEST(ParseDateText, LimitsTheYearOfTheText) {
    EXPECT_EQ(ParseCE("2008-03-15", "-", DateOrder::YMD).status, kValid);
    EXPECT_EQ(ParseCE("5800001-01-01", "-", DateOrder::YMD).status, kOutOfRange);
    EXPECT_EQ(ParseCE("-5800001-01-01", "-", DateOrder::YMD).status, kOutOfRange);
    EXPECT_EQ(ParseCE("99999999999-01-01", "-", DateOrder::YMD).status, kOutOfRange);
}

TEST(ParseDateText, RefusesDaysOutsideTheDayNumberRange) {
    // 5,760,000 CE is within the year limit but beyond JDN 2,100,000,000.
    EXPECT_EQ(ParseCE("5760000-01-01", "-", DateOrder::YMD).status, kOutOfRange);
    EXPECT_EQ(ParseCE("-5760000-01-01", "-", DateOrder::YMD).status, kOutOfRange);
    const CalDate last = CalDateOfJDN(kMaxJDN, kMarkerGregorian);
    const std::string lastText = std::to_string(last.year) + "-" + std::to_string(last.month) +
                                 "-" + std::to_string(last.day);
    const Parsed<CalDate> lastDate = ParseCE(lastText, "-", DateOrder::YMD);
    EXPECT_EQ(lastDate.status, kValid);
    EXPECT_EQ(lastDate.value.jdn, kMaxJDN);
    const CalDate after = CalDateOfJDN(kMaxJDN + 1, kMarkerGregorian);
    const std::string afterText = std::to_string(after.year) + "-" + std::to_string(after.month) +
                                  "-" + std::to_string(after.day);
    EXPECT_EQ(ParseCE(afterText, "-", DateOrder::YMD).status, kOutOfRange);
}

TEST(ParseDateText, ReadsRevarOvereYearFirstWithHyphens) {
    // The separator and the month-first order do not apply to Revar Overe dates.
    const Parsed<CalDate> date = ParseDateText("2008-10-37", "/", CalendarCode::AN, DateOrder::MDY);
    ASSERT_EQ(date.status, kValid);
    EXPECT_EQ(date.value.marker, kMarkerAnnusNovus);
    EXPECT_EQ(date.value.jdn, JDNOf(2008, 12, 31));
    EXPECT_EQ(ParseDateText("2007-10-37", "-", CalendarCode::AN, DateOrder::YMD).status, kInvalid);
    EXPECT_EQ(ParseDateText("2008-01-01", "-", CalendarCode::NLW, DateOrder::YMD).status, kInvalid)
        << "the library has no leap week notation";
}

TEST(ParseDateText, ReadsDayNumbersAsWholeNumbersWhateverTheDateSeparator) {
    const Parsed<CalDate> day = ParseDateText("-2.454.000", "/", CalendarCode::JDN, DateOrder::YMD);
    ASSERT_EQ(day.status, kValid);
    EXPECT_EQ(day.value.jdn, -2454000);
    EXPECT_EQ(day.value.year, 0) << "only the day number is set";
    EXPECT_EQ(ParseDateText("2,454,000 JDN", ".", CalendarCode::JDN, DateOrder::YMD).status,
              kInvalid);
    EXPECT_EQ(ParseDateText("2,100,000,001", "-", CalendarCode::JDN, DateOrder::YMD).status,
              kOutOfRange);
}

// --- CheckOrdinalText and ParseOrdinalDate

TEST(CheckOrdinalText, TellsTheFormOfAValidText) {
    EXPECT_EQ(CheckOrdinalText("2008366"), TextForm::Compact);
    EXPECT_EQ(CheckOrdinalText("2008-366"), TextForm::Hyphenated);
    for (const char* text : {"2007-366", "2008-000", "2008-367", "10000-01", "2008/061",
                             "2008-03-01", "-008-061", "", "2008"}) {
        EXPECT_EQ(CheckOrdinalText(text), TextForm::Neither) << text;
    }
    EXPECT_EQ(CheckOrdinalText("0000-001"), TextForm::Hyphenated)
        << "the check does not limit years";
}

TEST(ParseOrdinalDate, ReadsTheFormOfTheHyphenOption) {
    const Parsed<CalDate> date = ParseOrdinalDate("2008-061", true);
    ASSERT_EQ(date.status, kValid);
    EXPECT_EQ(date.value.jdn, JDNOf(2008, 3, 1));
    EXPECT_EQ(date.value.month, 3);
    EXPECT_EQ(date.value.day, 1);
    EXPECT_EQ(date.value.marker, kMarkerGregorian);
    EXPECT_EQ(ParseOrdinalDate("2008061", true).status, kInvalid);
    EXPECT_EQ(ParseOrdinalDate("2008061", false).status, kValid);
    EXPECT_EQ(ParseOrdinalDate("2008-061", false).status, kInvalid);
    EXPECT_EQ(ParseOrdinalDate(" 2008 - 061 ", true).status, kValid);
}

TEST(ParseOrdinalDate, SeparatesInvalidFromOutOfRange) {
    const struct {
        const char* text;
        ParseStatus status;
        int32_t jdn;  // for a valid date
    } cases[] = {
        {"2008-366", kValid, JDNOf(2008, 12, 31)},
        {"2007-366", kInvalid, 0},
        {"2008-367", kInvalid, 0},
        {"2008-000", kInvalid, 0},
        {"0000-001", kOutOfRange, 0},
        {"0000-000", kInvalid, 0},
        {"10000-01", kInvalid, 0},
        {"9999-365", kValid, kLastJDNOfCE9999},
        {"0001-001", kValid, kFirstJDNOfCE1},
        {"+008-061", kInvalid, 0},
    };
    for (const auto& c : cases) {
        const Parsed<CalDate> date = ParseOrdinalDate(c.text, true);
        EXPECT_EQ(date.status, c.status) << c.text;
        EXPECT_EQ(date.value.jdn, c.jdn) << c.text;
    }
}

// --- CheckISOWeekText and ParseISOWeekDate

TEST(CheckISOWeekText, TellsTheFormOfAValidText) {
    EXPECT_EQ(CheckISOWeekText("2008-W01-1"), TextForm::Hyphenated);
    EXPECT_EQ(CheckISOWeekText("2008W011"), TextForm::Compact);
    EXPECT_EQ(CheckISOWeekText("-45-W01-1"), TextForm::Hyphenated);
    EXPECT_EQ(CheckISOWeekText("-45W011"), TextForm::Compact);
    EXPECT_EQ(CheckISOWeekText("+2008W011"), TextForm::Compact);
    EXPECT_EQ(CheckISOWeekText("2008-W011"), TextForm::Hyphenated);
}

TEST(CheckISOWeekText, RefusesMisplacedHyphensAndBadParts) {
    for (const char* text : {"2008W01-1", "2008w011", "2008-w01-1", "2008", "W011", "-W011",
                             "2008-W54-1", "2008-W00-1", "2008-W01-8", "2008-W01-0", "2008-W1-1",
                             "2008W1x1", "2008W0111", "2008W01", "20-08W011", "2008-W01-1 ISO"}) {
        EXPECT_EQ(CheckISOWeekText(text), TextForm::Neither) << text;
    }
}

TEST(ParseISOWeekDate, ReadsBothForms) {
    const Parsed<ISOWeekDate> date = ParseISOWeekDate("2008-W01-1");
    ASSERT_EQ(date.status, kValid);
    EXPECT_EQ(date.value.jdn, JDNOf(2007, 12, 31));
    EXPECT_EQ(date.value.year, 2008);
    EXPECT_EQ(date.value.week, 1);
    EXPECT_EQ(date.value.weekday, 1);
    EXPECT_EQ(ParseISOWeekDate("2008W011").value.jdn, JDNOf(2007, 12, 31));
    EXPECT_EQ(ParseISOWeekDate(" 2008 -W03- 2 ").value.jdn, JDNOf(2008, 1, 15));
    EXPECT_EQ(ParseISOWeekDate("-45-W01-1").value.year, -45);
}

TEST(ParseISOWeekDate, AcceptsWeek53OnlyInLongYears) {
    EXPECT_EQ(ParseISOWeekDate("2009-W53-1").status, kValid);
    EXPECT_EQ(ParseISOWeekDate("2004-W53-6").value.jdn, JDNOf(2005, 1, 1));
    const Parsed<ISOWeekDate> refused = ParseISOWeekDate("2008-W53-1");
    EXPECT_EQ(refused.status, kInvalid);
    EXPECT_EQ(refused.value.jdn, 0) << "a refused text gives no day";
    EXPECT_EQ(ParseISOWeekDate("2008W01-1").status, kInvalid);
}

TEST(ParseISOWeekDate, AnswersOutOfRangeForFarYears) {
    EXPECT_EQ(ParseISOWeekDate("5800000-W01-1").status, kOutOfRange);
    EXPECT_EQ(ParseISOWeekDate("-5800000W011").status, kOutOfRange);
    EXPECT_EQ(ParseISOWeekDate("99999999999999999999W011").status, kOutOfRange);
    // Within the year limit, beyond the day number range.
    EXPECT_EQ(ParseISOWeekDate("5799999-W01-1").status, kOutOfRange);
    EXPECT_EQ(ParseISOWeekDate("5744000-W01-1").status, kValid);
}

// --- ParseLPMDate and ParseLPWDate

TEST(ParseLPWDate, ReadsWeekFormWithOrWithoutCodeAndPadding) {
    EXPECT_EQ(ParseLPWDate("2008-01-1 LPW").value.jdn, 2454459);
    EXPECT_EQ(ParseLPWDate("2008-1-1").value.jdn, 2454459);
    EXPECT_EQ(ParseLPWDate("2009-53-7").value.jdn, 2455193);
    const Parsed<LeapWeekDate> grouped = ParseLPWDate("-12,345-01-1");
    EXPECT_EQ(grouped.status, kValid);
    EXPECT_EQ(grouped.value.year, -12345);
    EXPECT_EQ(grouped.value.week, 1);
    EXPECT_EQ(grouped.value.weekday, 1);
}

TEST(ParseLPWDate, RefusesMalformedTexts) {
    for (const char* text : {"2008-01", "2008", "", "2008-01-1-1", "--01-1", "2008--1", "2008-01-",
                             "2008-01-8", "2008-32768-1", "2008-01-99999999999"}) {
        EXPECT_EQ(ParseLPWDate(text).status, kInvalid) << text;
    }
}

TEST(ParseLPWDate, AnswersOutOfRangeForFarYears) {
    EXPECT_EQ(ParseLPWDate("6000000-01-1").status, kOutOfRange);
    EXPECT_EQ(ParseLPWDate("-5800001-01-1").status, kOutOfRange);
    EXPECT_EQ(ParseLPWDate("5800000-01-1").status, kOutOfRange) << "beyond the day numbers";
    EXPECT_EQ(ParseLPWDate("99999999999999-01-1").status, kOutOfRange);
}

TEST(ParseLPMDate, ReadsMonthFormAndChecksTheMonthLength) {
    const Parsed<LeapWeekDate> date = ParseLPMDate("2009-12-35 LPM");
    ASSERT_EQ(date.status, kValid);
    EXPECT_EQ(date.value.jdn, 2455193);
    EXPECT_EQ(date.value.month, 12);
    EXPECT_EQ(date.value.day, 35);
    EXPECT_EQ(date.value.week, 53);
    EXPECT_EQ(date.value.weekday, 7);
    EXPECT_EQ(ParseLPMDate("2008-01-01").value.jdn, 2454459);
    EXPECT_EQ(ParseLPMDate("2008-12-29").status, kInvalid);
    EXPECT_EQ(ParseLPMDate("2008-13-01").status, kInvalid);
    EXPECT_EQ(ParseLPMDate("2008-02-29").status, kInvalid);
    EXPECT_EQ(ParseLPMDate("6000000-01-01").status, kOutOfRange);
}

}  // namespace
}  // namespace tembrel

namespace tembrel {
namespace {

// The calendar library's reader with the range rules of ParseDateText: what every
// plain date text must read as.
Parsed<CalDate> LibraryReading(const std::string& text, DateOrder order, char marker) {
    CalDate date{};
    const int32_t result = str_to_date(text.c_str(), static_cast<int32_t>(order), &date, marker);
    if (result == kStrToDateOutOfRange) {
        return {ParseStatus::OutOfRange, CalDate{}};
    }
    if (result != kStrToDateValid) {
        return {ParseStatus::Invalid, CalDate{}};
    }
    if (date.year > kMaxYear || date.year < -kMaxYear) {
        return {ParseStatus::OutOfRange, CalDate{}};
    }
    const std::optional<int32_t> jdn = JDNOfCalDate(date);
    if (!jdn || !IsJDNInRange(*jdn)) {
        return {ParseStatus::OutOfRange, CalDate{}};
    }
    date.jdn = *jdn;
    return {ParseStatus::Valid, date};
}

// Texts of three runs of digits and two separators, the form read at once: the
// same answer and the same day number as the library's general reader.
TEST(ParseDateTextProperty, PlainDatesReadAsTheLibraryReadsThem) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> digitCount(1, 8);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 200000; ++i) {
        const char separator = "-/."[i % 3];
        const DateOrder order = static_cast<DateOrder>((i / 3) % 3);
        const CalendarCode cal = (i / 9) % 2 == 0 ? CalendarCode::CE : CalendarCode::JC;
        std::string text;
        for (int part = 0; part < 3; ++part) {
            if (part > 0) {
                text += separator;
            }
            // Short parts most of the time, so that many texts are dates.
            const int count = i % 4 == 0 ? digitCount(random) : 1 + digit(random) % 2;
            for (int d = 0; d < count; ++d) {
                text += static_cast<char>('0' + digit(random));
            }
        }
        const Parsed<CalDate> expected =
            LibraryReading(text, order, cal == CalendarCode::JC ? 'J' : 'G');
        const Parsed<CalDate> date = ParseDateText(text, std::string(1, separator), cal, order);
        ASSERT_EQ(date.status, expected.status) << text;
        ASSERT_EQ(date.value.jdn, expected.value.jdn) << text;
        ASSERT_EQ(date.value.year, expected.value.year) << text;
    }
}

}  // namespace
}  // namespace tembrel
