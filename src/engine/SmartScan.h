#pragma once

#include "engine/CategoryTable.h"
#include "engine/CleanerItem.h"
#include "engine/ScanPlaces.h"
#include "engine/SmartScanResult.h"
#include "fs/SizeMemo.h"
#include "fs/Types.h"

#include <atomic>
#include <memory>

namespace dovrel {

class KeptPaths;

class Cache;
class LinuxLayout;
class Remainders;

// One run of the smart scan over a home's places: the categories of
// CategoryTable in order, each finished by filling its result and row in the
// SmartScanResult, adding its size to the running total and announcing the
// next category on the main thread (its notification).
//
// What each category finds is asked of the catalogue (caches, leftovers),
// EntryScan (logs, installs, trash) and SourceScan (browsers, mails). Sizes
// are remembered for the length of this run only (SizeMemo), so a location
// that two categories report is walked once, and lists of locations are
// measured on several threads. Nothing survives the run.
class SmartScan {
public:
    // `cache` and `remainders` run the catalogue passes; `runningTotal`
    // (optional) is reset and then grows as each category finishes, for
    // readers on other threads.
    SmartScan(ScanPlaces places, Cache& cache, Remainders& remainders, int threads,
              std::atomic<ByteCount>* runningTotal = nullptr);

    // Finds every category through `layout` (a Linux home; not owned)
    // instead of the macOS places and catalogue passes.
    void useLinuxLayout(LinuxLayout* layout) { linux_ = layout; }
    // Found locations these paths keep are taken out of the results (see
    // SmartScanResult::kept); not owned, may be null.
    void useKeptPaths(KeptPaths* kept) { kept_ = kept; }

    // Runs every category and returns what was found when the last is done.
    SmartScanResult run();

private:
    std::shared_ptr<CleanerItem> scan(CategoryId id, SmartScanResult& result);
    void finish(const ScanCategory& category, std::shared_ptr<CleanerItem> found, SmartScanResult& result);
    void remember(const CleanerItem& category, SmartScanResult& result);
    static std::vector<const ResultEntry*> entriesIn(const CleanerItem& category);
    // Takes what the kept paths hold out of the category; returns how many
    // locations it held back.
    int keepBack(const ScanCategory& category, CleanerItem& found, SmartScanResult& result);

    ScanPlaces places_;
    Cache& cache_;
    Remainders& remainders_;
    std::atomic<ByteCount>* runningTotal_;
    SizeMemo sizes_;
    LinuxLayout* linux_ = nullptr;
    KeptPaths* kept_ = nullptr;
};

} // namespace dovrel
