// Working days over long spans: the set-up of a work calendar (its count
// tables), counting the working days between two days 1, 100 and 5,000,000
// years apart, stepping a day by as many working days, and asking whether a
// day is worked. Every count and step is computed from the tables, so its time
// must not grow with the span.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_inputs.h"
#include "core/calendar_tables.h"
#include "holidays/holiday_data_file.h"
#include "holidays/working_day_rules.h"

namespace {

using namespace bench_support;
using namespace tembrel::holidays;

// Rules that use Orthodox Easter, which no region of the rule file does: the
// slowest kind of set-up (every century of the range differs).
constexpr std::string_view kOrthodoxRules =
    "region XO = Orthodox example | Orthodoxes Beispiel\n"
    "01-07 = Christmas | Weihnachten\n"
    "orthodox-2 = Good Friday | Karfreitag\n"
    "orthodox+1 = Easter Monday | Ostermontag\n"
    "orthodox+50 = Whit Monday | Pfingstmontag\n"
    "05-01 = Labour Day | Tag der Arbeit\n"
    "05-09 1945.. sat:next sun:next observed = Victory Day | Tag des Sieges\n";

struct Selection {
    std::string name;
    std::vector<RegionRules> regions;
};

std::vector<Selection> Selections() {
    FileError error;
    const std::optional<HolidayData> data = LoadHolidayData(TEMBREL_HOLIDAY_DATA_FILE, error);
    const std::optional<HolidayData> orthodox = ParseHolidayData(kOrthodoxRules, "bench", error);
    if (!data || !orthodox) {
        return {};
    }
    Selection all{"all_regions", {}};
    for (const RegionEntry& entry : data->entries()) {
        if (!entry.isGroup) {
            all.regions.push_back(data->ResolveRegion(entry));
        }
    }
    return {{"weekend_only", {}},
            {"DE-BY", {data->ResolveRegion(*data->FindRegion("DE-BY"))}},
            {"GB+US",
             {data->ResolveRegion(*data->FindRegion("GB")),
              data->ResolveRegion(*data->FindRegion("US"))}},
            std::move(all),
            {"orthodox", {orthodox->ResolveRegion(*orthodox->FindRegion("XO"))}}};
}

// Pairs of days `span` days apart, both within the accepted range.
std::vector<std::pair<int32_t, int32_t>> PairsApart(int64_t span) {
    std::mt19937_64 generator{2024};
    std::uniform_int_distribution<int64_t> anyStart(tembrel::kMinJDN, tembrel::kMaxJDN - span);
    std::vector<std::pair<int32_t, int32_t>> pairs(kInputCount / 16);
    for (auto& [from, to] : pairs) {
        from = static_cast<int32_t>(anyStart(generator));
        to = static_cast<int32_t>(from + span);
    }
    return pairs;
}

void RegisterWorkingDayBenchmarks() {
    for (Selection& selection : Selections()) {
        benchmark::RegisterBenchmark(("WorkCalendar/setup/" + selection.name).c_str(),
                                     [regions = selection.regions](benchmark::State& state) {
                                         for (auto _ : state) {
                                             WorkCalendar calendar(Weekend(), regions, {}, {});
                                             benchmark::DoNotOptimize(calendar);
                                         }
                                     })
            ->Unit(benchmark::kMillisecond);
        if (selection.name == "all_regions") {
            continue;  // the counts of one region stand for those of many
        }
        const WorkCalendar calendar(Weekend(), selection.regions, {}, {});
        const CountOptions workingDays{true, false};
        for (const auto& [years, days] :
             {std::pair{"1y", int64_t{365}}, std::pair{"100y", int64_t{36524}},
              std::pair{"5My", int64_t{1826212500}}}) {
            const std::string where = std::string("/") + years + "/" + selection.name;
            Register("WorkCalendar/count" + where, PairsApart(days),
                     [calendar](const std::pair<int32_t, int32_t>& pair) {
                         return CountDaysBetween(calendar, pair.first, pair.second,
                                                 CountOptions{true, false});
                     });
            // As many working days as the span holds, about five in seven days.
            std::vector<std::pair<int32_t, int32_t>> steps = PairsApart(days);
            for (auto& [from, count] : steps) {
                count = static_cast<int32_t>(days * 5 / 7);
            }
            Register("WorkCalendar/second_date" + where, steps,
                     [calendar, workingDays](const std::pair<int32_t, int32_t>& step) {
                         return SecondDateFrom(calendar, step.first, step.second, workingDays);
                     });
        }
        Register("WorkCalendar/is_working_day/" + selection.name, RandomJdns(kWholeRange),
                 [calendar](int32_t jdn) { return calendar.IsWorkingDay(jdn); });
    }
}

// Registered before main runs, like the date text benchmarks.
[[maybe_unused]] const bool kRegistered = (RegisterWorkingDayBenchmarks(), true);

}  // namespace
