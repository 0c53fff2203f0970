// The text forms of the world's calendars through their table rows: every row
// reads back what it writes in every date order, date separator and thousands
// separator; known days give known texts; and the readers refuse what is not a
// date of the calendar, telling an impossible date from one out of range.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/calendar_tables.h"
#include "core/calendars/day_counts.h"
#include "core/calendars/thirty_day_months.h"
#include "core/notation_table.h"
#include "libs/roroviri/civil_day_math.h"

namespace tembrel {
namespace {

const NotationRow& Form(std::string_view code) {
    const std::optional<CalendarCode> cal = CalendarCodeFromText(code);
    if (!cal) {
        ADD_FAILURE() << "no row " << code;
        return Notations().front();
    }
    return NotationOf(*cal);
}

// The rows of the world's calendars and day counts: those with names of their own.
std::vector<NotationRow> WorldCalendars() {
    std::vector<NotationRow> rows;
    for (const NotationRow& row : Notations()) {
        if (!row.nameEnglish.empty()) {
            rows.push_back(row);
        }
    }
    return rows;
}

NotationOptions Options(DateOrder order, std::string_view dateSep, std::string_view thousSep) {
    NotationOptions options;
    options.order = order;
    options.dateSep = std::string(dateSep);
    options.thousSep = std::string(thousSep);
    return options;
}

const NotationOptions kIso = Options(DateOrder::YMD, "-", ",");

// Returns the text a row writes for a day, or "(none)" when it writes nothing.
std::string Written(std::string_view code, int32_t jdn, const NotationOptions& options = kIso) {
    std::string text;
    bool written = false;
    {
        TextAppender out(text);
        written = Form(code).append(jdn, options, out);
    }
    return written ? text : (text.empty() ? "(none)" : "(none, but wrote " + text + ")");
}

ParseStatus StatusOf(std::string_view code, std::string_view text,
                     const NotationOptions& options = kIso) {
    return Form(code).Parse(text, options).status;
}

int32_t GregorianJdn(int32_t year, uint32_t month, int32_t day) {
    return static_cast<int32_t>(roroviri::math::GregorianMonthStart(year, month)) + day - 1;
}

TEST(WorldCalendarTable, ListsTheCalendarsInTheOrderOfTheirCodes) {
    std::vector<std::string_view> codes;
    for (const NotationRow& form : WorldCalendars()) {
        codes.push_back(CalCodeText(form.code));
        EXPECT_FALSE(form.nameGerman.empty());
    }
    EXPECT_EQ(codes, (std::vector<std::string_view>{"HEB", "ISL", "PER", "COP", "ETH", "IND", "RJ",
                                                    "EGY", "ARM", "FRE", "BAH", "MAY", "CHN", "MJD",
                                                    "RD", "LIL", "UNX", "XLS"}));
}

TEST(WorldCalendarTable, EveryRowReadsBackWhatItWritesInEveryFormat) {
    std::mt19937 generator(17);
    // Days of the whole range, and of the centuries where the astronomical
    // calendars have dates.
    std::uniform_int_distribution<int32_t> anyDay(kMinJDN, kMaxJDN);
    std::uniform_int_distribution<int32_t> nearDay(1400000, 2800000);
    std::vector<int32_t> days = {kMinJDN, kMaxJDN, 0, 2415079, 2415080};
    for (int i = 0; i < 40; ++i) {
        days.push_back(anyDay(generator));
        days.push_back(nearDay(generator));
    }
    for (const NotationRow& form : WorldCalendars()) {
        int written = 0;
        for (const DateOrder order : {DateOrder::YMD, DateOrder::DMY, DateOrder::MDY}) {
            for (const std::string_view dateSep : {"-", "/", "."}) {
                for (const std::string_view thousSep : {",", ".", ""}) {
                    const NotationOptions options = Options(order, dateSep, thousSep);
                    for (const int32_t jdn : days) {
                        std::string text;
                        bool wrote = false;
                        {
                            TextAppender out(text);
                            wrote = form.append(jdn, options, out);
                        }
                        if (!wrote) {
                            EXPECT_TRUE(text.empty()) << CalCodeText(form.code);
                            continue;
                        }
                        ++written;
                        const ParsedDay read = form.Parse(text, options);
                        ASSERT_TRUE(read.ok() && read.jdn == jdn)
                            << CalCodeText(form.code) << " day " << jdn << " written \"" << text
                            << "\" with \"" << dateSep << "\" and \"" << thousSep << "\"";
                    }
                }
            }
        }
        EXPECT_GT(written, 27 * 40) << CalCodeText(form.code);
    }
}

TEST(WorldCalendarTable, KnownDaysGiveKnownTexts) {
    const int32_t passover = GregorianJdn(2024, 4, 23);  // 15 Nisan 5784
    EXPECT_EQ(Written("HEB", passover), "5784-01-15");
    EXPECT_EQ(Written("HEB", passover, Options(DateOrder::DMY, ".", ",")), "15.01.5784");
    EXPECT_EQ(Written("HEB", passover, Options(DateOrder::MDY, "/", ",")), "01/15/5784");
    EXPECT_EQ(Written("ISL", GregorianJdn(2024, 3, 11)), "1445-09-01");  // 1 Ramadan
    EXPECT_EQ(Written("PER", GregorianJdn(2024, 3, 20)), "1403-01-01");
    EXPECT_EQ(Written("ETH", GregorianJdn(2023, 9, 12)), "2016-01-01");
    EXPECT_EQ(Written("BAH", GregorianJdn(2024, 3, 20)), "181-01-01");
    EXPECT_EQ(Written("BAH", GregorianJdn(2024, 2, 26)), "180-00-01");  // Ayyám-i-Há
    EXPECT_EQ(Written("FRE", GregorianJdn(1799, 11, 9)), "8-02-18");
    // A negative year follows a separator in parentheses; a long year is grouped.
    const int32_t copticDay = CopticDateToJdn({-1284, 5, 3}).jdn;
    EXPECT_EQ(Written("COP", copticDay, Options(DateOrder::DMY, "/", ",")), "03/05/(-1284)");
    EXPECT_EQ(Written("COP", copticDay, Options(DateOrder::YMD, "/", ",")), "-1284/05/03");
    EXPECT_EQ(Written("EGY", 1448638 + 365 * 11999), "12,000-01-01");
    EXPECT_EQ(Written("EGY", 1448638 + 365 * 11999, Options(DateOrder::YMD, ".", ".")),
              "12000.01.01");
    // The Chinese new year 2024 and a day of the leap second month of 2023.
    EXPECT_EQ(Written("CHN", GregorianJdn(2024, 2, 10)), "78-41-01-01");
    EXPECT_EQ(Written("CHN", GregorianJdn(2023, 3, 22)), "78-40-02L-01");
    EXPECT_EQ(Written("CHN", GregorianJdn(2023, 3, 22), Options(DateOrder::DMY, ".", ",")),
              "01.02L.78.40");
    EXPECT_EQ(Written("MAY", GregorianJdn(2012, 12, 21)), "13.0.0.0.0");
    EXPECT_EQ(Written("MAY", 584282), "-1.19.19.17.19");
    EXPECT_EQ(Written("MJD", 2451545), "51,544");
    EXPECT_EQ(Written("RD", 2451545), "730,120");
    EXPECT_EQ(Written("LIL", GregorianJdn(1582, 10, 15)), "1");
    EXPECT_EQ(Written("UNX", 2451545, Options(DateOrder::YMD, "-", ".")), "946.684.800");
    EXPECT_EQ(Written("UNX", kMinJDN), "-181,650,866,803,200");
    EXPECT_EQ(Written("XLS", 2451545, Options(DateOrder::YMD, "-", "")), "36526");
    EXPECT_EQ(Written("XLS", GregorianJdn(1900, 2, 28)), "59");
    EXPECT_EQ(Written("XLS", GregorianJdn(1900, 3, 1)), "61");
}

TEST(WorldCalendarTable, AstronomicalCalendarsWriteNothingBeyondTheirRange) {
    EXPECT_EQ(Written("CHN", GregorianJdn(-1001, 6, 1)), "(none)");
    EXPECT_EQ(Written("CHN", GregorianJdn(3001, 6, 1)), "(none)");
    EXPECT_EQ(Written("BAH", GregorianJdn(3001, 6, 1)), "(none)");
    EXPECT_EQ(StatusOf("BAH", "1200-01-01"), ParseStatus::OutOfRange);
    EXPECT_EQ(StatusOf("CHN", "99-01-01-01"), ParseStatus::OutOfRange);
    // The Persian calendar has a date for every day: by the 33-year rule at the
    // end of the range.
    EXPECT_EQ(Written("PER", kMaxJDN), "5,744,272-07-29");
}

TEST(WorldCalendarTable, ReadersAcceptWhatUsersType) {
    const ParsedDay passover = Form("HEB").Parse(" 5784-1-15 HEB ", kIso);
    EXPECT_TRUE(passover.ok() && passover.jdn == GregorianJdn(2024, 4, 23));
    const int32_t copticDay = CopticDateToJdn({-1284, 5, 3}).jdn;
    EXPECT_EQ(Form("COP").Parse("03-05-(-1284)", Options(DateOrder::DMY, "-", ",")).jdn, copticDay);
    EXPECT_EQ(Form("COP").Parse("3-5--1284", Options(DateOrder::DMY, "-", ",")).jdn, copticDay);
    EXPECT_EQ(Form("COP").Parse("-1284/05/03", Options(DateOrder::YMD, "/", ",")).jdn, copticDay);
    EXPECT_EQ(Form("CHN").Parse("78-40-2l-1", kIso).jdn, GregorianJdn(2023, 3, 22));
    EXPECT_EQ(Form("MJD").Parse(" +51.544 ", kIso).jdn, 2451545);
    EXPECT_EQ(Form("UNX").Parse("946771199", kIso).jdn, 2451545) << "the day's last second";
    EXPECT_EQ(Form("UNX").Parse("-1", kIso).jdn, 2440587) << "31 December 1969";
}

TEST(WorldCalendarTable, ReadersRefuseDatesTheCalendarDoesNotHave) {
    EXPECT_EQ(StatusOf("HEB", "5783-13-01"), ParseStatus::Invalid) << "a common year";
    EXPECT_EQ(StatusOf("HEB", "5784-08-30"), ParseStatus::Invalid) << "29-day Marheshvan";
    EXPECT_EQ(StatusOf("ISL", "1444-12-30"), ParseStatus::Invalid);
    EXPECT_EQ(StatusOf("CHN", "78-41-01L-01"), ParseStatus::Invalid) << "no leap first month";
    EXPECT_EQ(StatusOf("CHN", "78-41-01-01L"), ParseStatus::Invalid) << "a leap mark on a day";
    EXPECT_EQ(StatusOf("CHN", "78-61-01-01"), ParseStatus::Invalid) << "year 61 of a cycle";
    EXPECT_EQ(StatusOf("MAY", "13.0.0.18.0"), ParseStatus::Invalid) << "uinal 18";
    EXPECT_EQ(StatusOf("MAY", "13.-1.0.0.0"), ParseStatus::Invalid);
    EXPECT_EQ(StatusOf("XLS", "60"), ParseStatus::Invalid) << "29 February 1900";
}

TEST(WorldCalendarTable, ReadersRefuseTextsOfAnotherShape) {
    for (const std::string_view text :
         {"", "5784", "5784-01", "5784-01-01-01", "5784/01/01", "5784--1-01", "5784-01-",
          "-5784--01-01", "1,2345-01-01x-"}) {
        EXPECT_EQ(StatusOf("HEB", text), ParseStatus::Invalid) << '"' << text << '"';
    }
    EXPECT_EQ(StatusOf("HEB", "5784-01-01", Options(DateOrder::YMD, "", ",")), ParseStatus::Invalid)
        << "no date separator";
    EXPECT_EQ(StatusOf("MAY", "13.0.0.0"), ParseStatus::Invalid);
    EXPECT_EQ(StatusOf("CHN", "78-41-01"), ParseStatus::Invalid);
}

TEST(WorldCalendarTable, YearsBeyondTheRangeAreOutOfRange) {
    for (const std::string_view code : {"HEB", "ISL", "PER", "COP", "IND", "RJ", "FRE"}) {
        EXPECT_EQ(StatusOf(code, "9000000-01-01"), ParseStatus::OutOfRange) << code;
        EXPECT_EQ(StatusOf(code, "-99999999999999999999-01-01"), ParseStatus::OutOfRange) << code;
    }
    EXPECT_EQ(StatusOf("MAY", "99999.0.0.0.0"), ParseStatus::OutOfRange);
}

TEST(DayCountText, ReadsWholeNumbersGroupedInThrees) {
    struct Case {
        std::string_view text;
        ParseStatus status;
        int32_t jdn;  // as a rata die: the row's value + 1721425
    };
    const Case cases[] = {
        {"730120", ParseStatus::Valid, 2451545},
        {" -1,234 ", ParseStatus::Valid, 1721425 - 1234},
        {"1.234.567", ParseStatus::Valid, 1721425 + 1234567},
        {"+12", ParseStatus::Valid, 1721425 + 12},
        {"\t5\t", ParseStatus::Valid, 1721425 + 5},
        {"1,23", ParseStatus::Invalid, 0},
        {"1,234.567", ParseStatus::Invalid, 0},
        {"12,3456", ParseStatus::Invalid, 0},
        {",123", ParseStatus::Invalid, 0},
        {"1234,567", ParseStatus::Invalid, 0},
        {"1 234", ParseStatus::Invalid, 0},
        {"--5", ParseStatus::Invalid, 0},
        {"+-5", ParseStatus::Invalid, 0},
        {"5 RD", ParseStatus::Invalid, 0},
        {"", ParseStatus::Invalid, 0},
        {"-", ParseStatus::Invalid, 0},
        {"2101721426", ParseStatus::OutOfRange, 0},
        {"99999999999999999999999999", ParseStatus::OutOfRange, 0},
    };
    for (const Case& c : cases) {
        const ParsedDay read = Form("RD").Parse(c.text, kIso);
        EXPECT_EQ(read.status, c.status) << '"' << c.text << '"';
        if (c.status == ParseStatus::Valid) {
            EXPECT_EQ(read.jdn, c.jdn) << '"' << c.text << '"';
        }
    }
}

TEST(DayCounts, RandomDaysRoundTripAndConsecutiveDaysCountOnByOne) {
    std::mt19937 generator(1858);
    std::uniform_int_distribution<int32_t> anyDay(kMinJDN, kMaxJDN - 1);
    std::vector<int32_t> days = {kMinJDN, kMaxJDN - 1, 2415078, 2415079, 2415080, 2440587};
    for (int i = 0; i < 100000; ++i) {
        days.push_back(anyDay(generator));
    }
    for (const DayCount count :
         {DayCount::MJD, DayCount::RD, DayCount::LIL, DayCount::UNX, DayCount::XLS}) {
        const int64_t step = count == DayCount::UNX ? kSecondsPerDay : 1;
        for (const int32_t jdn : days) {
            const int64_t value = DayCountOfJdn(count, jdn);
            const int64_t next = DayCountOfJdn(count, jdn + 1);
            // One more a day, but two across the spreadsheets' 29 February 1900.
            const bool acrossPhantom =
                count == DayCount::XLS && value == kSpreadsheetPhantomDay - 1;
            ASSERT_EQ(next - value, acrossPhantom ? 2 : step) << jdn;
            const JdnResult back = JdnOfDayCount(count, value);
            ASSERT_TRUE(back.ok() && back.jdn == jdn) << jdn;
        }
        EXPECT_EQ(JdnOfDayCount(count, DayCountOfJdn(count, kMinJDN) - step).check,
                  DateCheck::OutOfRange);
        EXPECT_EQ(JdnOfDayCount(count, DayCountOfJdn(count, kMaxJDN) + step).check,
                  DateCheck::OutOfRange);
    }
    EXPECT_EQ(JdnOfDayCount(DayCount::XLS, kSpreadsheetPhantomDay).check, DateCheck::PhantomDay);
}

TEST(DayCountText, UnixTimeCoversEverySecondOfTheRange) {
    const std::string first = Written("UNX", kMinJDN, Options(DateOrder::YMD, "-", ""));
    const std::string last = Written("UNX", kMaxJDN, Options(DateOrder::YMD, "-", ""));
    EXPECT_EQ(Form("UNX").Parse(first, kIso).jdn, kMinJDN);
    // The last second of the last day is still that day; one more is beyond.
    const int64_t lastSecond = std::stoll(last) + 86399;
    EXPECT_EQ(Form("UNX").Parse(std::to_string(lastSecond), kIso).jdn, kMaxJDN);
    EXPECT_EQ(StatusOf("UNX", std::to_string(lastSecond + 1)), ParseStatus::OutOfRange);
    EXPECT_EQ(StatusOf("UNX", std::to_string(std::stoll(first) - 1)), ParseStatus::OutOfRange);
}

}  // namespace
}  // namespace tembrel
