#include "fs/SizeMemo.h"

#include "fs/ParallelSizeWalk.h"
#include "fs/PathOps.h"
#include "fs/SizeAccounting.h"

#include <sys/stat.h>

namespace dovrel {

ByteCount SizeMemo::folderSize(const Location& folder) {
    {
        std::lock_guard lock(mutex_);
        auto it = folders_.find(folder.native());
        if (it != folders_.end())
            return it->second;
    }
    const ByteCount n = ParallelSizeWalk::total(folder, pool_);
    std::lock_guard lock(mutex_);
    folders_.emplace(folder.native(), n);
    return n;
}

ByteCount SizeMemo::locationSize(const Location& location) {
    {
        std::lock_guard lock(mutex_);
        auto it = locations_.find(location.native());
        if (it != locations_.end())
            return it->second;
    }
    // A real folder is measured by its walk, shared with folderSize.
    struct stat own {};
    ByteCount n = 0;
    if (PathOps::status(location, own, false) && S_ISDIR(own.st_mode))
        n = folderSize(location);
    else
        n = SizeAccounting::sizeOfLocation(location);
    std::lock_guard lock(mutex_);
    locations_.emplace(location.native(), n);
    return n;
}

template <typename Measure>
std::vector<ByteCount> SizeMemo::each(const std::vector<Location>& locations, Measure measure) {
    // One location after another: every folder walk already uses all threads.
    std::vector<ByteCount> sizes;
    sizes.reserve(locations.size());
    for (const Location& l : locations)
        sizes.push_back(measure(l));
    return sizes;
}

std::vector<ByteCount> SizeMemo::locationSizes(const std::vector<Location>& locations) {
    return each(locations, [this](const Location& l) { return locationSize(l); });
}

std::vector<ByteCount> SizeMemo::folderSizes(const std::vector<Location>& folders) {
    return each(folders, [this](const Location& l) { return folderSize(l); });
}

ByteCount SizeMemo::overall_size_of_files(const std::vector<Location>& locations) {
    ByteCount total = 0;
    for (ByteCount n : locationSizes(locations))
        total += n;
    return total;
}

} // namespace dovrel
