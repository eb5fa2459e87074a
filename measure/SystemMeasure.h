#pragma once

#include "measure/SystemInfo.h"

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
    void Create() { info_ = std::make_unique<clsSystemInfo>(settings_, environment_); }
    void Release() { info_.reset(); }
    void RefreshParam(int sampleCounter) {
        if (info_) {
            info_->RefreshParam(sampleCounter);
        }
    }

    clsSystemInfo* Info() { return info_.get(); }
    const clsSystemInfo* Info() const { return info_.get(); }

private:
    Settings& settings_;
    SystemInfoEnvironment environment_;
    std::unique_ptr<clsSystemInfo> info_;
};

} // namespace trumbel
