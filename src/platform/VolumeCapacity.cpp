#include "platform/VolumeCapacity.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <cerrno>

namespace dovrel {

VolumeCapacity VolumeCapacity::of(const std::filesystem::path& location) {
    struct statvfs vfs {};
    int rc = 0;
    do {
        rc = ::statvfs(location.c_str(), &vfs);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0)
        return {};
    const std::uint64_t unit = vfs.f_frsize != 0 ? vfs.f_frsize : vfs.f_bsize;
    return {static_cast<std::uint64_t>(vfs.f_blocks) * unit, static_cast<std::uint64_t>(vfs.f_bavail) * unit};
}

std::optional<float> VolumeCapacity::usedFraction() const {
    if (total == 0)
        return std::nullopt;
    const float used =
        (static_cast<float>(total) - static_cast<float>(available)) / static_cast<float>(total);
    return std::clamp(used, 0.0f, 1.0f);
}

} // namespace dovrel
