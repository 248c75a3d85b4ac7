#pragma once

#include "engine/CleanerItem.h"
#include "engine/SmartOutlineItem.h"
#include "engine/SmartScanResult.h"
#include "fs/FileIdentity.h"
#include "fs/Types.h"
#include "layout/HomeLayout.h"
#include "layout/LinuxSystem.h"
#include "layout/SkippedPlace.h"
#include "layout/XdgDirs.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dovrel {

class Cache;
class KeepList;
class Defaults;
class Remainders;

// The engine object: the user's locations, the results of the last smart scan
// and the hand-over from the results screen to the cleanup.
//
// The locations are derived once, at creation, from the "home" grant; without
// a grant they are absent for the life of the object. Results are absent
// (null) until the first scan and replaced wholesale by every scan. No locks:
// one scan at a time; only total_smart_size may be read while a scan runs.
class Cleaner {
public:
    // The one process-wide engine, created on first call from the stored
    // "home" grant of the standard defaults.
    static Cleaner* sharedCleaner();

    // An engine over the given home folder (tests, the headless front end),
    // scanning caches and leftovers through the given catalogue objects (the
    // shared ones when null). They are not owned.
    explicit Cleaner(std::optional<Location> home, Cache* cache = nullptr, Remainders* remainders = nullptr);

    Cleaner(const Cleaner&) = delete;
    Cleaner& operator=(const Cleaner&) = delete;

    // Hand-over from the results screen.
    ByteCount wasCleaned = 0;
    std::vector<Location> files;

    // Locations (absent without a home grant).
    std::optional<Location> url_home;
    std::optional<Location> url_library;
    std::optional<Location> url_caches;
    std::optional<Location> url_logs;
    std::optional<Location> url_mails;
    std::optional<Location> url_trash;
    std::optional<Location> url_downloads;

    // Category and source results of the last smart scan (null = absent).
    std::shared_ptr<CleanerItem> apps_caches_item;
    std::shared_ptr<CleanerItem> apps_logs_item;
    std::shared_ptr<CleanerItem> apps_remainders_item;
    std::shared_ptr<CleanerItem> mails_item;
    std::shared_ptr<CleanerItem> apple_mail_item;
    std::shared_ptr<CleanerItem> airmail_item;
    std::shared_ptr<CleanerItem> spark_mail_item;
    std::shared_ptr<CleanerItem> trash_item;
    std::shared_ptr<CleanerItem> browser_item;
    std::shared_ptr<CleanerItem> browser_chrome_item;
    std::shared_ptr<CleanerItem> browser_mozilla_item;
    std::shared_ptr<CleanerItem> browser_safari_item;
    std::shared_ptr<CleanerItem> install_files_item;

    std::atomic<ByteCount> total_smart_size{0};
    ByteCount totalCacheSize = 0;
    ByteCount totalLogsSize = 0;
    ByteCount totalRemaindersSize = 0;
    ByteCount totalBrowserSize = 0;
    ByteCount totalMailsSize = 0;
    ByteCount totalInstallSize = 0;
    ByteCount totalTrashSize = 0;

    std::vector<std::shared_ptr<SmartOutlineItem>> smart_outline_items;

    // Who every location reported by the last scan was (device, inode, type),
    // keyed by the path bytes. Removal refuses a location whose identity
    // changed since. Replaced by every scan.
    std::unordered_map<std::string, FileIdentity> scanned_identities;
    // What the last scan measured for each of those locations, for totals
    // that count each byte once (SelectionSize).
    std::unordered_map<std::string, ByteCount> scanned_sizes;

    // Following a grant changed while the application runs. The locations
    // are fixed at creation; new ones are only noted here (main thread) and
    // taken by takeNextLocations() just before the next scan starts, so a
    // scan in progress, the results on screen and their hand-over to the
    // cleanup keep the folders they were made from.
    void setNextLocations(std::optional<Location> home, std::optional<Location> applications);
    bool hasNextLocations() const { return next_.has_value(); }
    // Main thread, while no scan and no removal runs: re-derives this
    // engine's locations and those of the catalogue objects it scans through
    // from the noted folders. False (nothing changed) when none were noted.
    bool takeNextLocations();

    // The home layout of the next scan: `forced_layout` when set, else the
    // one stored in `layout_preference` (when set and not automatic), else
    // HomeLayout::choose(home).
    std::optional<HomeLayout::Kind> forced_layout;
    Defaults* layout_preference = nullptr;
    // What the Linux layout reads outside the home (this machine when
    // absent) and the environment its XDG folders come from (the process's
    // when null).
    std::optional<LinuxSystem> linux_system;
    XdgDirs::Environment linux_environment;
    // Makes the Linux layout read the machine below `root` in place of this
    // one (LinuxSystem::underRoot): sample homes and their own system folder.
    void useSystemRoot(const Location& root);
    HomeLayout::Kind chosenLayout() const;

    // The layout of the last scan and, on the Linux layout, its trash folder
    // (whose entries go together with their .trashinfo).
    HomeLayout::Kind layout = HomeLayout::Kind::MacOS;
    std::optional<Location> trash_pairs;
    // What the last scan left out on purpose (SkippedPlace).
    std::vector<SkippedPlace> skipped_places;
    // The paths every scan keeps out of its results (not owned; none when
    // null), and what the last scan held back for them.
    KeepList* keep_list = nullptr;
    std::vector<SmartScanResult::Kept> kept_locations;

    // Threads a scan measures with; 0 picks them from the machine: one per
    // processor, more while the walkers wait on the disk (up to 16), so a
    // cold scan is not bound to one or two outstanding reads. Results are
    // the same at any count.
    int scan_threads = 0;

    Cache* cache() const;
    Remainders* remainders() const;

    // Size accounting (see SizeAccounting).
    ByteCount overall_size_of_files(const std::vector<Location>& locations) const;
    ByteCount overall_size_of_direcory(const Location& folder) const;

    // The smart scan: runs synchronously on the calling thread, takes its
    // result, then calls `handler` once on that thread. total_smart_size
    // grows while it runs; the other results change only when it ends.
    void smart_clean_with_complete_handler(const std::function<void()>& handler);

    // Replaces every result of the last scan (categories and their totals by
    // CategoryTable, sources, rows, grand total, identities) with `result`.
    void take(SmartScanResult result);

private:
    struct Folders {
        std::optional<Location> home;
        std::optional<Location> applications;
    };
    void locate(const std::optional<Location>& home);

    Cache* cache_ = nullptr;
    std::optional<Folders> next_;
    Remainders* remainders_ = nullptr;
};

} // namespace dovrel
