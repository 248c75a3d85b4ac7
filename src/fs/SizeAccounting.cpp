#include "fs/SizeAccounting.h"

#include "fs/FolderWalk.h"
#include "fs/PathOps.h"

#include <sys/stat.h>

namespace dovrel {

ByteCount SizeAccounting::sizeOfLocation(const Location& location) {
    if (location.empty())
        return 0;
    struct stat followed {};
    if (!PathOps::status(location, followed, true))
        return 0; // does not exist (a dangling link included)
    struct stat own {};
    if (!PathOps::status(location, own, false))
        return 0;
    if (S_ISLNK(own.st_mode))
        return static_cast<ByteCount>(own.st_size);
    if (S_ISDIR(own.st_mode))
        return FolderWalk::totalSize(location);
    return static_cast<ByteCount>(own.st_size);
}

ByteCount SizeAccounting::overall_size_of_files(const std::vector<Location>& locations) {
    ByteCount total = 0;
    for (const Location& l : locations)
        total += sizeOfLocation(l);
    return total;
}

ByteCount SizeAccounting::overall_size_of_direcory(const Location& folder) {
    if (folder.empty())
        return 0;
    return FolderWalk::totalSize(folder);
}

} // namespace dovrel
