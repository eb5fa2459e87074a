#include "measure/History.h"

#include "base/RuntimeError.h"

#include <algorithm>

namespace trumbel {

bool AdvanceHistory(HistoryLog& log, float sample, int sampleCounter, int stepEnd,
                    HistoryFold fold) {
    if (sampleCounter == 0) {
        log[0] = sample;
    } else if (fold == HistoryFold::Lowest) {
        log[0] = std::min(log[0], sample);
    } else if (fold == HistoryFold::Highest) {
        log[0] = std::max(log[0], sample);
    } else {
        log[0] += sample;
    }
    if (sampleCounter != stepEnd) {
        return false;
    }
    std::copy_backward(log.begin() + 1, log.end() - 1, log.end());
    if (fold == HistoryFold::Mean) {
        if (stepEnd + 1 == 0) {
            throw RuntimeError(ErrorNumber::DivisionByZero);
        }
        log[1] = log[0] / static_cast<float>(stepEnd + 1);
    } else {
        log[1] = log[0];
    }
    return true;
}

} // namespace trumbel
