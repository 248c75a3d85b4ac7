#pragma once

#include "engine/CleanerItem.h"
#include "fs/Types.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace dovrel {

// What removing a set of found locations frees, each byte counted once.
//
// Found entries may overlap: an installer package found inside another
// package, a location named by two leftover groups or two categories.
// Removing the outer location removes the inner one with it, so a location
// that lies inside another of the set, or comes a second time, adds nothing.
//
// `sizes` holds what the scan measured for every location it reported
// (Cleaner::scanned_sizes); an entry none of whose locations overlap counts
// its own size, so totals agree with the rows.
class SelectionSize {
public:
    using Sizes = std::unordered_map<std::string, ByteCount>;

    static ByteCount of(const std::vector<const ResultEntry*>& entries, const Sizes& sizes);
    static ByteCount ofLocations(const std::vector<Location>& locations, const Sizes& sizes);
    // The sum of the entries' sizes less of(): what they count twice.
    static ByteCount overlap(const std::vector<const ResultEntry*>& entries, const Sizes& sizes);
};

} // namespace dovrel
