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
} // namespace section

// Bool: -1/0 in memory, "1"/"0" in the file. Int16 and Int32 (flags included) are written as
// their value and read with the leading-digits rule; a value out of the field's range leaves it.
enum class KeyType { Bool, Int16, Int32 };

struct ScalarKey {
    std::string_view key;
    KeyType type;
    std::variant<std::int16_t Settings::*, std::int32_t Settings::*> field;
    std::int32_t missing; // the value when the key is absent from an existing file
};

// The plain keys of a section, in the order they are written and read.
std::span<const ScalarKey> BasicKeys();
std::span<const ScalarKey> WindowKeys();
std::span<const ScalarKey> PositionKeys(); // "吸着Windowタイトル" follows them
std::span<const ScalarKey> HotKeyKeys();

std::int32_t ScalarValue(const Settings& s, const ScalarKey& k);
// Stores v into the field when it fits; false (field unchanged) otherwise.
bool SetScalarValue(Settings& s, const ScalarKey& k, std::int64_t v);
// Copies the field of from into to.
void CopyScalar(Settings& to, const Settings& from, const ScalarKey& k);

} // namespace trumbel
