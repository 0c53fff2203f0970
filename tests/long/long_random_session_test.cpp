// The long random session: millions of user actions on the main window's model,
// in sessions of a few thousand actions from seeds that differ every run. A
// failure names its session's seed; TEMBREL_SESSION_SEED=<seed> with the short
// test (test_random_session) replays it. TEMBREL_SESSION_ACTIONS sets how many
// actions the run takes in all.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>

#include "tests/ui/model/random_session.h"

namespace tembrel {
namespace {

using namespace test_support;

constexpr size_t kSessionActions = 4000;
constexpr size_t kDefaultActions = 50'000'000;  // a few minutes

size_t TotalActions() {
    const char* wanted = std::getenv("TEMBREL_SESSION_ACTIONS");
    return wanted != nullptr ? std::strtoull(wanted, nullptr, 10) : kDefaultActions;
}

TEST(LongRandomSession, MillionsOfActionsBreakNothing) {
    NoteSessionOnCrash();
    const uint64_t base = std::random_device{}();
    std::cout << "sessions from seed " << base << "\n";
    std::seed_seq mix{base};
    std::mt19937_64 seeds(mix);
    const auto start = std::chrono::steady_clock::now();
    size_t done = 0;
    while (done < TotalActions()) {
        const SessionReport report = RunSeededSession(seeds(), kSessionActions, ReportedFaults());
        ASSERT_FALSE(report.failure) << FailureText(report);
        done += kSessionActions;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << done << " actions in " << seconds << " s (" << done / seconds
              << " actions per second)\n";
}

}  // namespace
}  // namespace tembrel
