// A long random session on the main window's model and the month and large
// display models: a user who types any text into any field (key by key through
// the key filter, or pasted whole), clicks every button, option and label,
// switches the language, answers the dialogs either way, and now and then quits
// and starts the program again (session_actions.h, session_program.h).
//
// After every action the session checks what must hold whatever the user did
// (session_properties.h): the output only grows except through Clear and an
// accepted Reset; texts stay UTF-8; one option per group; the counting options
// follow days and months; the captions follow the language list; a resized large
// display keeps room for its controls; a restart restores what Quit saved.
// Crashes and undefined behaviour are the sanitizers' to find.
//
// Any subsequence of a session replays, so that a failing session is cut down
// to a short sequence of actions that still fails.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/ui/model/session_actions.h"
#include "tests/ui/model/session_properties.h"

namespace tembrel::test_support {

// The faults the session has found and that wait for their repair; delete an
// entry as soon as its fault is mended, so that the session guards the repair.
inline KnownFaults ReportedFaults() {
    return {};
}

// A property that broke, and where.
struct SessionFailure {
    size_t step = 0;  // the action after which it broke, from 0
    std::string property;
    std::string detail;
};

// Runs `actions` in order on a newly started program (settings in a folder of
// its own) and stops at the first broken property not in `known`.
std::optional<SessionFailure> RunActions(const std::vector<SessionAction>& actions,
                                         const KnownFaults& known = {});

// The outcome of a seeded session.
struct SessionReport {
    uint64_t seed = 0;
    size_t actions = 0;
    std::optional<SessionFailure> failure;
    // When a property broke: the shortest failing sequence found, in words.
    std::vector<std::string> shortestSequence;
};

// Runs `count` actions from `seed`; on a failure cuts the actions down to a short
// sequence that breaks the same property (for at most about a minute).
SessionReport RunSeededSession(uint64_t seed, size_t count, const KnownFaults& known = {});

// Returns the report as text: the seed to replay, the property, the sequence.
std::string FailureText(const SessionReport& report);

// Writes the seed and the action of the running session to standard error when
// the process dies of a signal or of an AddressSanitizer report, so that it can
// be replayed. Installs itself once; signals something else handles are left
// alone.
void NoteSessionOnCrash();

// The environment variable that replays one seed: TEMBREL_SESSION_SEED=<seed>.
inline constexpr const char* kSessionSeedVariable = "TEMBREL_SESSION_SEED";

}  // namespace tembrel::test_support
