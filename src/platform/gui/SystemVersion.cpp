#include "platform/gui/SystemVersion.h"

#include <atomic>

namespace dovrel {

namespace {

// Packed major * 1000 + minor; -1 = no override.
std::atomic<int> g_override{-1};

} // namespace

bool SystemVersion::isAtLeast(int major, int minor) {
    const int pinned = g_override.load(std::memory_order_relaxed);
    if (pinned < 0)
        return true;
    return pinned >= major * 1000 + minor;
}

void SystemVersion::setOverride(std::optional<Version> version) {
    g_override.store(version ? version->major * 1000 + version->minor : -1, std::memory_order_relaxed);
}

} // namespace dovrel
