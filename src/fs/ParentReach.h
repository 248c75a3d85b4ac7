#pragma once

#include "fs/FsCalls.h"
#include "fs/RemovalOutcome.h"
#include "fs/Types.h"
#include "fs/UniqueFd.h"

#include <optional>
#include <string>
#include <vector>

namespace dovrel {

// The folder holding a location below the home, reached from a descriptor of
// the home one real folder at a time (no symbolic link followed), each on the
// mount of the one above: a mount anywhere on the way (a bind mount at .Trash,
// say) would lead outside the home. The home itself may be a mount. Both the
// removal and the move into the Trash go this way.
struct ParentReach {
    UniqueFd owned;         // the parent, when it lies below the home
    int fd = -1;            // the parent's descriptor (the home's, borrowed, for a location in it)
    FsCalls::Status status; // the parent, as reached

    // `parts`: the location's components below the home (at least one).
    // Nothing when the parent is reached; else what becomes of the location:
    // AlreadyGone (a folder on the way is missing), Changed (one is a link or
    // not a folder), Refused (one is a mount point) or Failed.
    std::optional<RemovalOutcome> reach(FsCalls& calls, int homefd, const std::vector<std::string>& parts,
                                        const Location& location);
};

} // namespace dovrel
