#include "fs/FolderTotals.h"

namespace dovrel {

std::optional<FolderTotals::Measured> FolderTotals::find(std::uint64_t device, std::uint64_t inode) const {
    if (!any_.load(std::memory_order_relaxed))
        return std::nullopt;
    std::lock_guard lock(mutex_);
    const auto it = totals_.find(FolderKey{device, inode});
    if (it == totals_.end())
        return std::nullopt;
    return it->second;
}

void FolderTotals::record(std::uint64_t device, std::uint64_t inode, Measured measured) {
    std::lock_guard lock(mutex_);
    totals_.insert_or_assign(FolderKey{device, inode}, measured);
    any_.store(true, std::memory_order_relaxed);
}

} // namespace dovrel
