// A short random session on the main window's model, the same every run; the
// long one runs with the tests labelled "long". TEMBREL_SESSION_SEED=<seed>
// replays the session of one seed.
#include "tests/ui/model/random_session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tembrel {
namespace {

using namespace test_support;

constexpr uint64_t kSeed = 20080315;
constexpr size_t kActions = 4000;

uint64_t SeedToRun() {
    const char* replay = std::getenv(kSessionSeedVariable);
    return replay != nullptr ? std::strtoull(replay, nullptr, 10) : kSeed;
}

TEST(RandomSession, FourThousandActionsBreakNothing) {
    NoteSessionOnCrash();
    const SessionReport report = RunSeededSession(SeedToRun(), kActions, ReportedFaults());
    EXPECT_FALSE(report.failure) << FailureText(report);
}

TEST(RandomSession, TheSameSeedMakesTheSameActions) {
    // A failure can only be replayed if its seed gives the same session again.
    ActionSource first(kSeed);
    ActionSource second(kSeed);
    for (int i = 0; i < 1000; ++i) {
        const SessionAction a = first.Next();
        ASSERT_EQ(Describe(a), Describe(second.Next())) << "action " << i;
    }
}

}  // namespace
}  // namespace tembrel
