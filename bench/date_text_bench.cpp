// Nanoseconds per parse and per format of date text: Common Era dates, ISO week
// dates and leap week dates in week form, each over random days of the whole
// accepted range and of the years 1..9999. The texts and records are prepared
// before timing, so the figures compare directly with the conversion-only ones
// of the same run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_inputs.h"
#include "core/calendar_binding.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "core/iso_week.h"
#include "core/leap_week.h"

namespace {

using namespace bench_support;

using namespace tembrel;

constexpr Span kSpans[] = {kWholeRange, kYears1To9999};

void RegisterDateTextBenchmarks() {
    for (const Span& span : kSpans) {
        const std::string where = std::string("/") + span.name;
        const std::vector<int32_t> jdns = RandomJdns(span);

        const auto ceDates = ConvertAll<CalDate>(
            jdns, [](int32_t jdn) { return CalDateOfJDN(jdn, kMarkerGregorian); });
        const auto ceTexts = ConvertAll<std::string>(ceDates, [](const CalDate& date) {
            return FormatDateText(date, DateOrder::YMD, "-", ",");
        });
        Register("FormatDateText/CE" + where, ceDates, [](const CalDate& date) {
            return FormatDateText(date, DateOrder::YMD, "-", ",");
        });
        Register("ParseDateText/CE" + where, ceTexts, [](const std::string& text) {
            return ParseDateText(text, "-", CalendarCode::CE, DateOrder::YMD).value.jdn;
        });

        const auto isoDates = ConvertAll<ISOWeekDate>(jdns, ISOWeekDateOf);
        const auto isoTexts = ConvertAll<std::string>(
            isoDates, [](const ISOWeekDate& date) { return FormatISOWeekDate(date, 1); });
        Register("FormatISOWeekDate" + where, isoDates,
                 [](const ISOWeekDate& date) { return FormatISOWeekDate(date, 1); });
        Register("ParseISOWeekDate" + where, isoTexts,
                 [](const std::string& text) { return ParseISOWeekDate(text).value.jdn; });

        const auto lpwDates = ConvertAll<LeapWeekDate>(jdns, LPWDateOf);
        const auto lpwTexts = ConvertAll<std::string>(
            lpwDates, [](const LeapWeekDate& date) { return FormatLPWDate(date, false); });
        Register("FormatLPWDate" + where, lpwDates,
                 [](const LeapWeekDate& date) { return FormatLPWDate(date, false); });
        Register("ParseLPWDate" + where, lpwTexts,
                 [](const std::string& text) { return ParseLPWDate(text).value.jdn; });
    }
}

// Registered before main runs, so that the benchmarks join any benchmark
// executable this file is linked into.
[[maybe_unused]] const bool kRegistered = (RegisterDateTextBenchmarks(), true);

}  // namespace
