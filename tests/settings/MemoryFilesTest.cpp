#include "base/Ui.h"
#include "settings/SettingsEnvironment.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

// The store over files in memory behaves as over the disk, and its files never reach the disk:
// the program folder named here does not exist (its skin folder check says so in a box).
TEST(MemorySettingsFiles, SaveLoadAndBackupRestoreStayInMemory) {
    RecordingUi ui;
    FunctionalSettingsEnvironment env(ui, "/nonexistent-trumbel-folder/", "u");
    MemorySettingsFiles files;
    Settings settings;
    SettingsStore store(settings, env, FileWrites::Allowed, files);
    const std::string path = store.SettingsFilePath();
    const std::string backup = "/nonexistent-trumbel-folder/setting_u.bak";

    settings.snapStrength = 17;
    ASSERT_TRUE(store.SaveSettings(path).ok);
    ASSERT_EQ(files.files.count(path), 1u);
    EXPECT_EQ(files.files[path], store.SettingsText());
    EXPECT_FALSE(FileExists(path));

    settings.snapStrength = 3;
    store.LoadSettings(path, LoadMode::Startup);
    EXPECT_EQ(settings.snapStrength, 17);

    // Only the backup is left: the user is asked, the backup becomes the file and goes.
    files.files[backup] = files.files[path];
    files.Remove(path);
    ui.answers = {MsgAnswer::Yes};
    ui.shown.clear();
    settings.snapStrength = 3;
    store.LoadSettings(path, LoadMode::Startup);
    EXPECT_EQ(settings.snapStrength, 17);
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_NE(ui.shown[0].text.find("バックアップ"), std::string::npos) << ui.shown[0].text;
    EXPECT_TRUE(files.Exists(path));
    EXPECT_FALSE(files.Exists(backup));

    // A missing file: the standard settings after the notice, nothing written.
    files.files.clear();
    ui.shown.clear();
    store.LoadSettings(path, LoadMode::Startup);
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_NE(ui.shown[0].text.find("見つかりませんでした"), std::string::npos) << ui.shown[0].text;
    EXPECT_TRUE(files.files.empty());
}

} // namespace
} // namespace trumbel
