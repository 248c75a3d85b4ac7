#pragma once

#include "fs/Types.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace dovrel {

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
    bool empty() const { return count_.load(std::memory_order_relaxed) == 0; }
    std::size_t size() const { return count_.load(std::memory_order_relaxed); }

private:
    struct Key {
        std::uint64_t device;
        std::uint64_t inode;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return std::hash<std::uint64_t>()(k.inode * 0x9e3779b97f4a7c15ULL ^ k.device);
        }
    };

    mutable std::mutex mutex_;
    std::unordered_map<Key, Measured, KeyHash> totals_;
    std::atomic<std::size_t> count_{0};
};

} // namespace dovrel
