#pragma once

#include "settings/Settings.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace trumbel {

namespace section {
inline constexpr std::string_view kVersion = "バージョン情報";
inline constexpr std::string_view kBasic = "基本設定";
inline constexpr std::string_view kNetwork = "ネットワーク設定";
inline constexpr std::string_view kWindow = "Window設定";
inline constexpr std::string_view kPosition = "位置情報設定";
inline constexpr std::string_view kSkin = "Skin設定";
inline constexpr std::string_view kOther = "その他設定";
inline constexpr std::string_view kTray = "タスクトレイ設定";
inline constexpr std::string_view kHotKey = "ホットキー設定";
inline constexpr std::string_view kClock = "時計設定";
inline constexpr std::string_view kRemoteHosts = "リモートホスト設定";
} // namespace section

// How a key's number in the file becomes the field. A number the field cannot take leaves it.
// On/off fields are written "1" or "0" whatever the number they were read from.
enum class KeyType {
    Bool,    // on/off from any 32-bit number, non-zero on
    Flag,    // on/off from a 16-bit number, non-zero on
    OneFlag, // on/off from a 16-bit number, only 1 on
    Int16,   // the number, written as it is
    Int32,
};

struct ScalarKey {
    std::string_view key;
    KeyType type;
    std::variant<bool Settings::*, std::int16_t Settings::*, std::int32_t Settings::*,
                 OptionsPageId Settings::*>
        field;
    std::int32_t missing; // the value when the key is absent from an existing file
};

// On/off keys read and written one at a time among the other values of their section.
inline constexpr ScalarKey kUseBuiltInSkinKey{"デフォルトSkin使用", KeyType::OneFlag,
                                              &Settings::useBuiltInSkin, 1};
inline constexpr ScalarKey kShowStartUnitKey{"始端ユニットの表示", KeyType::Flag,
                                             &Settings::showStartUnit, 1};
inline constexpr ScalarKey kShowEndUnitKey{"終端ユニットの表示", KeyType::Flag,
                                           &Settings::showEndUnit, 1};
inline constexpr ScalarKey kAdjustClockAtStartKey{"起動時に時計を合わせる", KeyType::Flag,
                                                  &Settings::adjustClockAtStart, 0};

// The plain keys of a section, in the order they are written and read.
std::span<const ScalarKey> BasicKeys();
std::span<const ScalarKey> WindowKeys();
std::span<const ScalarKey> PositionKeys(); // "吸着Windowタイトル" follows them
std::span<const ScalarKey> HotKeyKeys();

// The field as the file writes it.
std::string ScalarText(const Settings& s, const ScalarKey& k);
// Stores the file's number v into the field when the key's type takes it; false (field
// unchanged) otherwise.
bool SetScalarValue(Settings& s, const ScalarKey& k, std::int64_t v);
// Copies the field of from into to.
void CopyScalar(Settings& to, const Settings& from, const ScalarKey& k);

} // namespace trumbel
