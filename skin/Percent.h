#pragma once

#include "base/Ui.h"
#include "skin/MeasureView.h"

#include <cstdint>

namespace trumbel {

enum class Basis : int { Free = 0, Used = 1 };
enum class ScaleBy { Total, FullScale };
enum class Inversion { None, Invert };

// The whole percentage 0..100 of `free` or `used` against `denominator`; 0 for a zero
// denominator or a basis that is neither.
std::int32_t PersentOf(float free, float used, float denominator, Basis basis);

// The percentage a history column shows for one sample against the graph's full scale.
std::int32_t LogPersentOf(float sample, float max, Inversion inversion);

// Percentages of the measured item for graphs, clock lamps and tray bars. A failing read is
// reported in an error box and the routine goes on with what it has.
std::int32_t GetPersent(MeasureView& measure, Ui& ui, int item, int device, Basis basis,
                        ScaleBy scale);
std::int32_t GetLogPersent(MeasureView& measure, Ui& ui, int item, int device, int sample,
                           Inversion inversion);

} // namespace trumbel
