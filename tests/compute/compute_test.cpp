// The engine as a function of values: what each field combination computes, the
// numbers and the message it gives back, and properties over random requests.
#include "compute/compute.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "compute/compute_messages.h"
#include "core/date_parsing.h"
#include "core/notation.h"
#include "tests/support/random_date_texts.h"

namespace tembrel {
namespace {

constexpr int32_t kToday = 2454541;  // Saturday 15 March 2008

ComputeRequest Request(std::string_view first, std::string_view diff = "",
                       std::string_view second = "") {
    ComputeRequest request;
    request.firstDate = first;
    request.difference = diff;
    request.secondDate = second;
    request.verbose = false;
    request.today = kToday;
    request.lineEnd = "\n";
    return request;
}

struct EngineCase {
    const char* name;
    ComputeRequest request;
    ComputeKind kind;
    ComputeMessage message;
    const char* output;
    bool hasFirst;
    int32_t firstJDN;
    bool hasSecond;
    int32_t secondJDN;
    int32_t days;
};

TEST(Compute, EachFieldCombinationGivesItsKindNumbersAndMessage) {
    ComputeRequest months = Request("2008-01-31", "1");
    months.unit = DifferenceUnit::Months;
    ComputeRequest twoDatesInMonths = Request("2008-01-01", "", "2008-02-01");
    twoDatesInMonths.unit = DifferenceUnit::Months;
    ComputeRequest iso = Request("", "", "2008-01-15");
    iso.firstCalendar = CalendarCode::ISO;
    ComputeRequest beyond = Request("2099999999", "2");
    beyond.firstCalendar = beyond.secondCalendar = CalendarCode::JDN;
    const EngineCase cases[] = {
        {"lone first", Request(" 2008-01-15 "), ComputeKind::Conversion, ComputeMessage::None,
         "2008-01-15 CE, Tuesday\n", true, 2454481, true, 2454481, 0},
        {"lone second", iso, ComputeKind::Conversion, ComputeMessage::None,
         "2008-01-15 CE = 2008-W03-2 ISO, Tuesday\n", true, 2454481, true, 2454481, 0},
        {"today", Request(""), ComputeKind::Conversion, ComputeMessage::None,
         "2008-03-15 CE, Saturday\n", true, kToday, true, kToday, 0},
        {"plus days", Request("2008-01-15", "10"), ComputeKind::DateFromDays, ComputeMessage::None,
         "2008-01-15 CE plus 10 days = 2008-01-25 CE, Friday\n", true, 2454481, true, 2454491, 10},
        {"minus days", Request("", "10", "2008-01-25"), ComputeKind::DateFromDays,
         ComputeMessage::None, "2008-01-25 CE minus 10 days = 2008-01-15 CE, Tuesday\n", true,
         2454481, true, 2454491, 10},
        {"between", Request("2008-01-01", "", "2009-03-15"), ComputeKind::DaysBetween,
         ComputeMessage::None,
         "2008-01-01 CE to 2009-03-15 CE = 439 days (1 year, 2 months, 14 days)\n", true, 2454467,
         true, 2454906, 439},
        {"months", months, ComputeKind::DateFromMonths, ComputeMessage::None,
         "2008-01-31 CE plus 1 month = 2008-02-29 CE, Friday\n", true, 2454497, true, 2454526, 0},
        {"only difference", Request("", "5"), ComputeKind::None, ComputeMessage::None, "", false, 0,
         false, 0, 0},
        {"all three", Request("2008-01-01", "5", "2008-02-01"), ComputeKind::None,
         ComputeMessage::DifferenceMustBeEmpty, "", false, 0, false, 0, 0},
        {"two dates in months", twoDatesInMonths, ComputeKind::None,
         ComputeMessage::MonthsNeedOneDate, "", false, 0, false, 0, 0},
        {"bad second first", Request("2008-13-01", "", "2008-02-30"), ComputeKind::None,
         ComputeMessage::SecondDateInvalid, "", false, 0, false, 0, 0},
        {"bad difference", Request("2008-01-01", "1.5"), ComputeKind::None,
         ComputeMessage::DifferenceInvalid, "", false, 0, false, 0, 0},
        {"difference beyond", Request("2008-01-01", "2100000001"), ComputeKind::None,
         ComputeMessage::DifferenceOutOfRange, "", false, 0, false, 0, 0},
        {"first beyond", Request("5800001-01-01"), ComputeKind::None,
         ComputeMessage::FirstDateOutOfRange, "", false, 0, false, 0, 0},
        {"result beyond", beyond, ComputeKind::DateFromDays, ComputeMessage::ResultOutOfRange,
         "Out of Range\n\n", true, 2099999999, false, 0, 2},
    };
    for (const EngineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ComputeResult result = Compute(c.request);
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.output, c.output);
        EXPECT_EQ(result.hasFirstDate, c.hasFirst);
        EXPECT_EQ(result.hasSecondDate, c.hasSecond);
        if (c.hasFirst) {
            EXPECT_EQ(result.firstJDN, c.firstJDN);
        }
        if (c.hasSecond) {
            EXPECT_EQ(result.secondJDN, c.secondJDN);
        }
        EXPECT_EQ(result.days, c.days);
    }
}

TEST(Compute, GivesTheFieldsTrimmedNormalisedOrComputed) {
    ComputeResult result = Compute(Request("  2008-1-5", " 1,000 ", ""));
    EXPECT_EQ(result.Field(InputField::FirstDate), "2008-01-05");
    EXPECT_EQ(result.Field(InputField::Difference), "1,000");
    EXPECT_EQ(result.Field(InputField::SecondDate), "2010-10-01");
    EXPECT_EQ(result.months, 0);

    result = Compute(Request("2008-1-5 ", "", " 2008-02-30"));
    EXPECT_EQ(result.Field(InputField::FirstDate), "2008-1-5") << "trimmed, never read";
    EXPECT_EQ(result.Field(InputField::SecondDate), "2008-02-30");

    ComputeRequest twoDates = Request("2008-01-01", "", "2008-02-01");
    twoDates.unit = DifferenceUnit::Months;
    result = Compute(twoDates);
    EXPECT_TRUE(result.switchToDays) << "months with two dates switch the unit to days";
}

TEST(Compute, BreaksDownPositiveCountsWithAllDaysCounted) {
    ComputeResult result = Compute(Request("2008-01-01", "", "2009-03-15"));
    EXPECT_TRUE(result.breakdown.shown);
    EXPECT_EQ(result.breakdown.years, 1);
    EXPECT_EQ(result.breakdown.months, 2);
    EXPECT_EQ(result.breakdown.days, 14);
    ComputeRequest workingDays = Request("2008-01-01", "", "2009-03-15");
    workingDays.countWeekends = false;
    EXPECT_FALSE(Compute(workingDays).breakdown.shown);
    EXPECT_FALSE(Compute(Request("2009-03-15", "", "2008-01-01")).breakdown.shown);
}

// Today beyond the range, or beyond the years of the first date's calendar, is
// a first date out of range.
TEST(Compute, TodayWithoutATextInTheFirstCalendarIsOutOfRange) {
    ComputeRequest beyond = Request("");
    beyond.today = kMaxJDN + 1;
    ComputeRequest chinese = Request("");
    chinese.firstCalendar = CalendarCode::CHN;
    chinese.today = 2999999;  // 3501 CE
    for (const ComputeRequest& request : {beyond, chinese}) {
        const ComputeResult result = Compute(request);
        EXPECT_EQ(result.kind, ComputeKind::None);
        EXPECT_EQ(result.message, ComputeMessage::FirstDateOutOfRange);
        EXPECT_EQ(result.output, "");
    }
}

ComputeRequest Between(CalendarCode first, CalendarCode second, std::string_view firstDate,
                       std::string_view diff, std::string_view secondDate) {
    ComputeRequest request = Request(firstDate, diff, secondDate);
    request.firstCalendar = first;
    request.secondCalendar = second;
    return request;
}

// Any two notations of the table meet in a conversion, a count and a step in
// days; months stay with the calendars that have month arithmetic.
TEST(Compute, ConvertsCountsAndStepsBetweenAnyTwoNotations) {
    using C = CalendarCode;
    ComputeRequest hebrewMonths = Between(C::HEB, C::HEB, "5768-01-01", "1", "");
    hebrewMonths.unit = DifferenceUnit::Months;
    ComputeRequest monthsAcross = Between(C::CE, C::HEB, "2008-01-15", "1", "");
    monthsAcross.unit = DifferenceUnit::Months;
    const struct {
        const char* name;
        ComputeRequest request;
        ComputeMessage message;
        const char* output;
    } cases[] = {
        {"Hebrew to Islamic", Between(C::HEB, C::ISL, "5768-10-06 HEB", "", ""),
         ComputeMessage::None, "5768-10-06 HEB = 1428-12-05 ISL, Saturday\n"},
        {"into the Chinese calendar", Between(C::CE, C::CHN, "2008-01-15", "", ""),
         ComputeMessage::None, "2008-01-15 CE = 78-24-12-08 CHN, Tuesday\n"},
        {"beyond the Chinese years", Between(C::CE, C::CHN, "3500-01-01", "", ""),
         ComputeMessage::ResultOutOfRange, "3500-01-01 CE = Out of Range\n\n"},
        {"days between two calendars", Between(C::HEB, C::ISL, "5768-11-08", "", "1429-02-01"),
         ComputeMessage::None, "5768-11-08 HEB to 1429-02-01 ISL = 25 days\n"},
        {"no breakdown in the world's calendars",
         Between(C::HEB, C::HEB, "5768-01-01", "", "5769-01-01"), ComputeMessage::None,
         "5768-01-01 HEB to 5769-01-01 HEB = 354 days\n"},
        {"days added to a long count", Between(C::MAY, C::MAY, "12.19.14.17.18", "2", ""),
         ComputeMessage::None, "12.19.14.17.18 MAY plus 2 days = 12.19.15.0.0 MAY, Thursday\n"},
        {"days taken from Unix time", Between(C::HEB, C::UNX, "", "30", "1,200,355,200"),
         ComputeMessage::None, "1,200,355,200 UNX minus 30 days = 5768-10-07 HEB, Sunday\n"},
        {"a step beyond the Bahá'í years", Between(C::BAH, C::BAH, "1157-19-19", "1", ""),
         ComputeMessage::ResultOutOfRange, "1157-19-19 BAH plus 1 day = Out of Range\n\n"},
        {"the phantom spreadsheet day", Between(C::XLS, C::CE, "60", "", ""),
         ComputeMessage::FirstDateInvalid, ""},
        {"months in the Hebrew calendar", hebrewMonths, ComputeMessage::MonthsCalendarWithoutMonths,
         ""},
        {"months across calendars", monthsAcross, ComputeMessage::MonthsCalendarsDiffer, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ComputeResult result = Compute(c.request);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.output, c.output);
    }
}

TEST(MessageText, WordsEveryMessageWithTheLineEndAsked) {
    ProgramTexts texts;
    ASSERT_TRUE(texts.LoadProgramTextFrom(TEMBREL_DATA_FILE).ok());
    EXPECT_EQ(
        MessageText(ComputeMessage::DifferenceMustBeEmpty, LanguageCode::English, texts, "\n"),
        "If both the first date and the second date are specified\n"
        "then the date difference window must be empty.");
    EXPECT_EQ(MessageText(ComputeMessage::ResultOutOfRange, LanguageCode::German, texts, "\n"),
              "Das Resultat liegt ausserhalb des erlaubten Bereichs.");
    EXPECT_EQ(MessageText(ComputeMessage::MonthsNeedOneDate, LanguageCode::English, texts, "|"),
              texts.ProgramText(21) + "|" + texts.ProgramText(22));
    EXPECT_EQ(MessageText(ComputeMessage::None, LanguageCode::English, texts, "\n"), "");
}

// Random texts in every notation with random options: whatever the engine
// answers is consistent, a reused result answers as a fresh one, and a converted
// date reads back in the other calendar as the same day.
TEST(ComputeProperty, AnswersConsistentlyForAnyTextAndOptions) {
    std::mt19937 random(13);
    const std::vector<std::string> texts = test_support::RandomDateTexts(random, 4000);
    std::uniform_int_distribution<int> small(0, 99);
    ComputeResult reused;
    std::string difference;
    const std::vector<CalendarCode> listed = ListedNotations();
    for (const std::string& text : texts) {
        ComputeRequest request = Request(text);
        // Mostly the main window's notations, which the texts are written in,
        // and every notation of the table now and then.
        const auto calendar = [&] {
            return small(random) < 75 ? test_support::kFieldCalendars[small(random) % 7]
                                      : listed[static_cast<size_t>(small(random)) % listed.size()];
        };
        request.firstCalendar = calendar();
        request.secondCalendar = calendar();
        request.notation.order = static_cast<DateOrder>(small(random) % 3);
        request.notation.dateSep = std::string(1, "-/."[small(random) % 3]);
        request.notation.thousSep = std::vector<std::string>{",", ".", ""}[small(random) % 3];
        request.notation.hyphen = small(random) % 2 == 0;
        request.countWeekends = small(random) % 2 == 0;
        request.includeFirstDate = small(random) % 2 == 0;
        request.verbose = small(random) % 2 == 0;
        if (small(random) < 30) {
            difference = std::to_string(small(random) - 50);
            request.difference = difference;
        }
        Compute(request, reused);
        const ComputeResult fresh = Compute(request);
        ASSERT_EQ(reused.output, fresh.output) << text;
        ASSERT_EQ(reused.message, fresh.message) << text;
        ASSERT_TRUE(fresh.output.empty() || fresh.output.ends_with("\n")) << text;
        const bool outOfRange = fresh.output.find("Out of Range") != std::string::npos;
        ASSERT_EQ(outOfRange, fresh.message == ComputeMessage::ResultOutOfRange) << text;
        if (fresh.kind != ComputeKind::Conversion || fresh.message != ComputeMessage::None ||
            request.firstCalendar == request.secondCalendar) {
            continue;
        }
        const ParsedDay back = ParseInNotation(fresh.Field(InputField::SecondDate),
                                               request.secondCalendar, request.notation);
        ASSERT_TRUE(back.ok()) << text;
        ASSERT_EQ(back.jdn, fresh.firstJDN) << text;
    }
}

}  // namespace
}  // namespace tembrel
