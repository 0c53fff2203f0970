#include "tests/ui/model/random_session.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <string_view>

#if defined(__SANITIZE_ADDRESS__)
#define TEMBREL_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TEMBREL_SANITIZED 1
#endif
#endif
#ifdef TEMBREL_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

#include "tests/ui/model/session_program.h"

namespace tembrel::test_support {

namespace {

// A folder of the session's own for the settings file, in memory where the
// system has a memory file system: a session quits and starts the program
// thousands of times, and each Quit flushes the settings file to the disk.
class SessionFolder {
  public:
    SessionFolder() {
        std::error_code error;
        const std::filesystem::path memory = "/dev/shm";
        const std::filesystem::path parent = std::filesystem::is_directory(memory, error)
                                                 ? memory
                                                 : std::filesystem::temp_directory_path();
        std::string pattern = (parent / "tembrel-session-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a folder in " << parent;
        }
        path_ = pattern;
    }
    ~SessionFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    SessionFolder(const SessionFolder&) = delete;
    SessionFolder& operator=(const SessionFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// ---- Crash notes ----

std::atomic<uint64_t> runningSeed{0};
std::atomic<size_t> runningStep{0};

// Writes a number with write(2): the handler may call nothing else.
void WriteNumber(uint64_t value) {
    char digits[24];
    size_t at = sizeof digits;
    do {
        digits[--at] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    (void)!write(STDERR_FILENO, digits + at, sizeof digits - at);
}

void WriteText(std::string_view text) {
    (void)!write(STDERR_FILENO, text.data(), text.size());
}

std::atomic<bool> noted{false};

void WriteNote() {
    if (noted.exchange(true)) {
        return;  // a sanitizer's report, then its abort: one note is enough
    }
    WriteText("\nrandom session died at action ");
    WriteNumber(runningStep.load());
    WriteText(" of seed ");
    WriteNumber(runningSeed.load());
    WriteText("; replay it with TEMBREL_SESSION_SEED=");
    WriteNumber(runningSeed.load());
    WriteText("\n");
}

void NoteAndDie(int signal) {
    WriteNote();
    raise(signal);  // the handler was reset: the default action follows
}

}  // namespace

std::optional<SessionFailure> RunActions(const std::vector<SessionAction>& actions,
                                         const KnownFaults& known) {
    SessionFolder folder;
    SessionProgram program(folder.path(), known);
    for (size_t step = 0; step < actions.size(); ++step) {
        runningStep = step;
        if (std::optional<Broken> broken = program.Run(actions[step])) {
            return SessionFailure{step, std::move(broken->property), std::move(broken->detail)};
        }
    }
    return std::nullopt;
}

namespace {

// Removes ever smaller runs of actions as long as the rest still breaks
// `property`; stops after `budget`.
std::vector<SessionAction> CutDown(std::vector<SessionAction> actions, const std::string& property,
                                   const KnownFaults& known, std::chrono::seconds budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    for (size_t run = std::max<size_t>(actions.size() / 2, 1); run >= 1; run /= 2) {
        for (size_t start = 0; start < actions.size();) {
            if (std::chrono::steady_clock::now() > deadline) {
                return actions;
            }
            std::vector<SessionAction> rest(actions.begin(),
                                            actions.begin() + static_cast<std::ptrdiff_t>(start));
            rest.insert(rest.end(),
                        actions.begin() +
                            static_cast<std::ptrdiff_t>(std::min(start + run, actions.size())),
                        actions.end());
            const std::optional<SessionFailure> failure = RunActions(rest, known);
            if (failure && failure->property == property) {
                rest.resize(failure->step + 1);
                actions = std::move(rest);
            } else {
                start += run;
            }
        }
        if (run == 1) {
            break;
        }
    }
    return actions;
}

}  // namespace

SessionReport RunSeededSession(uint64_t seed, size_t count, const KnownFaults& known) {
    SessionReport report;
    report.seed = seed;
    report.actions = count;
    runningSeed = seed;
    ActionSource source(seed);
    std::vector<SessionAction> actions;
    actions.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        actions.push_back(source.Next());
    }
    report.failure = RunActions(actions, known);
    if (report.failure) {
        actions.resize(report.failure->step + 1);
        for (const SessionAction& action : CutDown(std::move(actions), report.failure->property,
                                                   known, std::chrono::seconds(60))) {
            report.shortestSequence.push_back(Describe(action));
        }
    }
    return report;
}

std::string FailureText(const SessionReport& report) {
    if (!report.failure) {
        return {};
    }
    std::ostringstream out;
    out << "seed " << report.seed << " (replay: " << kSessionSeedVariable << "=" << report.seed
        << "), action " << report.failure->step << " of " << report.actions << ": "
        << report.failure->property << "\n  " << report.failure->detail
        << "\nshortest failing sequence found (" << report.shortestSequence.size()
        << " actions):\n";
    for (const std::string& line : report.shortestSequence) {
        out << "  " << line << "\n";
    }
    return out.str();
}

void NoteSessionOnCrash() {
    static const bool installed = [] {
#ifdef TEMBREL_SANITIZED
        // A sanitizer that stops the program may exit without a signal.
        __sanitizer_set_death_callback(WriteNote);
#endif
        for (const int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) {
            struct sigaction current {};
            // A sanitizer's own handler reports better than this note; its
            // abort afterwards still brings the note.
            if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) {
                continue;
            }
            struct sigaction note {};
            note.sa_handler = NoteAndDie;
            note.sa_flags = SA_RESETHAND;
            sigemptyset(&note.sa_mask);
            sigaction(signal, &note, nullptr);
        }
        return true;
    }();
    (void)installed;
}

}  // namespace tembrel::test_support
