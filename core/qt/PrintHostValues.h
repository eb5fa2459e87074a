#pragma once

#include "core/CommandLine.h"

namespace trumbel {

// --print-values --host: reads another machine twice, a second apart so its rates are real,
// and prints its values as --print-values prints this machine's. Ends with 1, naming the
// address and the reason on standard error, when the host cannot be read in time.
int RunPrintHostValues(const CommandLine& cl);

} // namespace trumbel
