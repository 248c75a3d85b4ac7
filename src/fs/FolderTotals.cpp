#include "fs/FolderTotals.h"

namespace dovrel {

std::optional<FolderTotals::Measured> FolderTotals::find(std::uint64_t device, std::uint64_t inode) const {
    if (empty())
        return std::nullopt;
    std::lock_guard lock(mutex_);
    const auto it = totals_.find(Key{device, inode});
    if (it == totals_.end())
        return std::nullopt;
    return it->second;
}

void FolderTotals::record(std::uint64_t device, std::uint64_t inode, Measured measured) {
    std::lock_guard lock(mutex_);
    totals_.insert_or_assign(Key{device, inode}, measured);
    count_.store(totals_.size(), std::memory_order_relaxed);
}

} // namespace dovrel
