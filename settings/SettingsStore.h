#pragma once

#include "base/AtomicFile.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/SettingsEnvironment.h"
#include "settings/SettingsFiles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// The program's own version as the settings file records it: 1.32.0083.
inline constexpr std::int32_t kVersion110 = 1100000;
inline constexpr std::int32_t kVersion120 = 1200000;
inline constexpr std::int32_t kVersion130 = 1300000;

// major * 1,000,000 + minor * 10,000 + revision; throws the overflow error beyond 32 bits.
std::int32_t VersionNumber(std::int64_t major, std::int64_t minor, std::int64_t revision);

std::vector<std::string> SplitList(std::string_view value, char separator);
// Cuts or extends the list to n elements; empty elements become "0".
std::vector<std::string> PadList(std::vector<std::string> list, std::size_t n);

// The shortest decimal text that reads back as the same 32-bit float, "." as the point, no
// exponent; non-finite values are written as 0.
std::string FormatFloat(float value);
std::optional<float> ParseFloat(std::string_view text);
// A number as the language converts one to a 16-bit integer: any decimal form, rounded half
// to even; nullopt when it is not a number or out of range.
std::optional<std::int16_t> ParseInt16(std::string_view text);

// "setting_" + user + ".ini" in the program's folder.
std::string SettingsFilePath(const std::string& appFolder, const std::string& userName);
// The file's name up to its last "." + "bak"; a name without "." gets ".bak" appended.
std::string BackupPath(const std::string& path);

// Profiles are the "setting_*.ini" files of the program's folder, option files the "*.ini"
// files of its Option folder; both listed by name in the file system's order.
std::vector<std::string> ListProfiles(const std::string& appFolder);
std::vector<std::string> ListOptionFiles(const std::string& appFolder);

// Snapshot runs read the settings but must leave every file as it was.
enum class FileWrites { Allowed, Forbidden };

// Reads and writes the settings record, switches profiles and option files, resets groups and
// migrates older files. Owns the little state that outlives one call: the icon-menu value in
// force for this run.
class SettingsStore {
public:
    SettingsStore(Settings& settings, SettingsEnvironment& environment,
                  FileWrites writes = FileWrites::Allowed,
                  SettingsFiles& files = DiskSettingsFiles());

    std::string SettingsFilePath() const;

    void LoadSettings(const std::string& path, LoadMode mode);
    // Writes the whole record; the result tells what failed, the caller reports it.
    WriteResult SaveSettings(const std::string& path);
    // The whole file SaveSettings writes, in its order.
    std::string SettingsText() const;

    void ResetSettings(SettingsGroup group);
    void ResetLayout();

    // False (after telling the user) when the file does not exist.
    bool SwitchToProfile(const std::string& name);
    bool SwitchToOptionFile(const std::string& name);
    // The file chosen in the options dialog's file dialogs. Saving records the window's place
    // as the start position first when the start position follows the window.
    void OpenOptionFile(const std::string& path);
    WriteResult SaveOptionFile(const std::string& path);

    // Returns the path to read: the file itself, or its backup in a run that may not write.
    std::string BackupBeforeRead(const std::string& path);

    void MigrateSettings(std::int32_t loadedVersion);
    bool AskApplyNewDefaults();

    // Test seam: observes, stops or fails each step of a write.
    WriteHook writeHook;

private:
    enum class Consent { NotAsked, Yes, No };
    bool ApplyNewDefaults();
    bool SwitchToFile(const std::string& path);

    void ReadNetwork(const IniDocument& doc);
    void ReadDisks(const IniDocument& doc);
    void ReadSkin(const IniDocument& doc);
    void ReadContainers(const IniDocument& doc);
    void ReadOldContainers(const IniDocument& doc);
    void CheckSlotDevice(int c, int s);
    void ReadOther(const IniDocument& doc);
    void ReadTray(const IniDocument& doc);
    void ReadClock(const IniDocument& doc);
    void ReadRemoteHosts(const IniDocument& doc);
    void WriteRemoteHosts(IniDocument& doc, const Settings& s) const;
    void NoticeIconMenu(LoadMode mode);
    void ResizeDevices();
    // The environment's default network device, or the file format's own default.
    std::int16_t DefaultDevice(std::int16_t formatDefault) const;
    std::string CurrentSkinPath() const;

    Settings& s_;
    SettingsEnvironment& env_;
    FileWrites writes_;
    SettingsFiles& files_;
    StandardStyles styles_ = kBuiltInStandardStyles;
    Consent consent_ = Consent::NotAsked;
    std::optional<bool> iconMenuInForce_;
};

// The program's settings file at start and exit; a failed write is
// reported in a message box. With FileWrites::Forbidden nothing is ever written.
class SettingsService final {
public:
    SettingsService(Settings& settings, SettingsEnvironment& environment,
                    FileWrites writes = FileWrites::Allowed)
        : store_(settings, environment, writes), environment_(environment), writes_(writes) {}

    std::string SettingsFilePath() { return store_.SettingsFilePath(); }
    void LoadSettings(const std::string& path, LoadMode mode) { store_.LoadSettings(path, mode); }
    void SaveSettings(const std::string& path);

    SettingsStore& store() { return store_; }

private:
    SettingsStore store_;
    SettingsEnvironment& environment_;
    FileWrites writes_;
};

// The box shown when settings could not be written.
MessageBoxRequest SaveFailedBox(const std::string& path, const WriteResult& result);

} // namespace trumbel
