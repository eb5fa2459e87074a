#include "platform/Desktop.h"

namespace trumbel {

std::optional<TaskbarPosition> TaskbarFromWorkArea(const Rect& screen, const Rect& work) {
    struct Cut {
        int size;
        TaskbarPosition position;
    };
    const Cut cuts[] = {
        {work.left - screen.left, {TaskbarEdge::Left, work.left}},
        {work.top - screen.top, {TaskbarEdge::Top, work.top}},
        {screen.right - work.right, {TaskbarEdge::Right, work.right}},
        {screen.bottom - work.bottom, {TaskbarEdge::Bottom, work.bottom}},
    };
    const Cut* best = nullptr;
    for (const Cut& c : cuts) {
        if (c.size > 0 && (!best || c.size > best->size)) {
            best = &c;
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return best->position;
}

} // namespace trumbel
