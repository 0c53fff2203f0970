// Nanoseconds per conversion between day numbers and each notation, next to the
// reference conversions in the same run. Every benchmark converts the same
// pre-generated random inputs, either over the whole accepted day number range or
// over the years 1..9999; see README.md for how to read the figures.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_inputs.h"
#include "bench/reference_algorithms.h"
#include "core/iso_week.h"
#include "core/leap_week.h"
#include "libs/roroviri/civil_day_math.h"
#include "libs/roroviri/roroviri.h"

namespace {

using namespace bench_support;

using bench_reference::LeapWeekWalk;
using roroviri::math::CivilDate;

CalDate LibraryDateOf(int32_t jdn, char marker) {
    CalDate date{};
    date.marker = marker;
    date.jdn = jdn;
    jdn_to_euro_date(&date);
    return date;
}

// The reference behind the library's interface (a record, a call that is not
// inlined), to compare the library's C functions like with like.
[[gnu::noinline]] void HinnantRecordFromJdn(CalDate* date) {
    const bench_reference::Ymd ymd = bench_reference::HinnantDateOfJdn(date->jdn);
    date->year = static_cast<int32_t>(ymd.year);
    date->month = static_cast<int32_t>(ymd.month);
    date->day = static_cast<int32_t>(ymd.day);
}

[[gnu::noinline]] int32_t HinnantRecordToJdn(CalDate* date) {
    date->jdn = static_cast<int32_t>(bench_reference::HinnantJdnOfDate(
        {date->year, static_cast<unsigned>(date->month), static_cast<unsigned>(date->day)}));
    return date->jdn;
}

// The Gregorian and Julian calendars: the library through its C interface, its
// arithmetic inlined, and (Gregorian) the references.
void RegisterEuroConversions(const Span& span) {
    const std::string whereName = std::string("/") + span.name;
    const std::vector<int32_t> jdns = RandomJdns(span);
    for (const char marker : {'G', 'J'}) {
        const std::string calendar = marker == 'G' ? "CE" : "JC";
        const auto dates =
            ConvertAll<CalDate>(jdns, [marker](int32_t jdn) { return LibraryDateOf(jdn, marker); });
        Register("JDN->" + calendar + whereName + "/roroviri", jdns,
                 [marker](int32_t jdn) { return LibraryDateOf(jdn, marker); });
        Register(calendar + "->JDN" + whereName + "/roroviri", dates,
                 [](CalDate date) { return euro_date_to_jdn(&date); });
        if (marker == 'G') {
            Register("JDN->CE" + whereName + "/roroviri_inline", jdns,
                     [](int32_t jdn) { return roroviri::math::GregorianDateOfJdn(jdn); });
            Register("CE->JDN" + whereName + "/roroviri_inline", dates, [](const CalDate& date) {
                return roroviri::math::GregorianMonthStart(date.year,
                                                           static_cast<uint32_t>(date.month)) +
                       date.day - 1;
            });
        } else {
            Register("JDN->JC" + whereName + "/roroviri_inline", jdns,
                     [](int32_t jdn) { return roroviri::math::JulianDateOfJdn(jdn); });
            Register("JC->JDN" + whereName + "/roroviri_inline", dates, [](const CalDate& date) {
                return roroviri::math::JulianMonthStart(date.year,
                                                        static_cast<uint32_t>(date.month)) +
                       date.day - 1;
            });
        }
    }
    Register("JDN->CE" + whereName + "/hinnant", jdns, bench_reference::HinnantDateOfJdn);
    Register(
        "CE->JDN" + whereName + "/hinnant",
        ConvertAll<bench_reference::Ymd>(jdns, bench_reference::HinnantDateOfJdn),
        [](const bench_reference::Ymd& date) { return bench_reference::HinnantJdnOfDate(date); });
    Register("JDN->CE" + whereName + "/hinnant_record", jdns, [](int32_t jdn) {
        CalDate date{};
        date.marker = 'G';
        date.jdn = jdn;
        HinnantRecordFromJdn(&date);
        return date;
    });
    Register("CE->JDN" + whereName + "/hinnant_record",
             ConvertAll<CalDate>(jdns, [](int32_t jdn) { return LibraryDateOf(jdn, 'G'); }),
             [](CalDate date) { return HinnantRecordToJdn(&date); });
    if (span.firstJdn == kYears1To9999.firstJdn) {
        Register("JDN->CE" + whereName + "/std_chrono", jdns, bench_reference::ChronoDateOfJdn);
        Register("CE->JDN" + whereName + "/std_chrono",
                 ConvertAll<std::chrono::year_month_day>(jdns, bench_reference::ChronoDateOfJdn),
                 [](const std::chrono::year_month_day& date) {
                     return bench_reference::ChronoJdnOfDate(date);
                 });
    }
}

// ISO week dates and the leap week calendar through the calendar core, and the
// leap week calendar walked year by year.
void RegisterCoreConversions(const Span& span) {
    const std::string whereName = std::string("/") + span.name;
    const std::vector<int32_t> jdns = RandomJdns(span);
    // Lambdas, not function pointers: the conversions are called directly, as
    // the program calls them.
    Register("JDN->ISO" + whereName + "/core", jdns,
             [](int32_t jdn) { return tembrel::ISOWeekDateOf(jdn); });
    Register("ISO->JDN" + whereName + "/core",
             ConvertAll<tembrel::ISOWeekDate>(jdns, tembrel::ISOWeekDateOf),
             [](const tembrel::ISOWeekDate& date) { return tembrel::JDNOfISOWeekDate(date); });
    const auto leapWeekDates = ConvertAll<tembrel::LeapWeekDate>(jdns, tembrel::LPMDateOf);
    Register("JDN->LPW" + whereName + "/core", jdns,
             [](int32_t jdn) { return tembrel::LPWDateOf(jdn); });
    Register("LPW->JDN" + whereName + "/core", leapWeekDates,
             [](const tembrel::LeapWeekDate& date) { return tembrel::JDNOfLPWDate(date); });
    Register("JDN->LPM" + whereName + "/core", jdns,
             [](int32_t jdn) { return tembrel::LPMDateOf(jdn); });
    Register("LPM->JDN" + whereName + "/core", leapWeekDates,
             [](const tembrel::LeapWeekDate& date) { return tembrel::JDNOfLPMDate(date); });
    Register("JDN->LPW" + whereName + "/year_walk", jdns, LeapWeekWalk::FromJdn);
    Register("LPW->JDN" + whereName + "/year_walk",
             ConvertAll<LeapWeekWalk::WeekDate>(jdns, LeapWeekWalk::FromJdn), LeapWeekWalk::ToJdn);
}

}  // namespace

int main(int argc, char** argv) {
    for (const Span& span : {kWholeRange, kYears1To9999}) {
        RegisterEuroConversions(span);
        RegisterCoreConversions(span);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
