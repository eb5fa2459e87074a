#include "base/AtomicFile.h"
#include "tests/settings/SettingsFixture.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace trumbel {
namespace {

using testing::ReadBytes;
using testing::SettingsTest;

constexpr WriteStep kSteps[] = {
    WriteStep::WriteTemp,    WriteStep::WriteTempRest,   WriteStep::SyncTemp,
    WriteStep::MoveToBackup, WriteStep::RenameIntoPlace, WriteStep::RemoveBackup,
    WriteStep::Done};

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        if (e.is_regular_file()) {
            names.push_back(e.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The process is killed just before each step of SaveSettings; the next start finds the old
// settings or the new ones, whole, never the defaults.
TEST_F(SettingsTest, KilledSaveNeverLosesTheSettings) {
    for (WriteStep killAt : kSteps) {
        const int stepNumber = static_cast<int>(killAt);
        SCOPED_TRACE(stepNumber);
        settings = Settings{};
        settings.skinFolder = appFolder;
        settings.snapStrength = 11;
        settings.remoteHosts = {{"nas", "http://127.0.0.1:9/metrics", "", "secret", "", ""}};
        store->writeHook = nullptr;
        ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            settings.snapStrength = 12;
            store->writeHook = [killAt](WriteStep s) {
                if (s == killAt) {
                    ::kill(::getpid(), SIGKILL);
                }
                return true;
            };
            store->SaveSettings(StandardPath());
            ::_exit(3);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        ui.shown.clear();
        ui.answers = {MsgAnswer::Yes}; // restore the backup when offered
        settings = Settings{};
        store->writeHook = nullptr;
        store->LoadSettings(StandardPath(), LoadMode::Startup);
        const int expected = killAt < WriteStep::RemoveBackup ? 11 : 12;
        EXPECT_EQ(settings.snapStrength, expected);
        // Only a kill between the two renames leaves the file under its backup name.
        EXPECT_EQ(ui.shown.size(), killAt == WriteStep::RenameIntoPlace ? 1u : 0u);
        EXPECT_TRUE(FileExists(StandardPath()));
        EXPECT_FALSE(FileExists(BackupPath(StandardPath())));
        // A kill before the renames leaves the temporary file; the next save clears it away
        // (restoring the backup is such a save already).
        const auto entries = FolderEntries(folder);
        EXPECT_EQ(entries.size(), killAt < WriteStep::RenameIntoPlace ? 2u : 1u);
        // Whatever the kill left, no one else can read the token in it.
        for (const std::string& name : entries) {
            struct stat st {};
            ASSERT_EQ(::stat((folder / name).c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 077, 0u) << name;
        }
        ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
        EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"setting_tester.ini"});
    }
}

// Leftovers of interrupted writes go with the next successful write of the same file; files
// that only look similar, and everything after a failed write, stay.
TEST_F(SettingsTest, StaleTemporaryFilesGoWithTheNextSave) {
    struct Case {
        std::string name;
        bool removed;
    };
    const std::vector<Case> cases = {
        {".setting_tester.ini.tmp.Ab12Cd", true},   {".setting_tester.ini.tmp.zzzzzz", true},
        {".setting_tester.ini.tmp.Ab12C", false},   // too short for a temporary name
        {".setting_tester.ini.tmp.Ab12Cd7", false}, // too long
        {".setting_tester.ini.tmp.Ab-2Cd", false},  // not a character mkstemp uses
        {".setting_other.ini.tmp.Ab12Cd", false},   // another profile's
        {"setting_tester.ini.backup", false},       {"setting_tester.ini.Ab12Cd", false},
        {"setting_tester.bak.tmp.Ab12Cd", false},
    };
    for (const Case& c : cases) {
        testing::WriteBytes((folder / c.name).string(), "x");
    }
    std::filesystem::create_directory(folder / ".setting_tester.ini.tmp.Folder");
    const auto survivors = [&] {
        std::vector<std::string> names;
        for (const Case& c : cases) {
            if (std::filesystem::exists(folder / c.name)) {
                names.push_back(c.name);
            }
        }
        return names;
    };
    std::vector<std::string> all;
    std::vector<std::string> kept;
    for (const Case& c : cases) {
        all.push_back(c.name);
        if (!c.removed) {
            kept.push_back(c.name);
        }
    }

    store->writeHook = [](WriteStep s) { return s != WriteStep::SyncTemp; };
    EXPECT_FALSE(store->SaveSettings(StandardPath()).ok);
    EXPECT_EQ(survivors(), all);

    store->writeHook = nullptr;
    ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
    EXPECT_EQ(survivors(), kept);
    EXPECT_TRUE(std::filesystem::is_directory(folder / ".setting_tester.ini.tmp.Folder"));
    EXPECT_TRUE(FileExists(StandardPath()));
}

// A full disk or an I/O error at any step is reported and leaves the old file as it was.
TEST_F(SettingsTest, FailedStepsLeaveTheOldFile) {
    settings.snapStrength = 11;
    ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
    const std::string old = ReadBytes(StandardPath());
    for (WriteStep failAt : kSteps) {
        SCOPED_TRACE(static_cast<int>(failAt));
        settings.snapStrength = 12;
        store->writeHook = [failAt](WriteStep s) { return s != failAt; };
        const WriteResult r = store->SaveSettings(StandardPath());
        const bool replaced = failAt >= WriteStep::RemoveBackup;
        EXPECT_EQ(r.ok, replaced);
        if (!replaced) {
            EXPECT_NE(r.error.find(StandardPath()), std::string::npos);
            EXPECT_EQ(ReadBytes(StandardPath()), old);
            EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"setting_tester.ini"});
        } else {
            store->writeHook = nullptr;
            settings.snapStrength = 11;
            ASSERT_TRUE(store->SaveSettings(StandardPath()).ok); // and back, for the next step
        }
    }
}

} // namespace
} // namespace trumbel
