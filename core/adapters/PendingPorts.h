#pragma once

#include "Ports.h"

#include <string>

namespace trumbel {

// The seams whose subsystems are not built yet, in this one place. Each says so on standard
// error when a person asks for it, instead of passing for a feature that does nothing. The
// issue that builds a subsystem replaces its class here with the real adapter.

// Writes "trumbel: <what> is not available in this build" once per feature and run.
void ReportNotBuilt(const char* what, bool& reported);

// The about box, which the main menu's first item opens.
class PendingAboutBox final {
public:
    void Show() { ReportNotBuilt("the about box", reported_); }

private:
    bool reported_ = false;
};

} // namespace trumbel
