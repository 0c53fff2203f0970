#include "core/date_parsing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "core/calendar_binding.h"
#include "core/calendar_tables.h"

namespace tembrel {
namespace {

int32_t JDNOf(int32_t year, int32_t month, int32_t day, char marker = kMarkerGregorian) {
    CalDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.marker = marker;
    return CalDateToJDN(date);
}

// A record with a recognisable value in every field, to show what a parser writes.
CalDate Stale() {
    return CalDate{9000000, 99, 99, 'X', 123, 456};
}

// --- ParseDateText

int ParseCE(const std::string& text, const char* sep, DateOrder order, CalDate& date) {
    return ParseDateText(text, sep, CalendarCode::CE, order, date);
}

TEST(ParseDateText, ReadsEachDateOrderAndSeparator) {
    CalDate date = Stale();
    EXPECT_EQ(ParseCE("2008-03-15", "-", DateOrder::YMD, date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(2008, 3, 15));
    EXPECT_EQ(ParseCE("15.03.2008", ".", DateOrder::DMY, date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(2008, 3, 15));
    EXPECT_EQ(ParseCE("03/15/2008", "/", DateOrder::MDY, date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(2008, 3, 15));
    EXPECT_EQ(date.year, 2008);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 15);
    EXPECT_EQ(date.marker, kMarkerGregorian);
    EXPECT_EQ(date.spare, 456) << "the spare field belongs to the caller";
}

TEST(ParseDateText, ReadsNegativeYearsAfterTheLastSeparator) {
    CalDate date{};
    EXPECT_EQ(ParseCE("15/03/-45", "/", DateOrder::DMY, date), kParseValid);
    EXPECT_EQ(date.year, -45);
    EXPECT_EQ(date.jdn, JDNOf(-45, 3, 15));
    EXPECT_EQ(ParseCE("15-03-(-45)", "-", DateOrder::DMY, date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(-45, 3, 15));
    EXPECT_EQ(ParseCE("-45-03-15", "-", DateOrder::YMD, date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(-45, 3, 15));
}

TEST(ParseDateText, IgnoresSpacesCodesAndThousandsSeparators) {
    CalDate date{};
    EXPECT_EQ(ParseCE(" 2008 - 03 - 15 CE", "-", DateOrder::YMD, date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(2008, 3, 15));
    EXPECT_EQ(ParseCE("12,345/01/01", "/", DateOrder::YMD, date), kParseValid);
    EXPECT_EQ(date.year, 12345);
    EXPECT_EQ(ParseCE("01-01-(-12.345)", "-", DateOrder::DMY, date), kParseValid);
    EXPECT_EQ(date.year, -12345);
}

TEST(ParseDateText, RefusesTextsOfTheWrongShape) {
    CalDate date = Stale();
    EXPECT_EQ(ParseCE("15-03/2008", "/", DateOrder::DMY, date), kParseInvalid);
    EXPECT_EQ(ParseCE("2008-03", "-", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(ParseCE("2008-03-15-1", "-", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(ParseCE("-15/-03/2008", "/", DateOrder::DMY, date), kParseInvalid);
    EXPECT_EQ(ParseCE("2008-03-15", ".", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(ParseCE("", "-", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(ParseCE("2008-03-15", "", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(ParseCE("2008--03-15", "--", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(date.year, Stale().year) << "a failed parse writes nothing";
    EXPECT_EQ(date.jdn, Stale().jdn);
}

TEST(ParseDateText, RefusesDaysTheCalendarDoesNotHave) {
    CalDate date{};
    EXPECT_EQ(ParseCE("2008-02-30", "-", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(ParseCE("2007-02-29", "-", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(ParseCE("2008-13-01", "-", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(ParseCE("2008-00-10", "-", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(ParseCE("1900-02-29", "-", DateOrder::YMD, date), kParseInvalid);
    EXPECT_EQ(ParseDateText("1900-02-29", "-", CalendarCode::JC, DateOrder::YMD, date),
              kParseValid);
    EXPECT_EQ(date.marker, kMarkerJulian);
    EXPECT_EQ(date.jdn, JDNOf(1900, 2, 29, kMarkerJulian));
}

TEST(ParseDateText, LimitsTheYearOfTheTextNotTheRecord) {
    CalDate date = Stale();  // a year beyond the limit left by an earlier use
    EXPECT_EQ(ParseCE("2008-03-15", "-", DateOrder::YMD, date), kParseValid);
    EXPECT_EQ(ParseCE("5800001-01-01", "-", DateOrder::YMD, date), kParseOutOfRange);
    EXPECT_EQ(ParseCE("-5800001-01-01", "-", DateOrder::YMD, date), kParseOutOfRange);
    EXPECT_EQ(ParseCE("99999999999-01-01", "-", DateOrder::YMD, date), kParseOutOfRange);
}

TEST(ParseDateText, RefusesDaysOutsideTheDayNumberRange) {
    CalDate date{};
    // 5,760,000 CE is within the year limit but beyond JDN 2,100,000,000.
    EXPECT_EQ(ParseCE("5760000-01-01", "-", DateOrder::YMD, date), kParseOutOfRange);
    EXPECT_EQ(ParseCE("-5760000-01-01", "-", DateOrder::YMD, date), kParseOutOfRange);
    const CalDate last = CalDateOfJDN(kMaxJDN, kMarkerGregorian);
    const std::string lastText = std::to_string(last.year) + "-" + std::to_string(last.month) +
                                 "-" + std::to_string(last.day);
    EXPECT_EQ(ParseCE(lastText, "-", DateOrder::YMD, date), kParseValid);
    EXPECT_EQ(date.jdn, kMaxJDN);
    const CalDate after = CalDateOfJDN(kMaxJDN + 1, kMarkerGregorian);
    const std::string afterText = std::to_string(after.year) + "-" + std::to_string(after.month) +
                                  "-" + std::to_string(after.day);
    EXPECT_EQ(ParseCE(afterText, "-", DateOrder::YMD, date), kParseOutOfRange);
}

TEST(ParseDateText, ReadsRevarOvereYearFirstWithHyphens) {
    CalDate date{};
    // The separator and the month-first order do not apply to Revar Overe dates.
    EXPECT_EQ(ParseDateText("2008-10-37", "/", CalendarCode::AN, DateOrder::MDY, date),
              kParseValid);
    EXPECT_EQ(date.marker, kMarkerAnnusNovus);
    EXPECT_EQ(date.jdn, JDNOf(2008, 12, 31));
    EXPECT_EQ(ParseDateText("2007-10-37", "-", CalendarCode::AN, DateOrder::YMD, date),
              kParseInvalid);
    EXPECT_EQ(ParseDateText("2008-01-01", "-", CalendarCode::NLW, DateOrder::YMD, date),
              kParseInvalid)
        << "the library has no leap week notation";
}

TEST(ParseDateText, ReadsDayNumbersAsWholeNumbersWhateverTheDateSeparator) {
    CalDate date = Stale();
    EXPECT_EQ(ParseDateText("-2.454.000", "/", CalendarCode::JDN, DateOrder::YMD, date),
              kParseValid);
    EXPECT_EQ(date.jdn, -2454000);
    EXPECT_EQ(date.year, Stale().year) << "only the day number is written";
    EXPECT_EQ(ParseDateText("2,454,000 JDN", ".", CalendarCode::JDN, DateOrder::YMD, date),
              kParseInvalid);
    EXPECT_EQ(ParseDateText("2,100,000,001", "-", CalendarCode::JDN, DateOrder::YMD, date),
              kParseOutOfRange);
}

// --- CheckOrdinalText and ParseOrdinalDate

TEST(CheckOrdinalText, TellsTheFormOfAValidText) {
    EXPECT_EQ(CheckOrdinalText("2008366"), kCompactForm);
    EXPECT_EQ(CheckOrdinalText("2008-366"), kHyphenatedForm);
    EXPECT_EQ(CheckOrdinalText("2007-366"), kNeitherForm);
    EXPECT_EQ(CheckOrdinalText("2008-000"), kNeitherForm);
    EXPECT_EQ(CheckOrdinalText("2008-367"), kNeitherForm);
    EXPECT_EQ(CheckOrdinalText("10000-01"), kNeitherForm);
    EXPECT_EQ(CheckOrdinalText("2008/061"), kNeitherForm);
    EXPECT_EQ(CheckOrdinalText("2008-03-01"), kNeitherForm);
    EXPECT_EQ(CheckOrdinalText("-008-061"), kNeitherForm);
    EXPECT_EQ(CheckOrdinalText("0000-001"), kHyphenatedForm) << "the check does not limit years";
}

TEST(ParseOrdinalDate, ReadsTheFormOfTheHyphenOption) {
    CalDate date = Stale();
    EXPECT_EQ(ParseOrdinalDate("2008-061", 1, date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(2008, 3, 1));
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 1);
    EXPECT_EQ(date.marker, kMarkerGregorian);
    EXPECT_EQ(date.spare, Stale().spare);
    EXPECT_EQ(ParseOrdinalDate("2008061", 1, date), kParseInvalid);
    EXPECT_EQ(ParseOrdinalDate("2008061", 0, date), kParseValid);
    EXPECT_EQ(ParseOrdinalDate("2008-061", 0, date), kParseInvalid);
    EXPECT_EQ(ParseOrdinalDate(" 2008 - 061 ", 1, date), kParseValid);
}

TEST(ParseOrdinalDate, SeparatesInvalidFromOutOfRange) {
    CalDate date{};
    EXPECT_EQ(ParseOrdinalDate("2008-366", 1, date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(2008, 12, 31));
    EXPECT_EQ(ParseOrdinalDate("2007-366", 1, date), kParseInvalid);
    EXPECT_EQ(ParseOrdinalDate("2008-367", 1, date), kParseInvalid);
    EXPECT_EQ(ParseOrdinalDate("2008-000", 1, date), kParseInvalid);
    EXPECT_EQ(ParseOrdinalDate("0000-001", 1, date), kParseOutOfRange);
    EXPECT_EQ(ParseOrdinalDate("0000-000", 1, date), kParseInvalid);
    EXPECT_EQ(ParseOrdinalDate("10000-01", 1, date), kParseInvalid);
    EXPECT_EQ(ParseOrdinalDate("9999-365", 1, date), kParseValid);
    EXPECT_EQ(date.jdn, kLastJDNOfCE9999);
    EXPECT_EQ(ParseOrdinalDate("0001-001", 1, date), kParseValid);
    EXPECT_EQ(date.jdn, kFirstJDNOfCE1);
    EXPECT_EQ(ParseOrdinalDate("+008-061", 1, date), kParseInvalid);
}

// --- CheckISOWeekText and ParseISOWeekDate

TEST(CheckISOWeekText, TellsTheFormOfAValidText) {
    EXPECT_EQ(CheckISOWeekText("2008-W01-1"), kHyphenatedForm);
    EXPECT_EQ(CheckISOWeekText("2008W011"), kCompactForm);
    EXPECT_EQ(CheckISOWeekText("-45-W01-1"), kHyphenatedForm);
    EXPECT_EQ(CheckISOWeekText("-45W011"), kCompactForm);
    EXPECT_EQ(CheckISOWeekText("+2008W011"), kCompactForm);
    EXPECT_EQ(CheckISOWeekText("2008-W011"), kHyphenatedForm);
}

TEST(CheckISOWeekText, RefusesMisplacedHyphensAndBadParts) {
    for (const char* text : {"2008W01-1", "2008w011", "2008-w01-1", "2008", "W011", "-W011",
                             "2008-W54-1", "2008-W00-1", "2008-W01-8", "2008-W01-0", "2008-W1-1",
                             "2008W1x1", "2008W0111", "2008W01", "20-08W011", "2008-W01-1 ISO"}) {
        EXPECT_EQ(CheckISOWeekText(text), kNeitherForm) << text;
    }
}

TEST(ParseISOWeekDate, ReadsBothForms) {
    ISOWeekDate date;
    EXPECT_EQ(ParseISOWeekDate("2008-W01-1", date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(2007, 12, 31));
    EXPECT_EQ(date.year, 2008);
    EXPECT_EQ(date.week, 1);
    EXPECT_EQ(date.weekday, 1);
    EXPECT_EQ(date.flag, 1);
    EXPECT_EQ(ParseISOWeekDate("2008W011", date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(2007, 12, 31));
    EXPECT_EQ(ParseISOWeekDate(" 2008 -W03- 2 ", date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(2008, 1, 15));
    EXPECT_EQ(ParseISOWeekDate("-45-W01-1", date), kParseValid);
    EXPECT_EQ(date.year, -45);
}

TEST(ParseISOWeekDate, AcceptsWeek53OnlyInLongYears) {
    ISOWeekDate date;
    EXPECT_EQ(ParseISOWeekDate("2009-W53-1", date), kParseValid);
    EXPECT_EQ(ParseISOWeekDate("2004-W53-6", date), kParseValid);
    EXPECT_EQ(date.jdn, JDNOf(2005, 1, 1));
    EXPECT_EQ(ParseISOWeekDate("2008-W53-1", date), kParseInvalid);
    EXPECT_EQ(date.jdn, 0) << "the record is cleared";
    EXPECT_EQ(ParseISOWeekDate("2008W01-1", date), kParseInvalid);
}

TEST(ParseISOWeekDate, AnswersOutOfRangeForFarYears) {
    ISOWeekDate date;
    EXPECT_EQ(ParseISOWeekDate("5800000-W01-1", date), kParseOutOfRange);
    EXPECT_EQ(ParseISOWeekDate("-5800000W011", date), kParseOutOfRange);
    EXPECT_EQ(ParseISOWeekDate("99999999999999999999W011", date), kParseOutOfRange);
    // Within the year limit, beyond the day number range.
    EXPECT_EQ(ParseISOWeekDate("5799999-W01-1", date), kParseOutOfRange);
    EXPECT_EQ(ParseISOWeekDate("5744000-W01-1", date), kParseValid);
}

// --- ParseLPMDate and ParseLPWDate

TEST(ParseLPWDate, ReadsWeekFormWithOrWithoutCodeAndPadding) {
    LeapWeekDate date;
    EXPECT_EQ(ParseLPWDate("2008-01-1 LPW", date), kParseValid);
    EXPECT_EQ(date.jdn, 2454459);
    EXPECT_EQ(ParseLPWDate("2008-1-1", date), kParseValid);
    EXPECT_EQ(date.jdn, 2454459);
    EXPECT_EQ(ParseLPWDate("2009-53-7", date), kParseValid);
    EXPECT_EQ(date.jdn, 2455193);
    EXPECT_EQ(ParseLPWDate("-12,345-01-1", date), kParseValid);
    EXPECT_EQ(date.year, -12345);
}

TEST(ParseLPWDate, RefusesMalformedTexts) {
    LeapWeekDate date;
    for (const char* text : {"2008-01", "2008", "", "2008-01-1-1", "--01-1", "2008--1", "2008-01-",
                             "2008-01-8", "2008-32768-1", "2008-01-99999999999"}) {
        EXPECT_EQ(ParseLPWDate(text, date), kParseInvalid) << text;
    }
}

TEST(ParseLPWDate, AnswersOutOfRangeForFarYears) {
    LeapWeekDate date;
    EXPECT_EQ(ParseLPWDate("6000000-01-1", date), kParseOutOfRange);
    EXPECT_EQ(ParseLPWDate("-5800001-01-1", date), kParseOutOfRange);
    EXPECT_EQ(ParseLPWDate("5800000-01-1", date), kParseOutOfRange) << "beyond the day numbers";
    EXPECT_EQ(ParseLPWDate("99999999999999-01-1", date), kParseOutOfRange);
}

TEST(ParseLPMDate, ReadsMonthFormAndChecksTheMonthLength) {
    LeapWeekDate date;
    EXPECT_EQ(ParseLPMDate("2009-12-35 LPM", date), kParseValid);
    EXPECT_EQ(date.jdn, 2455193);
    EXPECT_EQ(date.week, 53);
    EXPECT_EQ(date.weekday, 7);
    EXPECT_EQ(ParseLPMDate("2008-01-01", date), kParseValid);
    EXPECT_EQ(date.jdn, 2454459);
    EXPECT_EQ(ParseLPMDate("2008-12-29", date), kParseInvalid);
    EXPECT_EQ(ParseLPMDate("2008-13-01", date), kParseInvalid);
    EXPECT_EQ(ParseLPMDate("2008-02-29", date), kParseInvalid);
    EXPECT_EQ(ParseLPMDate("6000000-01-01", date), kParseOutOfRange);
}

}  // namespace
}  // namespace tembrel

namespace tembrel {
namespace {

// The calendar library's reader with the range rules of ParseDateText: what every
// plain date text must read as.
int LibraryReading(const std::string& text, DateOrder order, char marker, CalDate& date) {
    date = CalDate{};
    const int32_t result = str_to_date(text.c_str(), static_cast<int32_t>(order), &date, marker);
    if (result == kStrToDateOutOfRange) {
        return kParseOutOfRange;
    }
    if (result != kStrToDateValid) {
        return kParseInvalid;
    }
    if (date.year > kMaxYear || date.year < -kMaxYear) {
        return kParseOutOfRange;
    }
    const int32_t jdn = CalDateToJDN(date);
    return IsJDNInRange(jdn) ? kParseValid : kParseOutOfRange;
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
        CalDate expected{};
        const int expectedStatus =
            LibraryReading(text, order, cal == CalendarCode::JC ? 'J' : 'G', expected);
        CalDate date{};
        ASSERT_EQ(ParseDateText(text, std::string(1, separator), cal, order, date), expectedStatus)
            << text;
        if (expectedStatus == kParseValid) {
            ASSERT_EQ(date.jdn, expected.jdn) << text;
            ASSERT_EQ(date.year, expected.year) << text;
        }
    }
}

}  // namespace
}  // namespace tembrel
