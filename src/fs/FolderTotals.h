#pragma once

#include "fs/Types.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace dovrel {

// A folder as the file system numbers it.
struct FolderKey {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FolderKey&) const = default;
};

struct FolderKeyHash {
    std::size_t operator()(const FolderKey& k) const {
        return std::hash<std::uint64_t>()(k.inode * 0x9e3779b97f4a7c15ULL ^ k.device);
    }
};

// The total below every folder one scan has measured, by device and inode, so
// that a folder met again (a location inside one already measured, or the same
// folder reached by another path) is never walked twice. With each total goes
// whether a name the scan looks for lies below (see ParallelSizeWalk), so that
// a search for such names need not list that folder again. Thread-safe.
class FolderTotals {
public:
    struct Measured {
        ByteCount total = 0;
        bool marked = true; // a sought name may lie below, through folders that are not hidden
        bool operator==(const Measured&) const = default;
    };

    std::optional<Measured> find(std::uint64_t device, std::uint64_t inode) const;
    void record(std::uint64_t device, std::uint64_t inode, Measured measured);

private:
    mutable std::mutex mutex_;
    std::unordered_map<FolderKey, Measured, FolderKeyHash> totals_;
    std::atomic<bool> any_{false}; // lets a walk without a memo yet skip the lock
};

} // namespace dovrel
