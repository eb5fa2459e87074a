#pragma once

#include "base/Ui.h"

#include <string>

namespace trumbel {

// An amount as four characters plus a prefix letter (K, M, G, T, P for 1024^1..5): 5000
// gives "4.88K", 102400 "100.K". A value that cannot be formatted (not finite, or too large
// to round) is reported as a runtime error and gives the partial text of the steps that
// worked.
std::string TransParam(float amount, Ui& ui);

} // namespace trumbel
