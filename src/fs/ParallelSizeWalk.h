#pragma once

#include "fs/Types.h"

namespace dovrel {

class Syscalls;
class WalkPool;

// The folder walk of SizeAccounting on several threads: the same total, by
// the same rules (links never followed, nothing but folders opened, unreadable
// and vanishing items 0), found sooner on a large tree.
//
//   workers ──pop──▶ [ folder fds ] ◀──push── subfolders found
//
// Every worker reads a folder, stats its non-folders and queues its
// subfolders as open descriptors. The queue is bounded; past the bound a
// worker measures the subfolder itself with the sequential, descriptor-bounded
// walk, so the number of open descriptors stays bounded however the tree is
// shaped. A worker that runs out of descriptors (EMFILE) reads a queued folder
// itself before it tries again. All calls go through the Syscalls seam.
class ParallelSizeWalk {
public:
    // Total logical size below `folder` (0 for a link, a file, or a missing
    // path). `threads` includes the calling thread. `calls` is the seam (null
    // for the real system calls).
    static ByteCount total(const Location& folder, int threads, Syscalls* calls = nullptr);
    // The same on the threads of `pool` (those of one scan).
    static ByteCount total(const Location& folder, WalkPool& pool, Syscalls* calls = nullptr);
};

} // namespace dovrel
