#pragma once

#include "fs/Types.h"

namespace dovrel {

// A place the scan left out on purpose, so the user can be told why it is
// not in the results.
struct SkippedPlace {
    enum class Why {
        // A folder on the way to a category's folder is a symbolic link:
        // what lies behind it is not the home's, and removal would refuse it.
        LinkOnTheWay,
        // A trashed item whose .trashinfo is a folder, a link or the like:
        // the two go together or not at all, and that one is not ours.
        TrashInfoNotAFile,
    };
    Location location;
    Why why;

    bool operator==(const SkippedPlace&) const = default;
};

} // namespace dovrel
