// Nanoseconds per conversion between day numbers and each of the world's
// calendars (core/calendars/), both ways, over the same pre-generated random
// inputs as the other benchmarks, so that they compare with the reference
// JDN->CE/hinnant of the same run. The astronomical calendars are timed on days
// of ten years (2000..2009), whose per-year results the caches keep, and on
// days spread over the years 1..3000, where nearly every day computes its year.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "bench/bench_inputs.h"
#include "core/calendars/bahai.h"
#include "core/calendars/chinese.h"
#include "core/calendars/day_counts.h"
#include "core/calendars/french_republican.h"
#include "core/calendars/hebrew.h"
#include "core/calendars/indian_national.h"
#include "core/calendars/islamic.h"
#include "core/calendars/maya.h"
#include "core/calendars/persian.h"
#include "core/calendars/revised_julian.h"
#include "core/calendars/thirty_day_months.h"

namespace {

using namespace bench_support;
using tembrel::ChineseDate;
using tembrel::JdnResult;
using tembrel::YmdDate;

constexpr Span kTenYears{"2000..2009", 2451545, 2455196};
constexpr Span kYears1To3000{"1..3000", 1721426, 2817151};

// Both directions of a calendar of years, months and days.
template <typename Date, typename OfJdn, typename ToJdn>
void RegisterBothWays(const std::string& code, const Span& span, OfJdn ofJdn, ToJdn toJdn) {
    const std::vector<int32_t> jdns = RandomJdns(span);
    const std::string where = std::string("/") + span.name + "/core";
    Register("JDN->" + code + where, jdns, ofJdn);
    Register(code + "->JDN" + where, ConvertAll<Date>(jdns, ofJdn), toJdn);
}

void RegisterArithmetic(const Span& span) {
    struct Calendar {
        const char* code;
        YmdDate (*ofJdn)(int32_t);
        JdnResult (*toJdn)(const YmdDate&);
    };
    const Calendar calendars[] = {
        {"HEB", tembrel::HebrewDateOfJdn, tembrel::HebrewDateToJdn},
        {"ISL", tembrel::IslamicDateOfJdn, tembrel::IslamicDateToJdn},
        {"PER", tembrel::PersianDateOfJdn, tembrel::PersianDateToJdn},
        {"COP", tembrel::CopticDateOfJdn, tembrel::CopticDateToJdn},
        {"ETH", tembrel::EthiopianDateOfJdn, tembrel::EthiopianDateToJdn},
        {"IND", tembrel::IndianNationalDateOfJdn, tembrel::IndianNationalDateToJdn},
        {"RJ", tembrel::RevisedJulianDateOfJdn, tembrel::RevisedJulianDateToJdn},
        {"EGY", tembrel::EgyptianDateOfJdn, tembrel::EgyptianDateToJdn},
        {"ARM", tembrel::ArmenianDateOfJdn, tembrel::ArmenianDateToJdn},
        {"FRE", tembrel::FrenchRepublicanDateOfJdn, tembrel::FrenchRepublicanDateToJdn},
    };
    for (const Calendar& calendar : calendars) {
        RegisterBothWays<YmdDate>(
            calendar.code, span, calendar.ofJdn,
            [toJdn = calendar.toJdn](const YmdDate& date) { return toJdn(date).jdn; });
    }
    RegisterBothWays<tembrel::MayaLongCount>(
        "MAY", span, tembrel::MayaLongCountOfJdn,
        [](const tembrel::MayaLongCount& count) { return tembrel::MayaLongCountToJdn(count).jdn; });
    for (const auto& [code, count] :
         {std::pair{"MJD", tembrel::DayCount::MJD}, std::pair{"UNX", tembrel::DayCount::UNX},
          std::pair{"XLS", tembrel::DayCount::XLS}}) {
        RegisterBothWays<int64_t>(
            code, span, [count = count](int32_t jdn) { return tembrel::DayCountOfJdn(count, jdn); },
            [count = count](int64_t value) { return tembrel::JdnOfDayCount(count, value).jdn; });
    }
}

// The calendars whose years come from the astronomy. A day they have no date
// for converts to the empty record.
void RegisterAstronomical(const Span& span) {
    RegisterBothWays<YmdDate>(
        "BAH", span, [](int32_t jdn) { return tembrel::BahaiDateOfJdn(jdn).value_or(YmdDate{}); },
        [](const YmdDate& date) { return tembrel::BahaiDateToJdn(date).jdn; });
    RegisterBothWays<ChineseDate>(
        "CHN", span,
        [](int32_t jdn) { return tembrel::ChineseDateOfJdn(jdn).value_or(ChineseDate{}); },
        [](const ChineseDate& date) { return tembrel::ChineseDateToJdn(date).jdn; });
    RegisterBothWays<YmdDate>("PER", span, tembrel::PersianDateOfJdn, [](const YmdDate& date) {
        return tembrel::PersianDateToJdn(date).jdn;
    });
}

void RegisterWorldCalendarBenchmarks() {
    RegisterArithmetic(kWholeRange);
    RegisterArithmetic(kYears1To9999);
    RegisterAstronomical(kTenYears);
    RegisterAstronomical(kYears1To3000);
}

// Registered before main runs, like the date text benchmarks.
[[maybe_unused]] const bool kRegistered = (RegisterWorldCalendarBenchmarks(), true);

}  // namespace
