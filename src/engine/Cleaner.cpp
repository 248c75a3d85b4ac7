#include "engine/Cleaner.h"

#include "catalogue/Cache.h"
#include "catalogue/Remainders.h"
#include "engine/CategoryTable.h"
#include "engine/KeepList.h"
#include "engine/SmartScan.h"
#include "engine/SmartScanResult.h"
#include "fs/SizeAccounting.h"
#include "layout/LinuxLayout.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"

namespace dovrel {

Cleaner* Cleaner::sharedCleaner() {
    // Function-local static: created exactly once, even when first calls race.
    static Cleaner* instance = [] {
        auto* c = new Cleaner(Grant::resolve(Defaults::standard(), Grant::kHomeKey).folder);
        c->layout_preference = &Defaults::standard();
        static KeepList keepList(KeepList::standardStore());
        c->keep_list = &keepList;
        return c;
    }();
    return instance;
}

Cleaner::Cleaner(std::optional<Location> home, Cache* cache, Remainders* remainders)
    : cache_(cache), remainders_(remainders) {
    locate(home);
}

void Cleaner::locate(const std::optional<Location>& home) {
    url_home = url_library = url_caches = url_logs = url_mails = url_trash = url_downloads = std::nullopt;
    if (!home)
        return;
    url_home = *home;
    url_library = *url_home / "Library";
    url_caches = *url_library / "Caches";
    url_logs = *url_library / "Logs";
    url_mails = *url_library / "Containers/com.apple.mail/Data/Library/Mail Downloads";
    url_trash = *url_home / ".Trash";
    url_downloads = *url_home / "Downloads";
}

void Cleaner::setNextLocations(std::optional<Location> home, std::optional<Location> applications) {
    next_ = Folders{std::move(home), std::move(applications)};
}

bool Cleaner::takeNextLocations() {
    if (!next_)
        return false;
    const Folders folders = std::move(*next_);
    next_.reset();
    locate(folders.home);
    cache()->relocate(folders.home, folders.applications);
    remainders()->relocate(folders.home, folders.applications);
    return true;
}

Cache* Cleaner::cache() const {
    return cache_ ? cache_ : Cache::sharedCache();
}

Remainders* Cleaner::remainders() const {
    return remainders_ ? remainders_ : Remainders::sharedRemainder();
}

ByteCount Cleaner::overall_size_of_files(const std::vector<Location>& locations) const {
    return SizeAccounting::overall_size_of_files(locations);
}

ByteCount Cleaner::overall_size_of_direcory(const Location& folder) const {
    return SizeAccounting::overall_size_of_direcory(folder);
}

void Cleaner::take(SmartScanResult result) {
    for (const ScanCategory& category : CategoryTable::all()) {
        std::shared_ptr<CleanerItem>& found = result.categories[category.index()];
        this->*category.total = found ? found->size : 0;
        this->*category.result = std::move(found);
    }
    browser_chrome_item = std::move(result.browser_chrome_item);
    browser_mozilla_item = std::move(result.browser_mozilla_item);
    browser_safari_item = std::move(result.browser_safari_item);
    apple_mail_item = std::move(result.apple_mail_item);
    airmail_item = std::move(result.airmail_item);
    spark_mail_item = std::move(result.spark_mail_item);
    smart_outline_items = std::move(result.smart_outline_items);
    total_smart_size.store(result.total_smart_size);
    scanned_identities = std::move(result.scanned_identities);
    scanned_sizes = std::move(result.scanned_sizes);
    layout = result.layout;
    trash_pairs = std::move(result.trash_pairs);
    skipped_places = std::move(result.skipped);
    kept_locations = std::move(result.kept);
}

void Cleaner::useSystemRoot(const Location& root) {
    const XdgDirs::Environment process = XdgDirs::processEnvironment();
    linux_environment = LinuxSystem::environmentUnderRoot(root, process);
    linux_system = LinuxSystem::underRoot(root, process);
}

HomeLayout::Kind Cleaner::chosenLayout() const {
    if (forced_layout)
        return *forced_layout;
    if (layout_preference)
        if (auto preferred = HomeLayout::preferred(*layout_preference))
            return *preferred;
    return url_home ? HomeLayout::choose(*url_home) : HomeLayout::Kind::MacOS;
}

void Cleaner::smart_clean_with_complete_handler(const std::function<void()>& handler) {
    const ScanPlaces places{url_home, url_library, url_logs, url_mails, url_trash, url_downloads};
    SmartScan scan(places, *cache(), *remainders(), scan_threads, &total_smart_size);
    std::optional<LinuxLayout> linux;
    if (url_home && chosenLayout() == HomeLayout::Kind::Linux) {
        const XdgDirs::Environment environment =
            linux_environment ? linux_environment : XdgDirs::processEnvironment();
        linux.emplace(XdgDirs::resolve(*url_home, environment),
                      linux_system ? *linux_system : LinuxSystem::standard(environment));
        scan.useLinuxLayout(&*linux);
    }
    // The keep list as it stands now, read once for this scan.
    std::optional<KeptPaths> kept;
    if (keep_list) {
        kept.emplace(keep_list->matcher());
        scan.useKeptPaths(&*kept);
    }
    take(scan.run());
    if (handler)
        handler();
}

} // namespace dovrel
