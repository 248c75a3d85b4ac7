#pragma once

#include "fs/FileIdentity.h"
#include "fs/FolderTotals.h"
#include "fs/ParallelSizeWalk.h"
#include "fs/Types.h"
#include "fs/WalkPool.h"

#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dovrel {

// Everything one smart scan has measured, so that each location is looked at
// once and each folder walked once, whichever categories and sources ask: one
// stat per location asked for (its own, a link not followed; a link's target
// only to tell whether it leads anywhere), and the total below every folder
// walked, by device and inode, reused for a location inside another or
// reached by another path. Never kept between scans. The folders asked for at
// once are walked together on the memo's threads (one WalkPool per memo, so
// one per scan). Thread-safe.
class SizeMemo {
public:
    // `threads` as WalkPool's; 0 picks them from the machine.
    explicit SizeMemo(int threads = 2);

    // As SizeAccounting::overall_size_of_direcory / sizeOfLocation.
    ByteCount folderSize(const Location& folder);
    ByteCount locationSize(const Location& location);

    // The sizes of many locations (each as sizeOfLocation), in list order.
    std::vector<ByteCount> locationSizes(const std::vector<Location>& locations);
    std::vector<ByteCount> folderSizes(const std::vector<Location>& folders);
    // The same as locationSizes, absent for a location that does not exist
    // (existence follows a link, as sizeOfLocation's does).
    std::vector<std::optional<ByteCount>> existingSizes(const std::vector<Location>& locations);

    ByteCount overall_size_of_files(const std::vector<Location>& locations);

    // Who is at `location` as this scan saw it (a link not followed); absent
    // when nothing is.
    std::optional<FileIdentity> identityOf(const Location& location);

    int threads() const { return pool_.threads(); }

    // Names a later search of this scan looks for (before anything is
    // measured): each folder walked remembers whether one lies below it.
    void markNames(ParallelSizeWalk::NameMark marks) { marks_ = marks; }
    // The folder (device and inode as a listing gives them) was measured and
    // holds no marked name below it through folders that are not hidden.
    bool measuredWithoutMarks(std::uint64_t device, std::uint64_t inode) const;

private:
    // One look at a location.
    struct Look {
        bool present = false; // lstat found something
        bool exists = false;  // ...that is not a dangling link
        FileIdentity identity;
        ByteCount size = 0; // its own st_size
    };
    enum class Rule { Location, Folder };

    Look look(const Location& location);
    std::vector<std::optional<ByteCount>> measure(const std::vector<Location>& locations, Rule rule);

    WalkPool pool_;
    FolderTotals folders_;
    ParallelSizeWalk::NameMark marks_ = nullptr;
    std::mutex mutex_;
    std::unordered_map<std::string, Look> looks_;
};

} // namespace dovrel
