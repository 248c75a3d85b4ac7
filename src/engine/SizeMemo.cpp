#include "engine/SizeMemo.h"

#include "engine/PathOps.h"
#include "engine/SizeAccounting.h"

#include <sys/stat.h>

#include <atomic>
#include <thread>

namespace dovrel {

ByteCount SizeMemo::folderSize(const Location& folder) {
    {
        std::lock_guard lock(mutex_);
        auto it = folders_.find(folder.native());
        if (it != folders_.end())
            return it->second;
    }
    const ByteCount n = SizeAccounting::overall_size_of_direcory(folder);
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
std::vector<ByteCount> SizeMemo::parallel(const std::vector<Location>& locations, Measure measure) {
    std::vector<ByteCount> sizes(locations.size(), 0);
    const std::size_t workers = std::min<std::size_t>(static_cast<std::size_t>(threads_), locations.size());
    if (workers <= 1) {
        for (std::size_t i = 0; i < locations.size(); ++i)
            sizes[i] = measure(locations[i]);
        return sizes;
    }
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next.fetch_add(1); i < locations.size(); i = next.fetch_add(1))
            sizes[i] = measure(locations[i]);
    };
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < workers; ++t)
        pool.emplace_back(work);
    work();
    for (auto& t : pool)
        t.join();
    return sizes;
}

std::vector<ByteCount> SizeMemo::locationSizes(const std::vector<Location>& locations) {
    return parallel(locations, [this](const Location& l) { return locationSize(l); });
}

std::vector<ByteCount> SizeMemo::folderSizes(const std::vector<Location>& folders) {
    return parallel(folders, [this](const Location& l) { return folderSize(l); });
}

ByteCount SizeMemo::overall_size_of_files(const std::vector<Location>& locations) {
    ByteCount total = 0;
    for (ByteCount n : locationSizes(locations))
        total += n;
    return total;
}

} // namespace dovrel
