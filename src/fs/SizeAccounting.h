#pragma once

#include "fs/Types.h"

#include <vector>

namespace dovrel {

// The counting rule behind every size the product shows.
//
// A folder's size is the sum of the logical sizes of everything below it, at
// every depth, hidden items and bundle contents included, symbolic links
// counted as links (never followed), unreadable or vanishing items as 0, hard
// links every time they are met.
class SizeAccounting {
public:
    // Sum over the locations in order: a missing one (existence follows links)
    // adds 0, a folder its walk, anything else its own size. A location that is
    // itself a symbolic link counts as the link (its own size): removing it
    // frees only the link. Duplicates are counted each time.
    static ByteCount overall_size_of_files(const std::vector<Location>& locations);

    // The walk of one folder, no existence test: a missing location, a plain
    // file or a symbolic link gives 0.
    static ByteCount overall_size_of_direcory(const Location& folder);

    // The measure of one location as overall_size_of_files takes it.
    static ByteCount sizeOfLocation(const Location& location);
};

} // namespace dovrel
