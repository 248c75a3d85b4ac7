#include "engine/SelectionSize.h"

#include "engine/HandOver.h"

#include <string_view>
#include <unordered_set>

namespace dovrel {

namespace {

// The locations of a selection, each known by its bytes, for asking whether
// one lies inside another.
class LocationSet {
public:
    void add(const Location& l) { all_.insert(l.native()); }

    // True when a folder holding `path` is in the set.
    bool hasAncestorOf(std::string_view path) const {
        while (true) {
            const std::size_t slash = path.find_last_of('/');
            if (slash == std::string_view::npos || slash == 0)
                return slash == 0 && path.size() > 1 && all_.count("/");
            path = path.substr(0, slash);
            if (all_.count(std::string(path)))
                return true;
        }
    }

private:
    std::unordered_set<std::string> all_;
};

ByteCount sizeOf(const Location& l, const SelectionSize::Sizes& sizes) {
    const auto it = sizes.find(l.native());
    return it == sizes.end() ? 0 : it->second;
}

} // namespace

ByteCount SelectionSize::of(const std::vector<const ResultEntry*>& entries, const Sizes& sizes) {
    LocationSet set;
    std::vector<std::vector<Location>> locations;
    locations.reserve(entries.size());
    for (const ResultEntry* e : entries) {
        locations.push_back(HandOver::locationsOf(*e));
        for (const Location& l : locations.back())
            set.add(l);
    }
    std::unordered_set<std::string> counted;
    ByteCount total = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        bool whole = true;
        ByteCount own = 0;
        for (const Location& l : locations[i]) {
            if (set.hasAncestorOf(l.native()) || !counted.insert(l.native()).second) {
                whole = false;
                continue;
            }
            own += sizeOf(l, sizes);
        }
        // Nothing shared: the entry's own figure, as its row shows it.
        total += whole ? HandOver::sizeOf(*entries[i]) : own;
    }
    return total;
}

ByteCount SelectionSize::ofLocations(const std::vector<Location>& locations, const Sizes& sizes) {
    LocationSet set;
    for (const Location& l : locations)
        set.add(l);
    std::unordered_set<std::string> counted;
    ByteCount total = 0;
    for (const Location& l : locations)
        if (!set.hasAncestorOf(l.native()) && counted.insert(l.native()).second)
            total += sizeOf(l, sizes);
    return total;
}

ByteCount SelectionSize::overlap(const std::vector<const ResultEntry*>& entries, const Sizes& sizes) {
    ByteCount sum = 0;
    for (const ResultEntry* e : entries)
        sum += HandOver::sizeOf(*e);
    return sum - of(entries, sizes);
}

} // namespace dovrel
