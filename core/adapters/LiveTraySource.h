#pragma once

#include "base/Ui.h"
#include "gfx/Bitmap.h"
#include "tray/TraySource.h"

#include <string>

namespace trumbel {

class RemoteHostValues;
class SkinEngine;
class SystemMeasure;

// What the tray reads in the running program: the measurement object, the current skin's item
// parameters, the value formatting and the strip images. The objects must outlive the source.
TraySourceHooks LiveTraySource(SystemMeasure& measure, const SkinEngine& skin, Ui& ui);
// The same reads of another machine's values; `name` heads its tooltip line.
TraySourceHooks RemoteTraySource(RemoteHostValues& values, std::string name, const SkinEngine& skin,
                                 Ui& ui);

// A decoded image as a strip; nothing for an empty one.
std::optional<StripPixels> StripOf(std::optional<Bitmap> bitmap);

} // namespace trumbel
