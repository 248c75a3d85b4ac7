#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace dovrel {

// The capacity of the file system a location is on, as the volume capacity
// keys of a URL's resource values give it: total bytes and bytes available
// to this (unprivileged) user. Both 0 when the location cannot be examined.
struct VolumeCapacity {
    std::uint64_t total = 0;
    std::uint64_t available = 0;

    // statvfs() of the location (following a link to a folder).
    static VolumeCapacity of(const std::filesystem::path& location);

    // (total - available) / total in single precision, clamped to 0..1;
    // nullopt when the total is 0 (the capacities could not be read), so
    // that no made-up fraction is ever shown.
    std::optional<float> usedFraction() const;
};

} // namespace dovrel
