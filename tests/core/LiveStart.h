#pragma once

#include "core/qt/LiveProgram.h"

#include <memory>
#include <string>
#include <vector>

namespace trumbel::test {

// Leaves this machine's clock alone: the first start's adjustment asks the time server but
// its step is refused.
class RefusingClockSetter final : public ClockSetter {
public:
    UtcTime Now() const override { return SystemUtcNow(); }
    void Step(std::int64_t, std::function<void(const SetOutcome&)> done) override {
        done({false, "test"});
    }
};

// Starts the live program as main() does, with the clock guarded.
inline void StartGuarded(LiveProgram& live, const std::vector<std::string>& commandWords = {}) {
    live.clock.makeSetter = [] { return std::make_unique<RefusingClockSetter>(); };
    live.program.FormLoad(commandWords);
}

} // namespace trumbel::test
