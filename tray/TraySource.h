#pragma once

#include "tray/TrayImage.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace trumbel {

// A decoded strip that the tray owns while it composes its images.
struct StripPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0x??RRGGBB, row by row

    StripView View() const {
        return {width, height, width,
                pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)
                    ? nullptr
                    : pixels.data()};
    }
};

// Basis of a percentage: the remaining amount or the amount used.
enum class PercentBasis : int { Free = 0, Used = 1 };

// What the tray reads from the measurement object and the skin engine. The tray calls nothing
// else, so it can be tested with fixed values and wired to whichever engine is live.
class TraySource {
public:
    virtual ~TraySource() = default;
    // ItemParams[p] of the current skin.
    virtual int StandardStyle(int paramId) const = 0;
    virtual int StandardDigitStyle(int paramId) const = 0;
    // GetSystemValue(p, d, showParamInfo) with 0 Max, 1 Free, 2 Used, 3 Total.
    virtual double SystemValue(int paramId, int device, int showParamInfo) const = 0;
    // GetPersent(p, d, basis) against the full scale (Max): 0..100.
    virtual int Persent(int paramId, int device, PercentBasis basis) const = 0;
    virtual std::string TransParam(float amount) const = 0;
    // A sensor device's caption ("k10temp Tctl") and whether a battery is charging.
    virtual std::string SensorCaption(int paramId, int device) const = 0;
    virtual bool Charging(int paramId, int device) const = 0;
    // Whether a sensor device is there now; one never seen is not.
    virtual bool SensorPresent(int paramId, int device) const = 0;
    // The strip in a bitmap file; nothing when the file is missing, empty or unreadable.
    virtual std::optional<StripPixels> ReadStripFile(const std::string& path) const = 0;
    // The built-in "DefaultIcon" strip.
    virtual StripPixels DefaultStrip() const = 0;
    // The values of the machine an icon names (Settings::host): this source for host 0.
    virtual const TraySource& OfHost(int /*host*/) const { return *this; }
    // Another machine's tooltip line: its name, and while it cannot be read, why.
    virtual std::string HostNote() const { return {}; }
};

// A source assembled from the live engines' operations. An operation not wired reads as
// nothing measured: zero values, the used side, no strip.
class TraySourceHooks final : public TraySource {
public:
    std::function<int(int)> standardStyle;
    std::function<int(int)> standardDigitStyle;
    std::function<double(int, int, int)> systemValue;
    std::function<int(int, int, PercentBasis)> persent;
    std::function<std::string(float)> transParam;
    std::function<std::string(int, int)> sensorCaption;
    std::function<bool(int, int)> charging;
    std::function<bool(int, int)> sensorPresent;
    std::function<std::optional<StripPixels>(const std::string&)> readStripFile;
    std::function<StripPixels()> defaultStrip;
    std::function<const TraySource&(int)> ofHost;
    std::function<std::string()> hostNote;

    int StandardStyle(int p) const override { return standardStyle ? standardStyle(p) : 2; }
    int StandardDigitStyle(int p) const override {
        return standardDigitStyle ? standardDigitStyle(p) : 3;
    }
    double SystemValue(int p, int d, int info) const override {
        return systemValue ? systemValue(p, d, info) : 0.0;
    }
    int Persent(int p, int d, PercentBasis basis) const override {
        return persent ? persent(p, d, basis) : 0;
    }
    std::string TransParam(float amount) const override {
        return transParam ? transParam(amount) : "-.--K";
    }
    std::string SensorCaption(int p, int d) const override {
        return sensorCaption ? sensorCaption(p, d) : std::string();
    }
    bool Charging(int p, int d) const override { return charging && charging(p, d); }
    bool SensorPresent(int p, int d) const override { return sensorPresent && sensorPresent(p, d); }
    std::optional<StripPixels> ReadStripFile(const std::string& path) const override {
        return readStripFile ? readStripFile(path) : std::nullopt;
    }
    StripPixels DefaultStrip() const override {
        return defaultStrip ? defaultStrip() : StripPixels{};
    }
    const TraySource& OfHost(int host) const override { return ofHost ? ofHost(host) : *this; }
    std::string HostNote() const override { return hostNote ? hostNote() : std::string(); }
};

} // namespace trumbel
