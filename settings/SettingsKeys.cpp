#include "settings/SettingsKeys.h"

#include <array>
#include <limits>
#include <string>
#include <type_traits>

namespace trumbel {

namespace {

using S = Settings;
constexpr std::int32_t kOn = 1;
constexpr std::int32_t kOff = 0;

const std::array kBasicKeys = {
    ScalarKey{"デスクトップ吸着", KeyType::Bool, &S::snapToScreenEdges, kOn},
    ScalarKey{"タスクバー吸着", KeyType::Bool, &S::snapToTaskbar, kOn},
    ScalarKey{"吸着強度", KeyType::Int16, &S::snapStrength, 10},
    ScalarKey{"ログスクロール方向", KeyType::Bool, &S::historyScrollDirection, kOff},
    ScalarKey{"ログ更新スピード", KeyType::Int16, &S::historyUpdateSpeed, 0},
    ScalarKey{"ログサンプルモード", KeyType::Int16, &S::historySampleMode, 0},
    ScalarKey{"最後に使用したページを開く", KeyType::Bool, &S::openLastOptionsPage, kOn},
    ScalarKey{"最後に使用したページ", KeyType::Int16, &S::lastOptionsPage, 0},
    ScalarKey{"2倍表示", KeyType::Bool, &S::doubleSize, kOff},
    ScalarKey{"アイコンメニュー使用", KeyType::Bool, &S::useIconMenu, kOn},
};

const std::array kWindowKeys = {
    ScalarKey{"最前面表示", KeyType::Bool, &S::topmost, kOn},
    ScalarKey{"マウスが来たら隠す", KeyType::Bool, &S::hideOnMouseOver, kOff},
    ScalarKey{"Shiftを押していると隠さない", KeyType::Bool, &S::shiftKeepsVisible, kOn},
    ScalarKey{"ボタンで隠す", KeyType::Bool, &S::hideByButton, kOn},
    ScalarKey{"いつもは隠す", KeyType::Bool, &S::normallyHidden, kOff},
    ScalarKey{"マウスが来たら表示", KeyType::Bool, &S::showOnMouseOver, kOn},
    ScalarKey{"Shiftを押していないと無効", KeyType::Bool, &S::showNeedsShift, kOn},
    ScalarKey{"マウスがいないと背面表示", KeyType::Bool, &S::backWhenMouseAway, kOn},
    ScalarKey{"ボタンで表示", KeyType::Bool, &S::showByButton, kOn},
    ScalarKey{"ボタンで表示(Copy)", KeyType::Bool, &S::showByButtonCopy, kOn},
    ScalarKey{"トグルボタン", KeyType::Bool, &S::toggleButton, kOn},
    ScalarKey{"非吸着時は隠す", KeyType::Bool, &S::hideWhenNotSnapped, kOff},
};

const std::array kPositionKeys = {
    ScalarKey{"起動位置設定", KeyType::Int16, &S::startPositionMode, 0},
    ScalarKey{"起動位置X", KeyType::Int32, &S::startX, 0},
    ScalarKey{"起動位置Y", KeyType::Int32, &S::startY, 0},
    ScalarKey{"自動吸着", KeyType::Int16, &S::autoSnapMode, 0},
    ScalarKey{"吸着基準位置1", KeyType::Int16, &S::snapAnchor1, 1},
    ScalarKey{"吸着基準位置2", KeyType::Int16, &S::snapAnchor2, 0},
    ScalarKey{"吸着位置X", KeyType::Int32, &S::snapOffsetX, 0},
    ScalarKey{"吸着位置Y", KeyType::Int32, &S::snapOffsetY, 0},
    ScalarKey{"吸着除外設定", KeyType::Int16, &S::snapExclusionMode, 1},
    ScalarKey{"吸着除外サイズWidth", KeyType::Int32, &S::snapExclusionWidth, 400},
    ScalarKey{"吸着除外サイズHeight", KeyType::Int32, &S::snapExclusionHeight, 300},
};

const std::array kHotKeyKeys = {
    ScalarKey{"使用する", KeyType::Flag, &S::hotKeyEnabled, 1},
    ScalarKey{"Ctrl使用", KeyType::Flag, &S::hotKeyCtrl, 1},
    ScalarKey{"Alt使用", KeyType::Flag, &S::hotKeyAlt, 0},
    ScalarKey{"Shift使用", KeyType::Flag, &S::hotKeyShift, 0},
    ScalarKey{"キーコード", KeyType::Int32, &S::hotKeyCode, 119},
};

} // namespace

std::span<const ScalarKey> BasicKeys() {
    return kBasicKeys;
}
std::span<const ScalarKey> WindowKeys() {
    return kWindowKeys;
}
std::span<const ScalarKey> PositionKeys() {
    return kPositionKeys;
}
std::span<const ScalarKey> HotKeyKeys() {
    return kHotKeyKeys;
}

std::string ScalarText(const Settings& s, const ScalarKey& k) {
    return std::visit([&](auto field) { return std::to_string(static_cast<int>(s.*field)); },
                      k.field);
}

bool SetScalarValue(Settings& s, const ScalarKey& k, std::int64_t v) {
    const auto fits = [v](auto limit) {
        return v >= std::numeric_limits<decltype(limit)>::min() &&
               v <= std::numeric_limits<decltype(limit)>::max();
    };
    if (const auto* onOff = std::get_if<bool Settings::*>(&k.field)) {
        if (k.type != KeyType::Bool && !fits(std::int16_t{})) {
            return false;
        }
        s.*(*onOff) = k.type == KeyType::OneFlag ? v == 1 : v != 0;
        return true;
    }
    return std::visit(
        [&](auto field) {
            using T = std::remove_reference_t<decltype(s.*field)>;
            using Number = typename std::conditional_t<std::is_enum_v<T>, std::underlying_type<T>,
                                                       std::type_identity<T>>::type;
            if (!fits(Number{})) {
                return false;
            }
            s.*field = static_cast<T>(v);
            return true;
        },
        k.field);
}

void CopyScalar(Settings& to, const Settings& from, const ScalarKey& k) {
    std::visit([&](auto field) { to.*field = from.*field; }, k.field);
}

} // namespace trumbel
