#pragma once

#include "measure/SystemInfo.h"

#include <functional>
#include <memory>

namespace trumbel {

// The program's measurement object behind the refresh tick: created at start, re-created by the
// tick when it is missing, released at exit. Drawing, the tray and the dialogs read through
// Info(), which is null while no object exists.
class SystemMeasure {
public:
    explicit SystemMeasure(Settings& settings, SystemInfoEnvironment environment = {})
        : settings_(settings), environment_(std::move(environment)) {}

    bool Exists() const { return info_ != nullptr; }
    void Create() {
        Release();
        info_ = std::make_unique<SystemInfo>(settings_, environment_);
        if (onInfoChanged) {
            onInfoChanged(info_.get());
        }
    }
    void Release() {
        if (info_ && onInfoChanged) {
            onInfoChanged(nullptr);
        }
        info_.reset();
    }
    void RefreshParam(int sampleCounter) {
        if (info_) {
            info_->RefreshParam(sampleCounter);
        }
    }

    SystemInfo* Info() { return info_.get(); }
    const SystemInfo* Info() const { return info_.get(); }

    // Told of each new object, and (null) before the object goes, for whoever watches it.
    std::function<void(SystemInfo*)> onInfoChanged;

private:
    Settings& settings_;
    SystemInfoEnvironment environment_;
    std::unique_ptr<SystemInfo> info_;
};

} // namespace trumbel
