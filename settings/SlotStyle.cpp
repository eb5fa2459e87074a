#include "settings/SlotStyle.h"

#include "base/RuntimeError.h"

namespace trumbel {

void SetSlotStyle(Settings& settings, const StandardStyles& standard, int c, int s, int style,
                  StyleSet mode) {
    if (c < 0 || c >= kContainerCount || s < 0 || s >= kSlotCount) {
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
    std::int16_t& graph = settings.graphStyle[c][s];
    std::int16_t& digit = settings.digitStyle[c][s];
    if ((graph == 0 || graph == 3) && mode != StyleSet::Force) {
        return;
    }
    if (style != 0 && style != 3) {
        graph = CheckedInt16(11 * style);
        digit = CheckedInt16(10 * (3 - 3 * (style / 3)));
        return;
    }
    const int kind = settings.kind[c][s];
    if (kind < 0 || kind >= kItemKindCount) {
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
    const int std = standard[kind];
    graph = CheckedInt16(10 * std);
    digit = CheckedInt16(10 * (3 - 3 * (std / 3)));
}

} // namespace trumbel
