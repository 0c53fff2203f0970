// Working days through the whole engine, as a user's Compute or a line of
// tembrel-cli asks for them: two Common Era dates 1, 100 and 5,000,000 years
// apart read from their texts, their working days counted on Bavaria's work
// calendar, and the report written with its note; beside it the same count of
// all days, so that the difference is the cost of the working days.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_inputs.h"
#include "compute/compute.h"
#include "core/calendar_tables.h"
#include "core/notation.h"
#include "holidays/working_days.h"

namespace {

using namespace bench_support;
using namespace tembrel;

// Pairs of date texts `span` days apart, both within the accepted range.
std::vector<std::pair<std::string, std::string>> DateTextsApart(int64_t span) {
    std::mt19937_64 generator{2024};
    std::uniform_int_distribution<int64_t> anyStart(kMinJDN, kMaxJDN - span);
    const NotationOptions notation;
    std::vector<std::pair<std::string, std::string>> pairs(kInputCount / 16);
    for (auto& [first, second] : pairs) {
        const auto from = static_cast<int32_t>(anyStart(generator));
        FormatJDNInNotation(from, CalendarCode::CE, notation, first);
        FormatJDNInNotation(static_cast<int32_t>(from + span), CalendarCode::CE, notation, second);
    }
    return pairs;
}

void RegisterComputeBenchmarks() {
    holidays::SetupError error;
    holidays::WorkingDaysChoice bavaria;
    bavaria.regions = {"DE-BY"};
    const std::shared_ptr<const holidays::WorkingDays> days =
        holidays::BuildWorkingDays(bavaria, TEMBREL_HOLIDAY_DATA_FILE, error);
    if (!days) {
        return;
    }
    for (const auto& [years, span] :
         {std::pair{"1y", int64_t{365}}, std::pair{"100y", int64_t{36524}},
          std::pair{"5My", int64_t{1826212500}}}) {
        for (const bool workingDays : {true, false}) {
            // The request and the result are reused from call to call, as the batch
            // mode reuses them.
            struct Reused {
                ComputeRequest request;
                ComputeResult result;
            };
            auto reused = std::make_shared<Reused>();
            reused->request.countWeekends = !workingDays;
            reused->request.workingDays = days.get();
            reused->request.lineEnd = "\n";
            reused->request.keepFields = false;
            Register(std::string("Compute/") + (workingDays ? "working_days/" : "all_days/") +
                         years + "/DE-BY",
                     DateTextsApart(span),
                     [reused, days](const std::pair<std::string, std::string>& pair) {
                         reused->request.firstDate = pair.first;
                         reused->request.secondDate = pair.second;
                         Compute(reused->request, reused->result);
                         return reused->result.days;
                     });
        }
    }
}

// Registered before main runs, like the other benchmarks.
[[maybe_unused]] const bool kRegistered = (RegisterComputeBenchmarks(), true);

}  // namespace
