#pragma once

#include "engine/CleanerItem.h"
#include "fs/RemovalRequest.h"
#include "fs/Types.h"

#include <QString>

#include <functional>
#include <vector>

namespace dovrel {

class Cleaner;

// The list of locations a selection of scan results hands to the cleanup, in
// the results screen's order: categories in CategoryTable order; caches give
// each item's url, logs/installs/trash
// each file's url, remainders and the browser and mail sources every location
// of their files.
class HandOver {
public:
    // The locations one entry stands for.
    static std::vector<Location> locationsOf(const ResultEntry& entry);
    static ByteCount sizeOf(const ResultEntry& entry);

    // The category results of a scan, in CategoryTable order (null when the
    // scan has not run).
    static std::vector<std::shared_ptr<CleanerItem>> categories(const Cleaner& cleaner);

    // Every location of the selected entries, in hand-over order, each once
    // (where it first comes).
    using Selected = std::function<bool(const QString& tag, const ResultEntry& entry)>;
    static std::vector<Location> build(const Cleaner& cleaner, const Selected& selected);

    // Takes out of `files` what the engine's keep list holds now (links
    // resolved, a location holding a kept path kept whole); nothing without
    // a keep list.
    static void dropKept(const Cleaner& cleaner, std::vector<Location>& files);

    // Removal requests carrying the identity the scan recorded for each
    // location (absent when the scan did not report it).
    static std::vector<RemovalRequest> requests(const Cleaner& cleaner, const std::vector<Location>& files);
};

} // namespace dovrel
