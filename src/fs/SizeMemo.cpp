#include "fs/SizeMemo.h"

#include "fs/ParallelSizeWalk.h"
#include "fs/PathOps.h"

#include <sys/stat.h>

namespace dovrel {

namespace {

int baseThreads(int threads) {
    return threads > 0 ? threads : WalkPool::machineThreads();
}

int mostThreads(int threads) {
    return threads > 0 ? threads : WalkPool::kMaxInFlight;
}

} // namespace

SizeMemo::SizeMemo(int threads) : pool_(baseThreads(threads), mostThreads(threads)) {}

SizeMemo::Look SizeMemo::look(const Location& location) {
    {
        std::lock_guard lock(mutex_);
        auto it = looks_.find(location.native());
        if (it != looks_.end())
            return it->second;
    }
    Look l;
    struct stat own {};
    if (!location.empty() && PathOps::status(location, own, false)) {
        l.present = true;
        l.identity = FileIdentity::of(own);
        l.size = static_cast<ByteCount>(own.st_size);
        // Only a link needs a second look, to tell whether it leads anywhere.
        l.exists = !S_ISLNK(own.st_mode) || PathOps::exists(location);
    }
    std::lock_guard lock(mutex_);
    looks_.emplace(location.native(), l);
    return l;
}

std::vector<std::optional<ByteCount>> SizeMemo::measure(const std::vector<Location>& locations, Rule rule) {
    std::vector<std::optional<ByteCount>> sizes(locations.size());
    std::vector<ParallelSizeWalk::Root> roots;
    std::vector<std::size_t> rootOf; // index into `locations` of each root
    for (std::size_t i = 0; i < locations.size(); ++i) {
        const Look l = look(locations[i]);
        const bool folder = l.present && l.identity.type == S_IFDIR;
        if (rule == Rule::Location && !l.exists)
            continue; // absent: measures 0
        if (!folder) {
            // A link counts as itself, a file its size; the folder rule counts
            // neither.
            sizes[i] = rule == Rule::Location ? l.size : 0;
            continue;
        }
        if (auto known = folders_.find(l.identity.device, l.identity.inode)) {
            sizes[i] = known->total;
            continue;
        }
        roots.push_back({locations[i], l.identity});
        rootOf.push_back(i);
    }
    if (!roots.empty()) {
        const std::vector<ByteCount> totals =
            ParallelSizeWalk::totals(roots, pool_, &folders_, nullptr, marks_);
        for (std::size_t r = 0; r < roots.size(); ++r)
            sizes[rootOf[r]] = totals[r];
    }
    if (rule == Rule::Folder)
        for (auto& s : sizes)
            if (!s)
                s = 0;
    return sizes;
}

ByteCount SizeMemo::folderSize(const Location& folder) {
    return folderSizes({folder}).front();
}

ByteCount SizeMemo::locationSize(const Location& location) {
    return locationSizes({location}).front();
}

std::vector<ByteCount> SizeMemo::locationSizes(const std::vector<Location>& locations) {
    std::vector<ByteCount> out;
    out.reserve(locations.size());
    for (const auto& s : measure(locations, Rule::Location))
        out.push_back(s.value_or(0));
    return out;
}

std::vector<ByteCount> SizeMemo::folderSizes(const std::vector<Location>& folders) {
    std::vector<ByteCount> out;
    out.reserve(folders.size());
    for (const auto& s : measure(folders, Rule::Folder))
        out.push_back(s.value_or(0));
    return out;
}

std::vector<std::optional<ByteCount>> SizeMemo::existingSizes(const std::vector<Location>& locations) {
    return measure(locations, Rule::Location);
}

ByteCount SizeMemo::overall_size_of_files(const std::vector<Location>& locations) {
    ByteCount total = 0;
    for (ByteCount n : locationSizes(locations))
        total += n;
    return total;
}

bool SizeMemo::measuredWithoutMarks(std::uint64_t device, std::uint64_t inode) const {
    const auto known = folders_.find(device, inode);
    return marks_ && known && !known->marked;
}

std::optional<FileIdentity> SizeMemo::identityOf(const Location& location) {
    const Look l = look(location);
    if (!l.present)
        return std::nullopt;
    return l.identity;
}

} // namespace dovrel
