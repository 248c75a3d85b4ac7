#pragma once

#include "fs/Types.h"
#include "fs/WalkPool.h"

#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace dovrel {

// Folder and location totals remembered for the length of one smart scan, so
// that a location measured by two categories is walked once. Never kept
// between scans. Each folder is walked on `threads` threads, the same ones for
// every folder (one WalkPool per memo, so one per scan). Thread-safe.
class SizeMemo {
public:
    explicit SizeMemo(int threads = 2) : pool_(threads) {}

    // As SizeAccounting::overall_size_of_direcory / sizeOfLocation.
    ByteCount folderSize(const Location& folder);
    ByteCount locationSize(const Location& location);

    // The sizes of many locations (each as sizeOfLocation), in list order.
    std::vector<ByteCount> locationSizes(const std::vector<Location>& locations);
    std::vector<ByteCount> folderSizes(const std::vector<Location>& folders);

    ByteCount overall_size_of_files(const std::vector<Location>& locations);

private:
    template <typename Measure>
    std::vector<ByteCount> each(const std::vector<Location>& locations, Measure measure);

    WalkPool pool_;
    std::mutex mutex_;
    std::unordered_map<std::string, ByteCount> folders_;
    std::unordered_map<std::string, ByteCount> locations_;
};

} // namespace dovrel
