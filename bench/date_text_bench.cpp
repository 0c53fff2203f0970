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

#include "core/calendar_binding.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "core/iso_week.h"
#include "core/leap_week.h"

namespace {

using namespace tembrel;

// As many inputs as the conversion benchmarks use.
constexpr size_t kInputCount = size_t{1} << 14;

struct Span {
    const char* name;
    int32_t firstJdn;
    int32_t lastJdn;
};
constexpr Span kSpans[] = {{"whole", -2100000000, 2100000000}, {"1..9999", 1721426, 5373484}};

std::vector<int32_t> RandomJdns(const Span& span) {
    std::mt19937_64 generator{12345};
    std::uniform_int_distribution<int32_t> anyJdn(span.firstJdn, span.lastJdn);
    std::vector<int32_t> jdns(kInputCount);
    for (int32_t& jdn : jdns) {
        jdn = anyJdn(generator);
    }
    return jdns;
}

template <typename Output, typename Input, typename Convert>
std::vector<Output> ConvertAll(const std::vector<Input>& inputs, Convert convert) {
    std::vector<Output> outputs;
    outputs.reserve(inputs.size());
    for (const Input& input : inputs) {
        outputs.push_back(convert(input));
    }
    return outputs;
}

// Times `run` over every input and reports the time per call as ns_per_op.
template <typename Input, typename Run>
void Register(const std::string& name, std::vector<Input> inputs, Run run) {
    benchmark::RegisterBenchmark(
        name.c_str(), [inputs = std::move(inputs), run](benchmark::State& state) {
            for (auto _ : state) {
                for (const Input& input : inputs) {
                    auto result = run(input);
                    benchmark::DoNotOptimize(result);
                }
            }
            state.counters["ns_per_op"] = benchmark::Counter(
                static_cast<double>(state.iterations()) * static_cast<double>(inputs.size()) * 1e-9,
                benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
        });
}

ISOWeekDate ISODateOf(int32_t jdn) {
    ISOWeekDate date;
    date.jdn = jdn;
    JDNToISOWeekDate(date);
    return date;
}

LeapWeekDate LPWDateOf(int32_t jdn) {
    LeapWeekDate date;
    date.jdn = jdn;
    JDNToLPW(date);
    return date;
}

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
            CalDate date{};
            ParseDateText(text, "-", CalendarCode::CE, DateOrder::YMD, date);
            return date.jdn;
        });

        const auto isoDates = ConvertAll<ISOWeekDate>(jdns, ISODateOf);
        const auto isoTexts = ConvertAll<std::string>(
            isoDates, [](const ISOWeekDate& date) { return FormatISOWeekDate(date, 1); });
        Register("FormatISOWeekDate" + where, isoDates,
                 [](const ISOWeekDate& date) { return FormatISOWeekDate(date, 1); });
        Register("ParseISOWeekDate" + where, isoTexts, [](const std::string& text) {
            ISOWeekDate date;
            ParseISOWeekDate(text, date);
            return date.jdn;
        });

        const auto lpwDates = ConvertAll<LeapWeekDate>(jdns, LPWDateOf);
        const auto lpwTexts = ConvertAll<std::string>(
            lpwDates, [](const LeapWeekDate& date) { return FormatLPWDate(date, false); });
        Register("FormatLPWDate" + where, lpwDates,
                 [](const LeapWeekDate& date) { return FormatLPWDate(date, false); });
        Register("ParseLPWDate" + where, lpwTexts, [](const std::string& text) {
            LeapWeekDate date;
            ParseLPWDate(text, date);
            return date.jdn;
        });
    }
}

// Registered before main runs, so that the benchmarks join any benchmark
// executable this file is linked into.
[[maybe_unused]] const bool kRegistered = (RegisterDateTextBenchmarks(), true);

}  // namespace
