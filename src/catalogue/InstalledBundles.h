#pragma once

#include "fs/Types.h"

#include <string_view>
#include <vector>

namespace dovrel {

// Every application bundle below one folder, for deciding what is installed.
//
// Wider than the catalogue's own pass, because a bundle missed here lets the
// leftovers scan offer an installed application's data for removal: every
// level down to kMaxDepth is looked at, hidden items included, bundles are
// entered (helpers and login items inside an application count), and a name
// ending in ".app" in any case is a bundle. The folder itself is opened as
// named (a symbolic link to it is followed, as the catalogue's listings do);
// no link inside it is ever entered, so the walk stays within the folder and
// cannot loop. A bundle that is itself a link is reported like any other.
// Unreadable folders are passed over. Thread-safe (no shared state).
class InstalledBundles {
public:
    // Levels looked at: 1 is the folder's own items.
    static constexpr int kMaxDepth = 8;

    static bool isBundleName(std::string_view name);

    // The bundles below `folder`, in walk order.
    static std::vector<Location> below(const Location& folder);
};

} // namespace dovrel
