#include "layout/InstalledNames.h"

#include "fs/DirectoryListing.h"
#include "fs/PathOps.h"

#include <cerrno>
#include <sys/stat.h>

namespace dovrel {

InstalledNames InstalledNames::read(const Location& folder) {
    InstalledNames result;
    if (auto listed = DirectoryListing::listIfReadable(folder, true)) {
        result.state_ = State::Listed;
        for (const auto& e : *listed)
            result.names_.insert(e.name);
        return result;
    }
    // Only a folder that is certainly not there counts as empty.
    struct stat st {};
    const bool missing = !PathOps::status(folder, st, true) && errno == ENOENT;
    result.state_ = missing ? State::Absent : State::Unreadable;
    return result;
}

} // namespace dovrel
