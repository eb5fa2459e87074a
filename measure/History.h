#pragma once

#include "measure/ParamRecord.h"

namespace trumbel {

// How the samples of one history step become its value.
enum class HistoryFold {
    Lowest,  // levels (free memory, idle processor): the worst moment of the step
    Highest, // rates in peak mode
    Mean,    // rates in average mode
};

// Folds one sample into the step in progress, Log[0]. sampleCounter counts the samples of the
// step from 0; at stepEnd the step is finished: the samples move one place older and Log[1]
// takes the step's value. True when a step finished. A mean over stepEnd + 1 == 0 samples
// throws RuntimeError(DivisionByZero).
bool AdvanceHistory(HistoryLog& log, float sample, int sampleCounter, int stepEnd,
                    HistoryFold fold);

} // namespace trumbel
