#include "tray/TrayTip.h"

#include "base/AppInfo.h"
#include "base/ErrorReport.h"

namespace trumbel {

namespace {

std::string Label(int paramId) {
    switch (paramId) {
    case 0:
        return "物理メモリー";
    case 1:
        return "ページファイル";
    case 2:
        return "CPU";
    case 3:
        return "リソース";
    case 4:
        return "ネットワーク受信量\r\n";
    case 5:
        return "ネットワーク送信量\r\n";
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
        return "％";
    case 4:
    case 5:
        return "bps";
    case 6:
    case 7:
        return "B/秒";
    default:
        return {};
    }
}

} // namespace

TrayItem ResolveTrayItem(int kind, int device, const TraySource& source) {
    TrayItem item;
    item.kind = kind;
    item.paramId = kind >= 6 ? kind - 2 : kind;
    item.device = device;
    const int style = source.StandardStyle(item.paramId);
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
    text += Label(p);
    if (p < 4) {
        text += item.remaining ? "残量" : "使用量";
        text += kCrLf;
    }
    const int style = source.StandardStyle(p);
    if (style >= 4) {
        text += std::to_string(source.Persent(p, d, item.Basis()));
        text += "％";
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
