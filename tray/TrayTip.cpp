#include "tray/TrayTip.h"

#include "base/AppInfo.h"
#include "base/ErrorReport.h"
#include "base/UiLanguage.h"
#include "base/UiText.h"

#include <cmath>

namespace trumbel {

namespace {

std::string Label(int paramId) {
    switch (paramId) {
    case 0:
        return UiTr("Tray", "物理メモリー");
    case 1:
        return UiTr("Tray", "ページファイル");
    case 2:
        return "CPU";
    case 3:
        return UiTr("Tray", "リソース");
    case 4:
        return UiTr("Tray", "ネットワーク受信量") + std::string(kCrLf);
    case 5:
        return UiTr("Tray", "ネットワーク送信量") + std::string(kCrLf);
    default:
        return {};
    }
}

std::string Unit(int kind) {
    switch (kind) {
    case 0:
    case 1:
        return "B";
    case 2:
    case 3:
        return UiTr("Tray", "％");
    case 4:
    case 5:
        return "bps";
    case 6:
    case 7:
        return UiTr("Tray", "B/秒");
    default:
        return {};
    }
}

constexpr int kFirstSensorParam = 7;
constexpr int kBatteryParam = 11;

// One line in the words a person would use: "温度 k10temp Tctl: 47°C", "バッテリー 81% 充電中".
std::string SensorLine(const TrayItem& item, const TraySource& source) {
    const int p = item.paramId;
    const int d = item.device;
    static constexpr const char* kNames[] = {
        QT_TRANSLATE_NOOP("Tray", "温度"),         QT_TRANSLATE_NOOP("Tray", "ファン"),
        QT_TRANSLATE_NOOP("Tray", "ディスク読込"), QT_TRANSLATE_NOOP("Tray", "ディスク書込"),
        QT_TRANSLATE_NOOP("Tray", "バッテリー"),   "GPU"};
    std::string text = UiTr("Tray", kNames[p - kFirstSensorParam]);
    if (!source.SensorPresent(p, d)) {
        // Named as an unplugged interface is, and without a figure it does not have.
        const std::string caption = source.SensorCaption(p, d);
        return text + " " + UiTr("Tray", "[未接続]") + (caption.empty() ? "" : " " + caption);
    }
    const double used = source.SystemValue(p, d, 2);
    const std::string whole = std::to_string(static_cast<long long>(std::lround(used)));
    if (p == kBatteryParam) {
        return text + " " + whole + "%" +
               (source.Charging(p, d) ? " " + UiTr("Tray", "充電中") : std::string());
    }
    text += " " + source.SensorCaption(p, d) + ": ";
    switch (p) {
    case kFirstSensorParam:
        return text + whole + "°C";
    case kFirstSensorParam + 1:
        return text + whole + "rpm";
    case kFirstSensorParam + 2:
    case kFirstSensorParam + 3:
        return text + source.TransParam(static_cast<float>(used)) + UiTr("Tray", "B/秒");
    default:
        return text + whole + "%";
    }
}

} // namespace

TrayItem ResolveTrayItem(int kind, int device, const TraySource& source) {
    TrayItem item;
    item.kind = kind;
    item.paramId = kind >= 6 ? kind - 2 : kind;
    item.device = device;
    // The sensor kinds came after the skin's table stopped following the measurement kinds.
    const int style = source.StandardStyle(item.paramId < kFirstSensorParam ? item.paramId : kind);
    item.remaining = style == 1 || style == 4;
    item.offset = item.remaining ? 0 : 16;
    return item;
}

std::string TrayTipText(const TrayItem& item, const TraySource& source) {
    const int p = item.paramId;
    // Only the network values follow the icon's device; the other kinds always describe the
    // whole machine (device 0), also where the bar follows one processor.
    const int d = p >= 4 ? item.device : 0;
    std::string text(kProductName);
    text += kCrLf;
    if (p >= kFirstSensorParam && p <= kFirstSensorParam + 5) {
        return text + SensorLine(item, source);
    }
    if (p < 4) {
        text += UiFormat(item.remaining ? UiTr("Tray", "%1残量") : UiTr("Tray", "%1使用量"),
                         {Label(p)});
        text += kCrLf;
    } else {
        text += Label(p);
    }
    const int style = source.StandardStyle(p);
    if (style >= 4) {
        text += std::to_string(source.Persent(p, d, item.Basis()));
        text += UiTr("Tray", "％");
        return text;
    }
    const float factor = (item.kind == 4 || item.kind == 5) ? 8.0f : 1.0f;
    const std::string unit = Unit(item.kind);
    const auto first = static_cast<float>(source.SystemValue(p, d, style));
    const auto second = static_cast<float>(source.SystemValue(p, d, source.StandardDigitStyle(p)));
    text +=
        source.TransParam(factor * first) + unit + "/" + source.TransParam(factor * second) + unit;
    return text;
}

} // namespace trumbel
