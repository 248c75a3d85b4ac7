#include "engine/Cleaner.h"

#include "catalogue/Cache.h"
#include "catalogue/Remainders.h"
#include "engine/SmartScan.h"
#include "fs/SizeAccounting.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"

namespace dovrel {

Cleaner* Cleaner::sharedCleaner() {
    // Function-local static: created exactly once, even when first calls race.
    static Cleaner* instance = new Cleaner(Grant::resolve(Defaults::standard(), Grant::kHomeKey).folder);
    return instance;
}

Cleaner::Cleaner(std::optional<Location> home, Cache* cache, Remainders* remainders)
    : cache_(cache), remainders_(remainders) {
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

} // namespace dovrel

namespace dovrel {

void Cleaner::smart_clean_with_complete_handler(const std::function<void()>& handler) {
    SmartScan scan(*this);
    scan.run();
    if (handler)
        handler();
}

} // namespace dovrel
