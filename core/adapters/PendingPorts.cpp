#include "PendingPorts.h"

#include <cstdio>

namespace trumbel {

void ReportNotBuilt(const char* what, bool& reported) {
    if (reported) {
        return;
    }
    reported = true;
    std::fprintf(stderr, "trumbel: %s is not available in this build\n", what);
}

} // namespace trumbel
