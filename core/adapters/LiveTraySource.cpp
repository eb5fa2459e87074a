#include "core/adapters/LiveTraySource.h"

#include "base/RuntimeError.h"
#include "base/UiText.h"
#include "core/adapters/RemoteHostView.h"
#include "gfx/ImageDecode.h"
#include "measure/SystemMeasure.h"
#include "skin/Percent.h"
#include "skin/SkinEngine.h"
#include "skin/SystemInfoView.h"
#include "skin/TransParam.h"

namespace trumbel {

std::optional<StripPixels> StripOf(std::optional<Bitmap> bitmap) {
    if (!bitmap || bitmap->Empty()) {
        return std::nullopt;
    }
    StripPixels strip;
    strip.width = bitmap->width;
    strip.height = bitmap->height;
    strip.pixels.reserve(static_cast<std::size_t>(strip.width) *
                         static_cast<std::size_t>(strip.height));
    for (int y = 0; y < bitmap->height; ++y) {
        const std::uint32_t* row = bitmap->Row(y);
        strip.pixels.insert(strip.pixels.end(), row, row + bitmap->width);
    }
    return strip;
}

namespace {

// What every machine's icons share: the skin's styles, the number form and the strips.
TraySourceHooks SkinTrayHooks(const SkinEngine& skin, Ui& ui) {
    TraySourceHooks h;
    h.standardStyle = [&skin](int p) { return StandardStyleOf(skin.skin(), p); };
    h.standardDigitStyle = [&skin](int p) { return StandardDigitStyleOf(skin.skin(), p); };
    h.transParam = [&ui](float amount) { return TransParam(amount, ui); };
    h.readStripFile = [](const std::string& path) { return StripOf(LoadImageFile(path)); };
    h.defaultStrip = [] {
        return StripOf(LoadResourceBitmap("DefaultIcon")).value_or(StripPixels{});
    };
    return h;
}

} // namespace

TraySourceHooks LiveTraySource(SystemMeasure& measure, const SkinEngine& skin, Ui& ui) {
    TraySourceHooks h = SkinTrayHooks(skin, ui);
    h.systemValue = [&measure](int p, int d, int field) -> double {
        SystemInfo* info = measure.Info();
        if (!info) {
            throw RuntimeError(ErrorNumber::ObjectNotSet);
        }
        return info->GetSystemValue(p, d, field);
    };
    h.sensorCaption = [&measure](int p, int d) {
        const SystemInfo* info = measure.Info();
        const SensorDevice* device = info ? info->Sensor(p, d) : nullptr;
        return device ? device->caption : std::string();
    };
    h.charging = [&measure](int p, int d) {
        const SystemInfo* info = measure.Info();
        const SensorDevice* device = info ? info->Sensor(p, d) : nullptr;
        return device && device->charging;
    };
    h.sensorPresent = [&measure](int p, int d) {
        const SystemInfo* info = measure.Info();
        const SensorDevice* device = info ? info->Sensor(p, d) : nullptr;
        return device && device->present;
    };
    // The bar's percentage is the graphs' own: one rule for the window and the tray.
    auto view = std::make_shared<SystemInfoView>(measure);
    h.persent = [view, &ui](int p, int d, PercentBasis basis) {
        return static_cast<int>(
            GetPersent(*view, ui, p, d, static_cast<Basis>(basis), ScaleBy::FullScale));
    };
    return h;
}

TraySourceHooks RemoteTraySource(RemoteHostValues& values, std::string name, const SkinEngine& skin,
                                 Ui& ui) {
    TraySourceHooks h = SkinTrayHooks(skin, ui);
    h.systemValue = [&values](int p, int d, int field) -> double {
        const std::optional<ShowParam> show = ShowParamOf(field);
        return show ? values.GetValue(p, d, *show) : 0.0;
    };
    h.sensorCaption = [&values](int p, int d) { return values.DeviceName(p, d); };
    h.charging = [&values](int, int d) { return values.Charging(d); };
    h.sensorPresent = [&values](int p, int d) {
        return values.Connected() && values.DevicePresent(p, d);
    };
    auto view = std::make_shared<RemoteHostView>(values);
    h.persent = [view, &ui](int p, int d, PercentBasis basis) {
        return static_cast<int>(
            GetPersent(*view, ui, p, d, static_cast<Basis>(basis), ScaleBy::FullScale));
    };
    h.hostNote = [&values, name = std::move(name)] {
        return values.Connected() ? name
                                  : name + ": " + UiTr("Devices", "[未接続] ") + values.Reason();
    };
    return h;
}

} // namespace trumbel
