#pragma once

#include "base/AppInfo.h"
#include "base/UiText.h"
#include "clock/ClockWindows.h"
#include "core/Ports.h"
#include "measure/SystemMeasure.h"
#include "settings/SettingsStore.h"
#include "skin/SkinEngine.h"
#include "tray/TrayIcons.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace trumbel {

// The program's ports onto the subsystems that exist: each wraps the subsystem's own object,
// which does not know it is driven through a port.

class MeasureAdapter final : public MeasurePort {
public:
    // alsoRefresh runs after this machine's pass (the remote hosts' histories step with it).
    explicit MeasureAdapter(SystemMeasure& measure, std::function<void(int)> alsoRefresh = {})
        : measure_(measure), alsoRefresh_(std::move(alsoRefresh)) {}
    bool Exists() const override { return measure_.Exists(); }
    void Create() override { measure_.Create(); }
    void Release() override { measure_.Release(); }
    void RefreshParam(int sampleCounter) override {
        measure_.RefreshParam(sampleCounter);
        if (alsoRefresh_) {
            alsoRefresh_(sampleCounter);
        }
    }
    std::vector<std::string> Notices() const override {
        std::vector<std::string> texts;
        if (const SystemInfo* info = measure_.Info()) {
            for (const int d : info->TemperaturesAtLimit()) {
                const SensorDevice* t = info->Sensor(kParamTemperature, d);
                texts.push_back(UiFormat(UiTr("Tray", "温度 %1 が限界の %2°C に達しました"),
                                         {t->caption, std::to_string(std::lround(t->values.Max))}));
            }
        }
        return texts;
    }

private:
    SystemMeasure& measure_;
    std::function<void(int)> alsoRefresh_;
};

class SettingsAdapter final : public SettingsPort {
public:
    // saved is told of every file written (the shell logs it).
    SettingsAdapter(SettingsService& service, std::function<void(const std::string&)> saved)
        : service_(service), saved_(std::move(saved)) {}
    std::string SettingsFilePath() override { return service_.SettingsFilePath(); }
    void LoadSettings(const std::string& path, LoadMode mode) override {
        service_.LoadSettings(path, mode);
    }
    void SaveSettings(const std::string& path) override {
        service_.SaveSettings(path);
        if (saved_) {
            saved_(path);
        }
    }

private:
    SettingsService& service_;
    std::function<void(const std::string&)> saved_;
};

class SkinAdapter final : public SkinPort {
public:
    explicit SkinAdapter(SkinEngine& engine) : engine_(engine) {}
    void ApplySkin() override { engine_.ApplySkin(); }
    void DrawSkin() override { engine_.DrawSkin(); }
    // The search window lives only as long as the search it shows: nothing stays loaded.
    void UnloadSearchWindow() override {}
    void FreeSurfaces() override { engine_.FreeSurfaces(); }

private:
    SkinEngine& engine_;
};

class TrayAdapter final : public TrayPort {
public:
    static constexpr int kWarningBalloon = 2;
    explicit TrayAdapter(TrayIcons& icons) : icons_(icons) {}
    void CreateIconObjects() override { icons_.CreateIconObjects(); }
    void CreateIcon(int index) override { icons_.CreateIcon(index); }
    void UpdateIcon(int index) override { icons_.UpdateIcon(index); }
    void ReleaseAll() override { icons_.ReleaseAll(); }
    void ShowNotice(const std::string& text) override {
        icons_.ShowBalloon(text, kWarningBalloon, std::string(kProductName));
    }

private:
    TrayIcons& icons_;
};

class ClockAdapter final : public ClockPort {
public:
    explicit ClockAdapter(ClockWindows& windows) : windows_(windows) {}
    void LoadAdjustWindow() override { windows_.LoadAdjustWindow(); }
    void UnloadAdjustWindow() override { windows_.UnloadAdjustWindow(); }

private:
    ClockWindows& windows_;
};

} // namespace trumbel
