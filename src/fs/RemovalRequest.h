#pragma once

#include "fs/FileIdentity.h"
#include "fs/Types.h"

#include <optional>

namespace dovrel {

// One location chosen for removal, with the identity the scan saw for it.
// When the identity is present the location is removed only if the entry at
// that path is still the same one (device, inode, type).
struct RemovalRequest {
    Location location;
    std::optional<FileIdentity> identity;
};

} // namespace dovrel
