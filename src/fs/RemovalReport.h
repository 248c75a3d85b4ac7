#pragma once

#include "fs/RemovalOutcome.h"
#include "fs/Types.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace dovrel {

// The result of one removal run: one outcome per request, in request order,
// and the totals of what was actually removed (also for locations that were
// removed only in part).
struct RemovalReport {
    std::vector<RemovalOutcome> outcomes;
    std::int64_t itemsRemoved = 0;
    ByteCount bytesFreed = 0;        // really freed: removed for good
    ByteCount bytesMovedToTrash = 0; // freed once the Trash is emptied

    // Every location is removed or was already gone.
    bool allDone() const {
        return std::all_of(outcomes.begin(), outcomes.end(),
                           [](const RemovalOutcome& o) { return o.done(); });
    }
};

} // namespace dovrel
