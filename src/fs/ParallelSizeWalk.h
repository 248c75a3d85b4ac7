#pragma once

#include "fs/FileIdentity.h"
#include "fs/Types.h"

#include <string_view>
#include <vector>

namespace dovrel {

class FolderTotals;
class Syscalls;
class WalkPool;

// The folder walk of SizeAccounting on several threads: the same totals, by
// the same rules (links never followed, nothing but folders opened, unreadable
// and vanishing items 0), found sooner on a large tree.
//
//   roots ──open──▶ [ folder fds ] ◀──push── subfolders found
//                        │ pop
//                     workers: list a folder, stat its non-folders
//
// Several roots are walked as one walk, so the threads stay busy across many
// small locations. Every worker reads a folder, stats its non-folders and
// queues its subfolders as open descriptors. The queue is bounded; past the
// bound a worker measures the subfolder itself with the sequential,
// descriptor-bounded walk, so the number of open descriptors stays bounded
// however the tree is shaped. A worker that runs out of descriptors (EMFILE)
// reads a queued folder itself before it tries again. A worker that keeps
// waiting on the disk asks the pool for one more thread. All calls go through
// the Syscalls seam.
//
// With a FolderTotals memo, the total of each folder walked through the queue
// is recorded under its device and inode, and a subfolder already recorded
// (or one of the other roots) is taken from there instead of being walked
// again; its identity is checked by a stat first. A folder whose own "."
// entry disagrees with the inode its parent lists for it (a mount point, a
// file system that numbers them differently) is walked but not recorded,
// nor is anything below it. With the total goes whether a name `marks`
// accepts lies below through folders that are not hidden (always so below a
// folder measured past the queue bound, which is not looked at that closely).
class ParallelSizeWalk {
public:
    using NameMark = bool (*)(std::string_view name);

    struct Root {
        Location folder;       // opened without following a link in its last part
        FileIdentity identity; // as a stat of `folder` gave it
    };

    // Total logical size below `folder` (0 for a link, a file, or a missing
    // path). `threads` includes the calling thread. `calls` is the seam (null
    // for the real system calls).
    static ByteCount total(const Location& folder, int threads, Syscalls* calls = nullptr);
    // The same on the threads of `pool` (those of one scan).
    static ByteCount total(const Location& folder, WalkPool& pool, Syscalls* calls = nullptr);
    // The totals of several folders (in order; 0 for one that cannot be
    // opened as a folder), walked together, recorded into and reused from
    // `memo` when given.
    static std::vector<ByteCount> totals(const std::vector<Root>& roots, WalkPool& pool, FolderTotals* memo,
                                         Syscalls* calls = nullptr, NameMark marks = nullptr);
};

} // namespace dovrel
