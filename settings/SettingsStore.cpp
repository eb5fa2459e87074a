#include "settings/SettingsStore.h"

#include "base/AppInfo.h"
#include "base/ErrorReport.h"
#include "base/FolderListing.h"
#include "base/RuntimeError.h"
#include "base/TextEncoding.h"
#include "base/UiText.h"
#include "settings/RemoteHostList.h"
#include "settings/SettingsKeys.h"
#include "settings/SlotStyle.h"
#include "settings/TimeServerPort.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <sys/stat.h>

namespace trumbel {

namespace {

constexpr std::string_view kTrayNote = "表示するデータ，表示するデバイス(規定値：0)";
constexpr std::string_view kMissingSkinFile = "skin_dammy.skn";
constexpr std::string_view kResetSkinFile = "AllView2.skn";
constexpr std::int32_t kMissingVersion = 1000000;

// Defaults of a missing container key; containers 5..9 take what the one before received.
constexpr std::array<std::string_view, 5> kMissingContainers = {
    "0,0,0,0,8,0,0,0,0,0,0,0,0", "1,2,0,0,0,0,0,0,0,0,0,0,0", "1,4,1,0,0,0,0,0,0,0,0,0,0",
    "1,5,1,0,0,0,0,0,0,0,0,0,0", "2,0,0,0,0,0,0,0,0,0,0,0,0"};

std::string Str(std::int64_t v) {
    return std::to_string(v);
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

template <typename T> std::string Join(const T& values, std::string_view separator) {
    std::string out;
    bool first = true;
    for (const auto& v : values) {
        if (!first) {
            out += separator;
        }
        first = false;
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>) {
            out += v;
        } else {
            out += Str(v);
        }
    }
    return out;
}

std::optional<std::int32_t> ProfileInt32(std::string_view text) {
    const std::int64_t v = ProfileIntValue(text);
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(v);
}

// Reads keys the way the Windows functions would: a missing key gives its default.
class Reader {
public:
    explicit Reader(const IniDocument& doc) : doc_(doc) {}

    std::string String(std::string_view section, std::string_view key,
                       std::string_view missing) const {
        const auto v = doc_.Find(section, key);
        return std::string(v ? *v : missing);
    }
    // IniReadInt; nullopt when the digits do not fit 32 bits.
    std::optional<std::int32_t> Int(std::string_view section, std::string_view key,
                                    std::int32_t missing) const {
        const auto v = doc_.Find(section, key);
        return v ? ProfileInt32(*v) : std::optional<std::int32_t>(missing);
    }
    template <typename T>
    void Into(T& field, std::string_view section, std::string_view key,
              std::int32_t missing) const {
        if (const auto v = Int(section, key, missing);
            v && *v >= std::numeric_limits<T>::min() && *v <= std::numeric_limits<T>::max()) {
            field = static_cast<T>(*v);
        }
    }
    void Scalar(Settings& s, std::string_view section, const ScalarKey& k) const {
        if (const auto v = Int(section, k.key, k.missing)) {
            SetScalarValue(s, k, *v);
        }
    }
    void Scalars(Settings& s, std::string_view section, std::span<const ScalarKey> keys) const {
        for (const ScalarKey& k : keys) {
            Scalar(s, section, k);
        }
    }
    std::vector<std::string> List(std::string_view section, std::string_view key,
                                  std::string_view missing) const {
        return SplitList(String(section, key, missing), ',');
    }

private:
    const IniDocument& doc_;
};

void Element(std::int16_t& field, const std::vector<std::string>& list, std::size_t i) {
    if (i < list.size()) {
        if (const auto v = ParseInt16(list[i])) {
            field = *v;
        }
    }
}

// An on/off element: non-zero is on.
void Element(bool& field, const std::vector<std::string>& list, std::size_t i) {
    if (i < list.size()) {
        if (const auto v = ParseInt16(list[i])) {
            field = *v != 0;
        }
    }
}

void Element(float& field, const std::vector<std::string>& list, std::size_t i) {
    if (i < list.size()) {
        if (const auto v = ParseFloat(list[i])) {
            field = *v;
        }
    }
}

void WriteScalars(IniDocument& doc, const Settings& s, std::string_view section,
                  std::span<const ScalarKey> keys) {
    for (const ScalarKey& k : keys) {
        doc.Set(section, k.key, ScalarText(s, k));
    }
}

std::string LimitText(const LimitPair& p) {
    return Str(p.maxMode[0]) + "," + FormatFloat(p.maxValue[0]) + "," + Str(p.maxMode[1]) + "," +
           FormatFloat(p.maxValue[1]) + "," + FormatFloat(p.pastMax);
}

void ReadLimit(LimitPair& p, const std::vector<std::string>& list) {
    Element(p.maxMode[0], list, 0);
    Element(p.maxValue[0], list, 1);
    Element(p.maxMode[1], list, 2);
    Element(p.maxValue[1], list, 3);
    Element(p.pastMax, list, 4);
}

std::string DiskKey(const std::string& disk, std::string_view half) {
    return "ディスク(" + disk + ")(" + std::string(half) + ")";
}

std::string DeviceKey(int n, std::string_view half) {
    return "デバイス" + Str(n) + "(" + std::string(half) + ")";
}

bool IsNetworkKind(int kind) {
    return kind >= 4 && kind <= 7;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Helpers

std::int32_t VersionNumber(std::int64_t major, std::int64_t minor, std::int64_t revision) {
    const std::int64_t v = major * 1000000 + minor * 10000 + revision;
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<std::int32_t>(v);
}

std::vector<std::string> SplitList(std::string_view value, char separator) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = value.find(separator, start);
        if (at == std::string_view::npos) {
            out.emplace_back(value.substr(start));
            return out;
        }
        out.emplace_back(value.substr(start, at - start));
        start = at + 1;
    }
}

std::vector<std::string> PadList(std::vector<std::string> list, std::size_t n) {
    list.resize(n);
    for (std::string& e : list) {
        if (e.empty()) {
            e = "0";
        }
    }
    return list;
}

std::string FormatFloat(float value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, r.ptr);
}

std::optional<float> ParseFloat(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    float v = 0.0f;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() ||
        !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::optional<std::int16_t> ParseInt16(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double v = 0.0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(v); // ties to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::string SettingsFilePath(const std::string& appFolder, const std::string& userName) {
    return appFolder + "setting_" + userName + ".ini";
}

std::string BackupPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart) {
        return path + ".bak";
    }
    return path.substr(0, dot + 1) + "bak";
}

std::vector<std::string> ListProfiles(const std::string& appFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(appFolder, ec)) {
        const std::string file = entry.path().filename().string();
        constexpr std::string_view prefix = "setting_";
        constexpr std::string_view suffix = ".ini";
        if (entry.is_regular_file(ec) && file.size() >= prefix.size() + suffix.size() &&
            file.starts_with(prefix) && file.ends_with(suffix)) {
            names.push_back(
                file.substr(prefix.size(), file.size() - prefix.size() - suffix.size()));
        }
    }
    // The menus list them in this order and map a choice back by index.
    std::sort(names.begin(), names.end(), FileManagerLess);
    return names;
}

std::vector<std::string> ListOptionFiles(const std::string& appFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(appFolder + "Option/", ec)) {
        const std::string file = entry.path().filename().string();
        const std::size_t dot = file.rfind('.');
        if (entry.is_regular_file(ec) && dot != std::string::npos &&
            file.compare(dot + 1, std::string::npos, "ini") == 0) {
            names.push_back(file.substr(0, dot));
        }
    }
    std::sort(names.begin(), names.end(), FileManagerLess);
    return names;
}

MessageBoxRequest SaveFailedBox(const std::string& path, const WriteResult& result) {
    return {BoxTitle(UiTr("Settings", "保存エラー")),
            UiTr("Settings", "設定ファイルを保存できませんでした｡") + std::string(kCrLf) + path +
                std::string(kCrLf) + result.error + std::string(kCrLf) +
                UiTr("Settings", "以前の設定ファイルはそのまま残っています｡"),
            MsgIcon::Exclamation, MsgButtons::Ok};
}

void SettingsService::SaveSettings(const std::string& path) {
    if (writes_ == FileWrites::Forbidden) {
        return;
    }
    const WriteResult r = store_.SaveSettings(path);
    if (!r.ok) {
        environment_.ui().MessageBox(SaveFailedBox(path, r));
    }
}

// ---------------------------------------------------------------------------------------------
// The store

SettingsStore::SettingsStore(Settings& settings, SettingsEnvironment& environment,
                             FileWrites writes, SettingsFiles& files)
    : s_(settings), env_(environment), writes_(writes), files_(files) {}

std::string SettingsStore::SettingsFilePath() const {
    return trumbel::SettingsFilePath(env_.AppFolder(), env_.UserName());
}

std::string SettingsStore::CurrentSkinPath() const {
    return s_.skinFolder + s_.skinFileName;
}

std::int16_t SettingsStore::DefaultDevice(std::int16_t formatDefault) const {
    const std::optional<int> d = env_.DefaultNetworkDevice();
    return d && *d >= 0 && *d <= std::numeric_limits<std::int16_t>::max()
               ? static_cast<std::int16_t>(*d)
               : formatDefault;
}

void SettingsStore::ResizeDevices() {
    const int n = std::max(0, env_.NetworkDeviceCount());
    s_.deviceLimits.resize(static_cast<std::size_t>(n));
}

void SettingsStore::LoadSettings(const std::string& path, LoadMode mode) {
    consent_ = Consent::NotAsked;
    ResizeDevices();
    ResetSettings(SettingsGroup::All);
    s_.loadedVersion = 0;

    const std::string readPath = BackupBeforeRead(path);
    std::optional<IniDocument> doc;
    const bool exists = files_.Exists(readPath);
    if (exists) {
        if (const std::optional<std::string> bytes = files_.Read(readPath)) {
            doc = IniDocument::Parse(DecodeFileText(*bytes));
        }
    }
    if (!doc) {
        // A file that is there but cannot be read is not "not found"; saving leaves it alone.
        env_.ui().MessageBox(
            {UiFormat(UiTr("Settings", "%1 - 確認"), {kProductName}),
             exists
                 ? UiFormat(UiTr("Settings", "%1を読み込めませんでしたので標準の設定を適用します｡"),
                            {readPath})
                 : UiFormat(UiTr("Settings", "%1が見つかりませんでしたので標準の設定を適用します｡"),
                            {path}),
             MsgIcon::Exclamation, MsgButtons::Ok});
        ResetSettings(SettingsGroup::All);
        NoticeIconMenu(mode);
        return;
    }
    const Reader r(*doc);
    s_.loadedVersion = r.Int(section::kVersion, "VelquorVer", kMissingVersion).value_or(0);
    r.Scalars(s_, section::kBasic, BasicKeys());
    ReadNetwork(*doc);
    r.Scalars(s_, section::kWindow, WindowKeys());
    r.Scalars(s_, section::kPosition, PositionKeys());
    const std::string titles = r.String(section::kPosition, "吸着Windowタイトル", "");
    s_.snapTitles =
        titles.empty() ? std::vector<std::string>{"Dammy"} : SplitList("Dammy|" + titles, '|');
    // Before the slots: a slot of another machine names that machine's devices.
    ReadRemoteHosts(*doc);
    ReadSkin(*doc);
    ReadOther(*doc);
    ReadTray(*doc);
    env_.SetCurrentSkinPath(CurrentSkinPath());
    r.Scalars(s_, section::kHotKey, HotKeyKeys());
    ReadClock(*doc);
    MigrateSettings(s_.loadedVersion);
    NoticeIconMenu(mode);
}

void SettingsStore::ReadNetwork(const IniDocument& doc) {
    const Reader r(doc);
    const int n = static_cast<int>(s_.deviceLimits.size());
    for (int d = 0; d < n; ++d) {
        NetDeviceLimits& limits = s_.deviceLimits[static_cast<std::size_t>(d)];
        if (s_.loadedVersion < kVersion130) {
            for (const auto& [word, half] :
                 {std::pair<std::string_view, LimitPair*>{"受信量", &limits.receive},
                  {"送信量", &limits.send}}) {
                const std::string w(word);
                const std::string suffix = "_" + Str(d);
                r.Into(half->maxMode[0], section::kNetwork, w + "最大値モード(数字)" + suffix, 0);
                if (auto v = r.Int(section::kNetwork, w + "最大指定値(数字)" + suffix, 0)) {
                    half->maxValue[0] = static_cast<float>(*v);
                }
                r.Into(half->maxMode[1], section::kNetwork, w + "最大値モード(グラフ)" + suffix, 0);
                if (auto v = r.Int(section::kNetwork, w + "最大指定値(グラフ)" + suffix, 0)) {
                    half->maxValue[1] = static_cast<float>(*v);
                }
                if (auto v = r.Int(section::kNetwork, w + "過去最大値" + suffix, 0)) {
                    half->pastMax = static_cast<float>(*v);
                }
            }
        } else {
            ReadLimit(limits.receive,
                      PadList(r.List(section::kNetwork, DeviceKey(d, "受信"), "0,0,0,0,0"), 5));
            ReadLimit(limits.send,
                      PadList(r.List(section::kNetwork, DeviceKey(d, "送信"), "0,0,0,0,0"), 5));
        }
    }
    r.Into(s_.fixedSkinDevice, section::kNetwork, "固定Skin時使用デバイス名", DefaultDevice(0));
    ReadDisks(doc);
}

// Disk scales are keys of their own, so that a file of an older version loads unchanged and
// an older version reads this one's network keys as it wrote them.
void SettingsStore::ReadDisks(const IniDocument& doc) {
    const Reader r(doc);
    s_.diskLimits.clear();
    const std::string names = r.String(section::kNetwork, "ディスク一覧", "");
    if (names.empty()) {
        return;
    }
    for (const std::string& name : SplitList(names, '|')) {
        if (name.empty()) {
            continue;
        }
        DiskLimits& disk = s_.diskLimits.emplace_back();
        disk.device = name;
        ReadLimit(disk.read,
                  PadList(r.List(section::kNetwork, DiskKey(name, "読込"), "0,0,0,0,0"), 5));
        ReadLimit(disk.write,
                  PadList(r.List(section::kNetwork, DiskKey(name, "書込"), "0,0,0,0,0"), 5));
    }
}

void SettingsStore::ReadSkin(const IniDocument& doc) {
    const Reader r(doc);
    r.Scalar(s_, section::kSkin, kUseBuiltInSkinKey);
    r.Into(s_.builtInSkinType, section::kSkin, "デフォルトSkinタイプ", 1);
    s_.skinFolder = r.String(section::kSkin, "Skinフォルダー", env_.AppFolder());
    if (!FolderExists(s_.skinFolder)) {
        env_.ui().MessageBox(
            {UiFormat(UiTr("Settings", "%1 - スキンフォルダーの設定"), {kProductName}),
             s_.skinFolder + std::string(kCrLf) +
                 UiTr("Settings", "このディレクトリーは見つからなかったためデフォルトのディレクトリ"
                                  "ーに変更します｡"),
             MsgIcon::Information, MsgButtons::Ok});
        s_.skinFolder = env_.AppFolder();
    }
    s_.skinFileName = r.String(section::kSkin, "Skin名", kMissingSkinFile);
    r.Scalar(s_, section::kSkin, kShowStartUnitKey);
    r.Scalar(s_, section::kSkin, kShowEndUnitKey);
    // Containers 0 .. count-1 are shown; more than there are cannot be.
    if (const auto v = r.Int(section::kSkin, "表示ユニット数", 4); v && *v >= 0 && *v <= 10) {
        s_.containerCount = static_cast<std::int16_t>(*v);
    }
    styles_ = env_.ActivateSkin(SkinActivation::Quiet);
    if (s_.loadedVersion < kVersion130) {
        ReadOldContainers(doc);
    } else {
        ReadContainers(doc);
    }
}

void SettingsStore::ReadContainers(const IniDocument& doc) {
    const Reader r(doc);
    std::string previous;
    // Network slots of a value the file does not hold go to the device of the default route.
    const std::int16_t defaultDevice = DefaultDevice(-1);
    bool previousFromDefaults = true;
    for (int c = 0; c < kContainerCount; ++c) {
        const bool early = c < static_cast<int>(kMissingContainers.size());
        const std::string missing = early ? std::string(kMissingContainers[c]) : previous;
        const std::string key = "コンテナ" + Str(c) + "の設定";
        const bool fromDefaults = !doc.Find(section::kSkin, key) && (early || previousFromDefaults);
        previousFromDefaults = fromDefaults;
        previous = r.String(section::kSkin, key, missing);
        const auto list = PadList(SplitList(previous, ','), 13);
        if (const auto f = ParseInt16(list[0])) {
            // Both are flags. A value outside 0..3 once gave a clock flag of -1 or 2, which
            // the next write turned into a different value again: every save changed the file.
            s_.historyContainer[c] = (*f & 1) != 0;
            s_.clockContainer[c] = *f / 2 != 0;
        }
        for (int s = 0; s < kSlotCount; ++s) {
            const std::size_t at = 1 + 3 * static_cast<std::size_t>(s);
            // A kind the program does not know would fail every drawing pass: keep the slot's.
            if (const auto kind = ParseInt16(list[at]);
                kind && *kind >= 0 && *kind < kItemKindCount) {
                s_.kind[c][s] = *kind;
            }
            Element(s_.device[c][s], list, at + 1);
            if (fromDefaults && defaultDevice >= 0 && IsNetworkKind(s_.kind[c][s])) {
                s_.device[c][s] = defaultDevice;
            }
            if (const auto choice = ParseInt16(list[at + 2])) {
                const int kind = std::clamp<int>(s_.kind[c][s], 0, kItemKindCount - 1);
                const int standard = styles_[static_cast<std::size_t>(kind)];
                try {
                    SetSlotStyle(s_, styles_, c, s, (standard / 3) * 3 + *choice % 10,
                                 StyleSet::Force);
                } catch (const std::exception&) {
                    // the slot keeps its style
                }
            }
            CheckSlotDevice(c, s);
        }
    }
}

void SettingsStore::ReadOldContainers(const IniDocument& doc) {
    const Reader r(doc);
    const bool from110 = s_.loadedVersion >= kVersion110;
    std::int32_t previousFlags = 0;
    for (int c = 0; c < kContainerCount; ++c) {
        if (from110) {
            const std::int32_t missing = c == 0 ? 0 : c <= 3 ? 1 : c == 4 ? 2 : previousFlags;
            if (const auto f = r.Int(section::kSkin, "コンテナ(" + Str(c) + ")の表示設定", missing);
                f && *f >= std::numeric_limits<std::int16_t>::min() &&
                *f <= std::numeric_limits<std::int16_t>::max()) {
                previousFlags = *f;
                s_.historyContainer[c] = (*f & 1) != 0;
                s_.clockContainer[c] = *f / 2 != 0;
            }
        } else {
            if (const auto h = r.Int(section::kSkin, "ロググラフ使用(" + Str(c) + ")",
                                     c >= 1 && c <= 3 ? 1 : 0)) {
                s_.historyContainer[c] = *h != 0;
            }
            if (const auto k =
                    r.Int(section::kSkin, "時計を表示する(" + Str(c) + ")", c == 4 ? 1 : 0)) {
                s_.clockContainer[c] = *k != 0;
            }
        }
        for (int s = 0; s < kSlotCount; ++s) {
            const std::string slot = Str(c) + "," + Str(s);
            if (from110) {
                const auto list = PadList(
                    SplitList(r.String(section::kSkin, "表示項目(" + slot + ")", "0,0"), ','), 3);
                if (const auto kind = ParseInt16(list[0]);
                    kind && *kind >= 0 && *kind < kItemKindCount) {
                    s_.kind[c][s] = *kind;
                }
                Element(s_.device[c][s], list, 1);
                if (const auto choice = ParseInt16(list[2])) {
                    try {
                        SetSlotStyle(s_, styles_, c, s, *choice % 10, StyleSet::Force);
                    } catch (const std::exception&) {
                    }
                }
            } else {
                if (const auto kind = r.Int(section::kSkin, "表示項目(" + slot + ",0)", 0);
                    kind && *kind >= 0 && *kind < kItemKindCount) {
                    s_.kind[c][s] = static_cast<std::int16_t>(*kind);
                }
                r.Into(s_.device[c][s], section::kSkin, "表示項目(" + slot + ",1)", 0);
            }
            CheckSlotDevice(c, s);
        }
    }
}

void SettingsStore::CheckSlotDevice(int c, int s) {
    const int device = s_.device[c][s];
    if (!IsNetworkKind(s_.kind[c][s]) || s_.host[c][s] != 0 ||
        (device >= 0 && device < static_cast<int>(s_.deviceLimits.size()))) {
        return;
    }
    std::string name = env_.NetworkDeviceName(0);
    if (const auto nul = name.find('\0'); nul != std::string::npos) {
        name.resize(nul);
    }
    env_.ui().MessageBox(
        {std::string(kProductName),
         UiFormat(UiTr("Settings", "指定されたネットワークデバイス(ID=%1)が見つからないため"),
                  {Str(device)}) +
             std::string(kCrLf) + name + std::string(kCrLf) +
             UiTr("Settings", "の情報を表示します。") + std::string(kCrLf) +
             UiFormat(UiTr("Settings", "ユニット番号 : %1 ,スロット番号 : %2"), {Str(c), Str(s)}),
         MsgIcon::Exclamation, MsgButtons::Ok});
    s_.device[c][s] = 0;
}

void SettingsStore::ReadOther(const IniDocument& doc) {
    const Reader r(doc);
    r.Into(s_.functionId, section::kOther, "ファンクションID", 2);
    s_.functionName = r.String(section::kOther, "ファンクション名", "");
    const auto flags = r.List(section::kOther, "内蔵機能設定", "0,0,0,0,0");
    for (std::size_t i = 0; i < s_.builtInFunctionFlags.size(); ++i) {
        Element(s_.builtInFunctionFlags[i], flags, i);
    }
}

void SettingsStore::ReadTray(const IniDocument& doc) {
    const Reader r(doc);
    if (const auto n = r.Int(section::kTray, "アイコン表示数", 1);
        n && *n >= 1 && *n <= kTrayIconMax) {
        s_.trayIconCount = static_cast<std::int16_t>(*n);
    }
    s_.trayImageFile = r.String(section::kTray, "画像ファイル名", "");
    r.Into(s_.trayUpdateInterval, section::kTray, "更新間隔", 0);
    for (int n = 1; n <= s_.trayIconCount; ++n) {
        const auto list = r.List(section::kTray, "アイコン(" + Str(n) + ")", "2,0");
        Element(s_.trayIcons[static_cast<std::size_t>(n)].kind, list, 0);
        Element(s_.trayIcons[static_cast<std::size_t>(n)].device, list, 1);
    }
    const auto actions = r.List(section::kTray, "動作設定", "4,6,1,2");
    for (std::size_t i = 0; i < s_.trayClickActions.size(); ++i) {
        Element(s_.trayClickActions[i], actions, i);
    }
}

void SettingsStore::ReadClock(const IniDocument& doc) {
    const Reader r(doc);
    s_.timeServer = r.String(section::kClock, "使用するタイムサーバー", kStandardTimeServer);
    r.Scalar(s_, section::kClock, kAdjustClockAtStartKey);
    r.Into(s_.timeServerPort, section::kClock, "使用するポート", 123);
    s_.timeServerPort = TimeServerPortOrStandard(s_.timeServerPort);
    r.Into(s_.adjustEveryHours, section::kClock, "一定時間ごとにあわせる", 0);
    r.Into(s_.adjustWithOffset, section::kClock, "ずらしてあわせる", 0);
    const auto offset = r.List(section::kClock, "ずらす時間", "0,0,0,0");
    for (std::size_t i = 0; i < s_.clockOffset.size(); ++i) {
        Element(s_.clockOffset[i], offset, i);
    }
}

namespace {

std::string HostKey(int n, std::string_view field) {
    return "ホスト(" + Str(n) + ")の" + std::string(field);
}

// The host keys in file order; credentials are written only when given.
struct HostField {
    std::string_view name;
    std::string RemoteHostSetting::*field;
    bool secret;
};
constexpr std::array<HostField, 6> kHostFields{{
    {"名前", &RemoteHostSetting::name, false},
    {"アドレス", &RemoteHostSetting::address, false},
    {"インスタンス", &RemoteHostSetting::instance, false},
    {"トークン", &RemoteHostSetting::bearerToken, true},
    {"ユーザー", &RemoteHostSetting::user, false},
    {"パスワード", &RemoteHostSetting::password, true},
}};

std::string ContainerHostKey(int c) {
    return "コンテナ" + Str(c) + "のホスト";
}

std::string TrayHostKey(int n) {
    return "アイコン(" + Str(n) + ")のホスト";
}

// A host the list does not hold (a file edited by hand, a host removed by an older program)
// measures this machine rather than failing every pass.
std::int16_t KnownHost(std::int16_t host, std::size_t hostCount) {
    return host > 0 && static_cast<std::size_t>(host) <= hostCount ? host : 0;
}

bool HoldsCredentials(const IniDocument& doc) {
    const Reader r(doc);
    const int count =
        std::clamp(r.Int(section::kRemoteHosts, "ホスト数", 0).value_or(0), 0, kRemoteHostMax);
    for (int n = 1; n <= count; ++n) {
        for (const HostField& f : kHostFields) {
            if (f.secret && !r.String(section::kRemoteHosts, HostKey(n, f.name), "").empty()) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

void SettingsStore::ReadRemoteHosts(const IniDocument& doc) {
    const Reader r(doc);
    const std::string_view sec = section::kRemoteHosts;
    r.Into(s_.remoteIntervalMs, sec, "更新間隔", s_.remoteIntervalMs);
    s_.remoteIntervalMs = std::max(s_.remoteIntervalMs, kRemoteIntervalMinMs);
    const int count = std::clamp(r.Int(sec, "ホスト数", 0).value_or(0), 0, kRemoteHostMax);
    s_.remoteHosts.assign(static_cast<std::size_t>(count), RemoteHostSetting{});
    for (int n = 1; n <= count; ++n) {
        RemoteHostSetting& host = s_.remoteHosts[static_cast<std::size_t>(n - 1)];
        for (const HostField& f : kHostFields) {
            host.*f.field = r.String(sec, HostKey(n, f.name), "");
        }
    }
    const std::size_t hosts = s_.remoteHosts.size();
    for (int c = 0; c < kContainerCount; ++c) {
        const auto list = r.List(sec, ContainerHostKey(c), "");
        for (int sl = 0; sl < kSlotCount; ++sl) {
            Element(s_.host[c][sl], list, static_cast<std::size_t>(sl));
            s_.host[c][sl] = KnownHost(s_.host[c][sl], hosts);
        }
    }
    for (int n = 1; n <= kTrayIconMax; ++n) {
        TrayIconSetting& icon = s_.trayIcons[static_cast<std::size_t>(n)];
        r.Into(icon.host, sec, TrayHostKey(n), 0);
        icon.host = KnownHost(icon.host, hosts);
    }
}

// Written only when something differs from a file without the section, so the files of those
// who watch no other machine stay as older versions wrote them.
void SettingsStore::WriteRemoteHosts(IniDocument& doc, const Settings& s) const {
    const Settings fresh;
    const auto zero = [](const auto& row) {
        return std::all_of(row.begin(), row.end(), [](std::int16_t h) { return h == 0; });
    };
    const bool slotsLocal = std::all_of(s.host.begin(), s.host.end(), zero);
    const bool iconsLocal = std::all_of(s.trayIcons.begin(), s.trayIcons.end(),
                                        [](const TrayIconSetting& t) { return t.host == 0; });
    if (s.remoteHosts.empty() && s.remoteIntervalMs == fresh.remoteIntervalMs && slotsLocal &&
        iconsLocal) {
        return;
    }
    const std::string_view sec = section::kRemoteHosts;
    doc.Set(sec, "更新間隔", Str(s.remoteIntervalMs));
    const int count = std::min(static_cast<int>(s.remoteHosts.size()), kRemoteHostMax);
    doc.Set(sec, "ホスト数", Str(count));
    for (int n = 1; n <= count; ++n) {
        const RemoteHostSetting& host = s.remoteHosts[static_cast<std::size_t>(n - 1)];
        for (const HostField& f : kHostFields) {
            if (!f.secret || !(host.*f.field).empty()) {
                doc.Set(sec, HostKey(n, f.name), OneLineValue(host.*f.field));
            }
        }
    }
    for (int c = 0; c < kContainerCount; ++c) {
        if (!zero(s.host[c])) {
            doc.Set(sec, ContainerHostKey(c), Join(s.host[c], ","));
        }
    }
    for (int n = 1; n <= kTrayIconMax; ++n) {
        if (const int host = s.trayIcons[static_cast<std::size_t>(n)].host; host != 0) {
            doc.Set(sec, TrayHostKey(n), Str(host));
        }
    }
}

void SettingsStore::NoticeIconMenu(LoadMode mode) {
    if (mode == LoadMode::Startup || !iconMenuInForce_) {
        iconMenuInForce_ = s_.useIconMenu;
        return;
    }
    if (s_.useIconMenu == *iconMenuInForce_ || !env_.SubclassAllowed()) {
        return;
    }
    env_.ui().MessageBox(
        {UiFormat(UiTr("Settings", "アイコンメニューの設定変更 - %1"), {kProductName}),
         (s_.useIconMenu
              ? UiTr("Settings",
                     "この設定ファイルでアイコンメニューの使用の設定が有効にされましたが、")
              : UiTr("Settings",
                     "この設定ファイルでアイコンメニューの使用の設定が無効にされましたが、")) +
             std::string(kCrLf) +
             UiFormat(UiTr("Settings", "%1の再起動後にこの設定は有効になります。"), {kProductName}),
         MsgIcon::Information, MsgButtons::Ok});
}

WriteResult SettingsStore::SaveSettings(const std::string& path) {
    if (writes_ == FileWrites::Forbidden) {
        return {false, UiTr("Settings", "この実行では設定ファイルを書き込みません")};
    }
    // Replacing a file that cannot be read would lose what it holds without anyone seeing it.
    if (files_.Exists(path) && !files_.Readable(path)) {
        return {false,
                UiFormat(UiTr("Settings", "%1: 読み込めないファイルは上書きしません"), {path})};
    }
    return files_.Write(path, SettingsText(), BackupPath(path), writeHook,
                        HoldsCredentials(s_) ? FileAccess::OwnerOnly : FileAccess::AsBefore);
}

std::string SettingsStore::SettingsText() const {
    IniDocument doc;
    // While auto-snap has the window elsewhere, the place the user left it is the one to start
    // at, not the other window's corner. A fixed start position stays as the user set it.
    std::optional<Settings> moved;
    if (s_.startPositionMode == 0) {
        if (const auto before = env_.PositionBeforeAutoSnap()) {
            moved = s_;
            moved->startX = before->x;
            moved->startY = before->y;
        }
    }
    const Settings& s = moved ? *moved : s_;
    doc.Set(section::kVersion, "VelquorVer",
            Str(VersionNumber(kVersionMajor, kVersionMinor, kRevision)));
    WriteScalars(doc, s, section::kBasic, BasicKeys());

    const int devices = std::max(0, env_.NetworkDeviceCount());
    for (int d = 0; d < devices; ++d) {
        const NetDeviceLimits limits = static_cast<std::size_t>(d) < s.deviceLimits.size()
                                           ? s.deviceLimits[static_cast<std::size_t>(d)]
                                           : NetDeviceLimits{};
        doc.Set(section::kNetwork, DeviceKey(d, "受信"), LimitText(limits.receive));
        doc.Set(section::kNetwork, DeviceKey(d, "送信"), LimitText(limits.send));
    }
    doc.Set(section::kNetwork, "固定Skin時使用デバイス名", Str(s.fixedSkinDevice));
    if (!s.diskLimits.empty()) {
        std::vector<std::string> names;
        for (const DiskLimits& disk : s.diskLimits) {
            names.push_back(disk.device);
        }
        doc.Set(section::kNetwork, "ディスク一覧", Join(names, "|"));
        for (const DiskLimits& disk : s.diskLimits) {
            doc.Set(section::kNetwork, DiskKey(disk.device, "読込"), LimitText(disk.read));
            doc.Set(section::kNetwork, DiskKey(disk.device, "書込"), LimitText(disk.write));
        }
    }

    WriteScalars(doc, s, section::kWindow, WindowKeys());
    WriteScalars(doc, s, section::kPosition, PositionKeys());
    // The leading "Dammy" is never written.
    const std::vector<std::string> patterns(s.snapTitles.begin() + (s.snapTitles.empty() ? 0 : 1),
                                            s.snapTitles.end());
    doc.Set(section::kPosition, "吸着Windowタイトル", Join(patterns, "|"));

    doc.Set(section::kSkin, kUseBuiltInSkinKey.key, ScalarText(s, kUseBuiltInSkinKey));
    doc.Set(section::kSkin, "デフォルトSkinタイプ", Str(s.builtInSkinType));
    doc.Set(section::kSkin, "Skinフォルダー", s.skinFolder);
    doc.Set(section::kSkin, "Skin名", s.skinFileName);
    doc.Set(section::kSkin, kShowStartUnitKey.key, ScalarText(s, kShowStartUnitKey));
    doc.Set(section::kSkin, kShowEndUnitKey.key, ScalarText(s, kShowEndUnitKey));
    doc.Set(section::kSkin, "表示ユニット数", Str(s.containerCount));
    for (int c = 0; c < kContainerCount; ++c) {
        std::string value = Str((s.clockContainer[c] ? 2 : 0) + (s.historyContainer[c] ? 1 : 0));
        for (int sl = 0; sl < kSlotCount; ++sl) {
            value += "," + Str(s.kind[c][sl]) + "," + Str(s.device[c][sl]) + "," +
                     Str((s.graphStyle[c][sl] % 10) % 3);
        }
        doc.Set(section::kSkin, "コンテナ" + Str(c) + "の設定", value);
    }

    doc.Set(section::kOther, "ファンクションID", Str(s.functionId));
    doc.Set(section::kOther, "ファンクション名", s.functionName);
    doc.Set(section::kOther, "内蔵機能設定", Join(s.builtInFunctionFlags, ","));

    doc.Set(section::kTray, "画像ファイル名", s.trayImageFile);
    doc.Set(section::kTray, "更新間隔", Str(s.trayUpdateInterval));
    doc.Set(section::kTray, "アイコン表示数", Str(s.trayIconCount));
    doc.Set(section::kTray, "説明", kTrayNote);
    const int icons = std::clamp<int>(s.trayIconCount, 0, kTrayIconMax);
    for (int n = 1; n <= icons; ++n) {
        const TrayIconSetting& icon = s.trayIcons[static_cast<std::size_t>(n)];
        doc.Set(section::kTray, "アイコン(" + Str(n) + ")",
                Str(icon.kind) + "," + Str(icon.device));
    }
    doc.Set(section::kTray, "動作設定", Join(s.trayClickActions, ","));

    WriteScalars(doc, s, section::kHotKey, HotKeyKeys());

    doc.Set(section::kClock, "使用するタイムサーバー", s.timeServer);
    doc.Set(section::kClock, kAdjustClockAtStartKey.key, ScalarText(s, kAdjustClockAtStartKey));
    doc.Set(section::kClock, "使用するポート", Str(s.timeServerPort));
    doc.Set(section::kClock, "一定時間ごとにあわせる", Str(s.adjustEveryHours));
    doc.Set(section::kClock, "ずらしてあわせる", Str(s.adjustWithOffset));
    doc.Set(section::kClock, "ずらす時間", Join(s.clockOffset, ","));

    WriteRemoteHosts(doc, s);
    return doc.Serialize();
}

// ---------------------------------------------------------------------------------------------
// Backup, reset, profiles, migration

std::string SettingsStore::BackupBeforeRead(const std::string& path) {
    const std::string backup = BackupPath(path);
    const bool fileThere = files_.Exists(path);
    const bool backupThere = files_.Exists(backup);
    if (!fileThere && backupThere) {
        const MsgAnswer answer = env_.ui().MessageBox(
            {BoxTitle(UiTr("Settings", "確認")),
             UiFormat(UiTr("Settings",
                           "%1は見つかりませんでしたが、そのバックアップファイルを発見しました｡"),
                      {path}) +
                 std::string(kCrLf) + UiTr("Settings", "バックアップファイルを読み込みますか？"),
             MsgIcon::Question, MsgButtons::YesNo});
        if (answer != MsgAnswer::Yes) {
            return path;
        }
        if (writes_ == FileWrites::Forbidden) {
            return backup; // read it where it lies
        }
        // Copy byte for byte, crash-safe; only a restored file lets the backup go.
        const std::optional<std::string> bytes = files_.Read(backup);
        const FileAccess access =
            bytes && HoldsCredentials(IniDocument::Parse(DecodeFileText(*bytes)))
                ? FileAccess::OwnerOnly
                : FileAccess::AsBefore;
        if (bytes && files_.Write(path, *bytes, {}, {}, access).ok) {
            files_.Remove(backup);
            return path;
        }
        return backup;
    }
    if (fileThere && backupThere && writes_ == FileWrites::Allowed) {
        files_.Remove(backup);
    }
    return path;
}

void SettingsStore::ResetSettings(SettingsGroup group) {
    const Settings fresh;
    const auto scalars = [&](std::span<const ScalarKey> keys, const bool Settings::*keep) {
        for (const ScalarKey& k : keys) {
            const auto* field = std::get_if<bool Settings::*>(&k.field);
            if (!(field && *field == keep)) {
                CopyScalar(s_, fresh, k);
            }
        }
    };
    using G = SettingsGroup;
    switch (group) {
    case G::All:
        for (G g : {G::Basic, G::Network, G::Window, G::Position, G::Skin, G::Layout,
                    G::FunctionAndHotKey, G::Tray, G::Clock, G::RemoteHosts}) {
            ResetSettings(g);
        }
        return;
    case G::Basic:
        scalars(BasicKeys(), nullptr);
        break;
    case G::Network:
        for (NetDeviceLimits& d : s_.deviceLimits) {
            for (LimitPair* half : {&d.send, &d.receive}) {
                half->maxMode = {0, 0};
                half->maxValue = {0.0f, 0.0f};
            }
        }
        for (DiskLimits& d : s_.diskLimits) {
            for (LimitPair* half : {&d.read, &d.write}) {
                half->maxMode = {0, 0};
                half->maxValue = {0.0f, 0.0f};
            }
        }
        s_.fixedSkinDevice = DefaultDevice(0);
        break;
    case G::Window:
        scalars(WindowKeys(), &Settings::showByButtonCopy);
        break;
    case G::Position:
        scalars(PositionKeys(), nullptr);
        s_.snapTitles = {"Dammy"};
        break;
    case G::Skin:
        s_.skinFolder = env_.AppFolder();
        s_.skinFileName = std::string(kResetSkinFile);
        s_.useBuiltInSkin = fresh.useBuiltInSkin;
        s_.builtInSkinType = fresh.builtInSkinType;
        break;
    case G::Layout:
    case G::OldLayout:
        ResetLayout();
        break;
    case G::FunctionAndHotKey:
        s_.functionId = fresh.functionId;
        s_.functionName.clear();
        s_.builtInFunctionFlags = fresh.builtInFunctionFlags;
        scalars(HotKeyKeys(), nullptr);
        break;
    case G::Tray:
        s_.trayIconCount = 1;
        s_.trayUpdateInterval = 0;
        s_.trayIcons[1] = TrayIconSetting{2, 0};
        s_.trayImageFile.clear();
        s_.trayClickActions = fresh.trayClickActions;
        break;
    case G::Clock:
        s_.timeServer = kStandardTimeServer;
        s_.adjustClockAtStart = fresh.adjustClockAtStart;
        s_.timeServerPort = fresh.timeServerPort;
        s_.adjustEveryHours = fresh.adjustEveryHours;
        s_.adjustWithOffset = fresh.adjustWithOffset;
        s_.clockOffset = fresh.clockOffset;
        break;
    case G::RemoteHosts:
        s_.remoteHosts.clear();
        s_.remoteIntervalMs = fresh.remoteIntervalMs;
        s_.host = {};
        for (TrayIconSetting& icon : s_.trayIcons) {
            icon.host = 0;
        }
        break;
    }
    env_.SetCurrentSkinPath(CurrentSkinPath());
}

void SettingsStore::ResetLayout() {
    s_.showStartUnit = true;
    s_.showEndUnit = true;
    s_.containerCount = 5;
    styles_ = env_.ActivateSkin(SkinActivation::Quiet);
    s_.historyContainer = {};
    s_.clockContainer = {};
    s_.kind = {};
    s_.device = {};
    s_.host = {};
    s_.kind[0][1] = 8;
    for (int c = 1; c <= 3; ++c) {
        s_.historyContainer[c] = true;
    }
    s_.kind[1][0] = 2;
    s_.kind[2][0] = 4;
    s_.kind[3][0] = 5;
    s_.device[2][0] = DefaultDevice(0);
    s_.device[3][0] = s_.device[2][0];
    s_.clockContainer[4] = true;
    for (int c = 0; c < kContainerCount; ++c) {
        for (int sl = 0; sl < kSlotCount; ++sl) {
            SetSlotStyle(s_, styles_, c, sl, 0, StyleSet::Force);
        }
    }
}

bool SettingsStore::SwitchToProfile(const std::string& name) {
    return SwitchToFile(env_.AppFolder() + "setting_" + name + ".ini");
}

bool SettingsStore::SwitchToOptionFile(const std::string& name) {
    return SwitchToFile(env_.AppFolder() + "Option/" + name + ".ini");
}

bool SettingsStore::SwitchToFile(const std::string& path) {
    if (!files_.Exists(path)) {
        env_.ui().MessageBox({BoxTitle(UiTr("Settings", "エラー")),
                              UiFormat(UiTr("Settings", "%1 が見つかりません"), {path}),
                              MsgIcon::Exclamation, MsgButtons::Ok});
        return false;
    }
    OpenOptionFile(path);
    return true;
}

void SettingsStore::OpenOptionFile(const std::string& path) {
    LoadSettings(path, LoadMode::Switch);
    env_.ActivateSkin(SkinActivation::Announce);
}

WriteResult SettingsStore::SaveOptionFile(const std::string& path) {
    // As at exit: a start position that follows the window takes its place now.
    if (s_.startPositionMode == 0) {
        if (const auto now = env_.CurrentWindowPosition()) {
            s_.startX = now->x;
            s_.startY = now->y;
        }
    }
    return SaveSettings(path);
}

bool SettingsStore::AskApplyNewDefaults() {
    return env_.ui().MessageBox(
               {std::string(kProductName),
                UiFormat(UiTr("Settings",
                              "このINIファイルは古いバージョンの「%1」で書かれたファイルです。"),
                         {kProductName}) +
                    std::string(kCrLf) +
                    UiTr("Settings", "今バージョンより新しい設定項目が加わりました。新しい設定項目"
                                     "に標準の設定を適用してもよいですか？"),
                MsgIcon::Question, MsgButtons::YesNo}) == MsgAnswer::Yes;
}

bool SettingsStore::ApplyNewDefaults() {
    if (consent_ == Consent::NotAsked) {
        consent_ = AskApplyNewDefaults() ? Consent::Yes : Consent::No;
    }
    return consent_ == Consent::Yes;
}

void SettingsStore::MigrateSettings(std::int32_t loadedVersion) {
    if (loadedVersion < kVersion110 && ApplyNewDefaults()) {
        s_.adjustClockAtStart = false;
        s_.timeServer = kStandardTimeServer;
        s_.showStartUnit = true;
        s_.showEndUnit = true;
    }
    if (loadedVersion < kVersion120 && ApplyNewDefaults()) {
        s_.trayIconCount = 1;
        const std::string standard = SettingsFilePath();
        const std::optional<std::string> bytes = files_.Read(standard);
        const std::optional<IniDocument> doc =
            bytes ? std::optional(IniDocument::Parse(DecodeFileText(*bytes))) : std::nullopt;
        const IniDocument empty;
        const Reader r(doc ? *doc : empty);
        r.Into(s_.trayIcons[1].kind, section::kTray, "表示項目", 2);
        r.Into(s_.trayIcons[1].device, section::kTray, "表示デバイス", 0);
    }
    if (loadedVersion < kVersion130 && ApplyNewDefaults()) {
        s_.useIconMenu = true;
    }
}

} // namespace trumbel
