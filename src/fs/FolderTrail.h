#pragma once

#include "fs/FileIdentity.h"
#include "fs/FsCalls.h"

#include <cstddef>
#include <vector>

namespace dovrel {

// The open folders from the root of a walk down to the folder being worked
// in, one step per depth: the one descriptor budget and the one verified way
// back up that every folder walk (sizes, listings, removal) uses.
//
//   step 0 (root, always open) ─▶ 1 ─▶ 2 ─▶ … ─▶ top (always open)
//              closed when the budget is spent ┘    │
//                   ▲                                │
//                   └── openat(top, "..") ◀──────────┘ verified: device + inode
//
// Deeper than `maxOpen` steps, the shallowest open step below the root is
// closed; a closed step is reopened from the step below it through "..",
// which must be the folder recorded on the way down, or the walk has to stop
// (the tree moved under it). Opening a child that fails with EMFILE/ENFILE
// closes the shallowest open step and tries again. Every call goes through
// the FsCalls seam.
class FolderTrail {
public:
    // `maxOpen` (at least 2) bounds the descriptors the trail holds; a child
    // just opened but not yet pushed is one more.
    FolderTrail(FsCalls& calls, int maxOpen) : calls_(calls), maxOpen_(maxOpen < 2 ? 2 : maxOpen) {}
    FolderTrail(const FolderTrail&) = delete;
    FolderTrail& operator=(const FolderTrail&) = delete;
    ~FolderTrail() { clear(); }

    // Adds a step holding `fd` (taken over) for the folder `identity`; the
    // first step is the root. Past the budget the shallowest step is closed.
    void push(int fd, const FileIdentity& identity);
    // Closes and forgets the deepest step.
    void pop();
    void clear();

    std::size_t size() const { return steps_.size(); }
    bool empty() const { return steps_.empty(); }
    // The step's descriptor, -1 while it is closed.
    int fd(std::size_t step) const { return steps_[step].fd; }
    int top() const { return steps_.back().fd; }
    const FileIdentity& identity(std::size_t step) const { return steps_[step].identity; }

    // Opens the folder `name` of the deepest step for listing (no link
    // followed). On EMFILE/ENFILE, closes the shallowest step and retries.
    // Returns -1 with errno set.
    int openChild(const char* name);

    enum class Reentry { Open, Reopened, Failed, Moved };
    // Makes the step above the deepest open again if it was closed, from the
    // deepest step's "..", and checks it is the folder recorded on the way
    // down. Failed (errno set) when ".." cannot be opened; Moved when it is
    // another folder (nothing is then kept open of it).
    Reentry reopenParent();

    // Closes the shallowest open step between the root and the deepest step;
    // false when there is none.
    bool closeShallowest();

private:
    struct Step {
        int fd = -1;
        FileIdentity identity;
    };

    FsCalls& calls_;
    const int maxOpen_;
    std::vector<Step> steps_;
    std::size_t openFrom_ = 1; // steps [1, openFrom_) are closed; the root never is
    int open_ = 0;
};

} // namespace dovrel
