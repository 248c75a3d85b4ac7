#pragma once

#include "fs/Types.h"

#include <atomic>
#include <cstdint>

namespace dovrel {

// Running totals of a removal, added to by the removing threads (in batches
// of a few dozen entries) with relaxed atomics and meant to be polled (e.g. on
// a GUI timer) from any thread. Exact once remove() has returned.
struct RemovalProgress {
    std::atomic<std::int64_t> itemsRemoved{0};
    std::atomic<ByteCount> bytesFreed{0};

    void reset() {
        itemsRemoved.store(0, std::memory_order_relaxed);
        bytesFreed.store(0, std::memory_order_relaxed);
    }
    void add(std::int64_t items, ByteCount bytes) {
        itemsRemoved.fetch_add(items, std::memory_order_relaxed);
        bytesFreed.fetch_add(bytes, std::memory_order_relaxed);
    }
};

} // namespace dovrel
