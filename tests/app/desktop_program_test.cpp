// The built desktop program, started the way a user's session starts it (on the
// offscreen platform, with its settings in a temporary folder) and asked to stop
// the way the system asks it: it reads the saved settings at start-up and
// writes them when it ends.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "settings/settings_file.h"
#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using namespace std::chrono_literals;
using test_support::TempFolder;

// The program, running until the test has seen it end.
class RunningProgram {
  public:
    // Starts the desktop program with `configFolder` as its per-user folder.
    explicit RunningProgram(const std::filesystem::path& configFolder) {
        pid_ = fork();
        if (pid_ == 0) {
            setenv("XDG_CONFIG_HOME", configFolder.c_str(), 1);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            execl(TEMBREL_DESKTOP_PROGRAM, TEMBREL_DESKTOP_PROGRAM, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~RunningProgram() {
        if (pid_ > 0 && !ended_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return pid_ > 0; }

    void Signal(int signal) const { kill(pid_, signal); }

    // Waits until the program has its own handler for `signal`, as
    // /proc/PID/status shows it; false when it never comes.
    bool WaitUntilCatching(int signal) const {
        const std::filesystem::path status =
            std::filesystem::path("/proc") / std::to_string(pid_) / "status";
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (std::chrono::steady_clock::now() < deadline) {
            std::ifstream in(status);
            std::string line;
            while (std::getline(in, line)) {
                if (line.starts_with("SigCgt:")) {
                    const uint64_t caught = std::stoull(line.substr(7), nullptr, 16);
                    if ((caught >> (signal - 1) & 1) != 0) {
                        return true;
                    }
                }
            }
            std::this_thread::sleep_for(20ms);
        }
        return false;
    }

    // Waits until the program ends; returns its exit status, or -1 when it was
    // killed by a signal or did not end within the time.
    int WaitForEnd(std::chrono::seconds limit = 30s) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            const pid_t done = waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                ended_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }

  private:
    pid_t pid_ = -1;
    bool ended_ = false;
};

class DesktopProgramTest : public ::testing::TestWithParam<int> {
  protected:
    TempFolder config;
    std::filesystem::path settingsFile = config.path() / "tembrel" / std::string(kSettingsFileName);
};

TEST_P(DesktopProgramTest, FirstRunSavesTheDefaultsWhenAskedToStop) {
    RunningProgram program(config.path());
    ASSERT_TRUE(program.started());
    ASSERT_TRUE(program.WaitUntilCatching(GetParam())) << "the program did not come up";
    program.Signal(GetParam());

    EXPECT_EQ(program.WaitForEnd(), 0);
    const SettingsReadResult saved = ReadSettingsFile(settingsFile);
    EXPECT_EQ(saved.status, SettingsReadStatus::Read);
    EXPECT_EQ(saved.settings, UserSettings{});
}

INSTANTIATE_TEST_SUITE_P(TerminationSignals, DesktopProgramTest,
                         ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return std::string(sigabbrev_np(param.param));
                         });

TEST(DesktopProgram, StartsWithTheSavedSettingsAndSavesThemAgain) {
    TempFolder config;
    UserSettings settings;
    settings.language = 1;
    settings.dateOrder = 1;
    settings.dateSeparator = '.';
    settings.thousandsSeparator = 0;
    settings.firstDateCalendar = 2;
    settings.chkIncludeFirstDate = 1;
    settings.monthFirstDayOfWeek = "Mon";
    settings.output = "2008-01-15 CE = 2454481 JDN, Dienstag\r\n";
    settings.differenceUnit = 1;
    const std::filesystem::path file =
        config.Write(std::filesystem::path("tembrel") / std::string(kSettingsFileName),
                     SettingsFileText(settings));

    RunningProgram program(config.path());
    ASSERT_TRUE(program.started());
    // A request to stop that comes during the start-up is taken once the
    // start-up (which reads the settings) is over.
    ASSERT_TRUE(program.WaitUntilCatching(SIGTERM)) << "the program did not come up";
    program.Signal(SIGTERM);

    EXPECT_EQ(program.WaitForEnd(), 0);
    const SettingsReadResult saved = ReadSettingsFile(file);
    EXPECT_EQ(saved.status, SettingsReadStatus::Read);
    EXPECT_EQ(saved.settings, settings);
}

}  // namespace
}  // namespace tembrel
