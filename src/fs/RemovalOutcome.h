#pragma once

#include "fs/Types.h"

#include <cstdint>
#include <string>

namespace dovrel {

// What became of one requested location.
struct RemovalOutcome {
    enum class Status {
        Removed,     // the location and everything in it are gone
        AlreadyGone, // nothing was there any more (counts as done)
        Changed,     // not the entry the scan saw, or something was swapped or moved
                     // while it was being removed; nothing outside it was touched
        Refused,     // never removable: home itself, outside home, a fixed folder, a mount
        Failed,      // some of it could not be removed (reason: the first error)
        Cancelled,   // the removal was cancelled before or while this location was removed
    };

    Location location;
    Status status = Status::Failed;
    std::string reason;        // empty for Removed; else why, errno text where there is one
    std::int64_t items = 0;    // entries removed (files, links, folders, the location itself)
    ByteCount bytes = 0;       // logical sizes of the removed non-folders
    bool movedToTrash = false; // Removed into the Trash: `bytes` are freed only when it is emptied

    // Removed or AlreadyGone.
    bool done() const { return status == Status::Removed || status == Status::AlreadyGone; }
};

} // namespace dovrel
