// Replacing the settings file: a failed write leaves the former file as it was,
// and a process killed at any moment leaves either the former or the new file.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "settings/atomic_file.h"
#include "settings/settings_file.h"
#include "tests/settings/settings_kill_records.h"
#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

using test_support::KillTestRecord;
using test_support::TempFolder;

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// Returns the names in a folder, sorted.
std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicFile, ReplacesTheFileAndLeavesNothingElse) {
    TempFolder folder;
    const std::filesystem::path path = folder.path() / "vrn.usr";
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    ASSERT_TRUE(WriteFileAtomically(path, "second, longer"));
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    ASSERT_TRUE(WriteFileAtomically(path, "third"));
    EXPECT_EQ(Contents(path), "third");
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"vrn.usr"});
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);  // the user's own texts
}

TEST(AtomicFile, FailsWithoutAFolderToWriteIn) {
    TempFolder folder;
    const std::filesystem::path file = folder.Write("plain", "a file, not a folder");
    EXPECT_FALSE(WriteFileAtomically(folder.path() / "missing" / "vrn.usr", "x"));
    EXPECT_FALSE(WriteFileAtomically(file / "vrn.usr", "x"));  // fails even for root
    EXPECT_FALSE(WriteFileAtomically(std::filesystem::path(), "x"));
    EXPECT_FALSE(WriteFileAtomically(folder.path() / "", "x"));
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"plain"});
    EXPECT_EQ(Contents(file), "a file, not a folder");
}

TEST(AtomicFile, AFolderInTheWayIsLeftAlone) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "vrn.usr");
    EXPECT_FALSE(WriteFileAtomically(folder.path() / "vrn.usr", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "vrn.usr"));
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"vrn.usr"});
}

TEST(AtomicFile, AReadOnlyFolderKeepsTheFormerFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    TempFolder folder;
    const std::filesystem::path path = folder.Write("vrn.usr", "former");
    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
    EXPECT_FALSE(WriteSettingsFile(path, DefaultUserSettings()));
    chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(Contents(path), "former");
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"vrn.usr"});
}

// A full disk, imitated by a file size limit: the write fails part way through
// the temporary file. Runs in a child process, which keeps the limit to itself.
TEST(AtomicFile, AFullDiskKeepsTheFormerFile) {
    TempFolder folder;
    const std::filesystem::path path = folder.path() / "vrn.usr";
    ASSERT_TRUE(WriteSettingsFile(path, KillTestRecord(1)));
    const std::string former = Contents(path);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(WriteSettingsFile(path, KillTestRecord(2)) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write should have failed";
    EXPECT_EQ(Contents(path), former);
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"vrn.usr"});
}

// Starts the writer loop on `path` from record `first` and returns its process
// id once it has started, or -1.
pid_t StartWriterLoop(const std::filesystem::path& path, int32_t first) {
    int out[2];
    if (pipe(out) != 0) {
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        const std::string sequence = std::to_string(first);
        execl(TEMBREL_SETTINGS_WRITER_LOOP, TEMBREL_SETTINGS_WRITER_LOOP, path.c_str(),
              sequence.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char ready[6] = {};
    const ssize_t got = read(out[0], ready, sizeof ready);  // "ready\n"
    close(out[0]);
    if (pid < 0 || got != 6) {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        return -1;
    }
    return pid;
}

// Returns the record number the file holds, 0 when there is no file, or -1 when
// the file is not exactly one complete record.
int32_t RecordInFile(const std::filesystem::path& path) {
    const SettingsReadResult read = ReadSettingsFile(path);
    if (read.status == SettingsReadStatus::Missing) {
        return 0;
    }
    if (read.status != SettingsReadStatus::Read) {
        return -1;
    }
    const int32_t sequence = static_cast<int32_t>(std::atoi(read.settings.firstDate.c_str()));
    if (sequence < 1 || Contents(path) != SettingsFileText(KillTestRecord(sequence))) {
        return -1;
    }
    return sequence;
}

// Kills the writer loop at random moments, 200 times over, and checks each time
// that the file is absent (before the first write), the former complete file or
// a newer complete one.
TEST(AtomicFile, AKilledWriterLeavesTheFormerOrTheNewFile) {
    TempFolder folder;
    const std::filesystem::path path = folder.path() / "vrn.usr";
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
    int kept = 0;
    int replaced = 0;
    int absent = 0;
    int32_t former = 0;
    constexpr int kKills = 200;
    for (int i = 0; i < kKills; ++i) {
        const pid_t pid = StartWriterLoop(path, former + 1);
        ASSERT_GT(pid, 0) << "cannot start " << TEMBREL_SETTINGS_WRITER_LOOP;
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself, status " << status;
        const int32_t now = RecordInFile(path);
        ASSERT_GE(now, 0) << "kill " << i << " left a damaged file (seed " << seed << ")";
        ASSERT_GE(now, former) << "kill " << i << " (seed " << seed << ")";
        if (now == 0) {
            ++absent;
        } else if (now == former) {
            ++kept;
        } else {
            ++replaced;
        }
        former = now;
    }
    std::printf("%d kills: %d left the former file, %d a new one, %d no file yet (seed %u)\n",
                kKills, kept, replaced, absent, seed);
    EXPECT_GT(replaced, 0);
    EXPECT_GT(kept + absent, 0);
}

}  // namespace
}  // namespace tembrel
