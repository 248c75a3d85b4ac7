#include "engine/SmartScan.h"

#include "catalogue/Cache.h"
#include "catalogue/Remainders.h"
#include "engine/Cleaner.h"
#include "engine/EntryScan.h"
#include "engine/HandOver.h"
#include "engine/KeptPaths.h"
#include "engine/SelectionSize.h"
#include "engine/SourceScan.h"
#include "fs/DirectoryListing.h"
#include "fs/FolderWalk.h"
#include "fs/PathOps.h"
#include "layout/LinuxCategoryScan.h"
#include "layout/LinuxLayout.h"
#include "platform/LocalizedText.h"
#include "platform/NotificationCenter.h"

#include <algorithm>
#include <sys/stat.h>

namespace dovrel {

namespace {

std::vector<ResultEntry> entriesOf(const auto& records) {
    std::vector<ResultEntry> out;
    out.reserve(records.size());
    for (const auto& r : records)
        out.emplace_back(r);
    return out;
}

} // namespace

SmartScan::SmartScan(ScanPlaces places, Cache& cache, Remainders& remainders, int threads,
                     std::atomic<ByteCount>* runningTotal)
    : places_(std::move(places)), cache_(cache), remainders_(remainders), runningTotal_(runningTotal),
      sizes_(threads) {
    // The installers search comes after the categories that measure inside
    // Application Support, and skips what they found free of its names.
    sizes_.markNames(&EntryScan::isInstallerName);
}

SmartScanResult SmartScan::run() {
    SmartScanResult result;
    if (runningTotal_)
        runningTotal_->store(0);
    if (linux_) {
        result.layout = HomeLayout::Kind::Linux;
        result.trash_pairs = linux_->trashFolder();
    }
    for (const ScanCategory& category : CategoryTable::all())
        finish(category, scan(category.id, result), result);
    if (linux_)
        result.skipped = linux_->skipped();
    return result;
}

std::shared_ptr<CleanerItem> SmartScan::scan(CategoryId id, SmartScanResult& result) {
    if (linux_)
        return LinuxCategoryScan(*linux_, sizes_).scan(id, result);
    auto found = std::make_shared<CleanerItem>();
    switch (id) {
    case CategoryId::caches:
        found->items = entriesOf(cache_.smart_caches(&sizes_));
        found->size = cache_.totalCacheSize;
        return found;
    case CategoryId::remainders:
        found->items = entriesOf(remainders_.smart_remianders(&sizes_));
        found->size = remainders_.totalRemaidersSize;
        return found;
    case CategoryId::logs:
        return EntryScan(places_, sizes_).logs();
    case CategoryId::installs:
        return EntryScan(places_, sizes_).installs();
    case CategoryId::trash:
        return EntryScan(places_, sizes_).trash();
    case CategoryId::browsers:
        return SourceScan(places_, sizes_).browsers(result);
    case CategoryId::mails:
        return SourceScan(places_, sizes_).mails(result);
    }
    return found;
}

void SmartScan::remember(const CleanerItem& category, SmartScanResult& result) {
    if (!category.items)
        return;
    for (const ResultEntry& e : *category.items) {
        const std::vector<Location> locations = HandOver::locationsOf(e);
        for (const Location& l : locations) {
            if (const auto identity = sizes_.identityOf(l))
                result.scanned_identities[l.native()] = *identity;
            // A lone location is what its entry measured; the others were
            // measured through this scan's memo, so asking again is free.
            result.scanned_sizes[l.native()] =
                locations.size() == 1 ? HandOver::sizeOf(e) : sizes_.locationSize(l);
        }
    }
}

int SmartScan::keepBack(const ScanCategory& category, CleanerItem& found, SmartScanResult& result) {
    if (!kept_ || kept_->empty() || !found.items)
        return 0; // an empty keep list costs no look at the disk
    int count = 0;
    std::vector<ResultEntry> staying;
    for (ResultEntry& e : *found.items) {
        const std::vector<Location> locations = HandOver::locationsOf(e);
        std::vector<Location> going;
        ByteCount heldSize = 0;
        for (const Location& l : locations) {
            if (auto by = kept_->keepsBack(l, sizes_.identityOf(l))) {
                const ByteCount size = locations.size() == 1 ? HandOver::sizeOf(e) : sizes_.locationSize(l);
                result.kept.push_back({l, *by, category.index(), size});
                heldSize += size;
                ++count;
            } else {
                going.push_back(l);
            }
        }
        if (heldSize == 0 && going.size() == locations.size()) {
            staying.push_back(std::move(e));
            continue;
        }
        found.size -= std::min(found.size, heldSize);
        // A group with some locations kept keeps the others, smaller; one
        // with all kept is left empty (a browser source stays known as such).
        std::visit(
            [&](auto& record) {
                using T = std::decay_t<decltype(*record)>;
                if constexpr (std::is_same_v<T, RemainderItem>)
                    record->files = going;
                else if constexpr (std::is_same_v<T, CleanerItem>)
                    record->files = going;
                record->size -= std::min(record->size, heldSize);
            },
            e);
        if (!going.empty())
            staying.push_back(std::move(e));
    }
    found.items = std::move(staying);
    return count;
}

std::vector<const ResultEntry*> SmartScan::entriesIn(const CleanerItem& category) {
    std::vector<const ResultEntry*> out;
    if (category.items)
        for (const ResultEntry& e : *category.items)
            out.push_back(&e);
    return out;
}

void SmartScan::finish(const ScanCategory& category, std::shared_ptr<CleanerItem> found,
                       SmartScanResult& result) {
    const QString tag = QString::fromLatin1(category.tag);
    found->type = tag;
    const int kept = keepBack(category, *found, result);
    remember(*found, result);
    // What lies inside another entry of the category (an installer inside a
    // package) is in the total once.
    found->size -= std::min(found->size, SelectionSize::overlap(entriesIn(*found), result.scanned_sizes));
    result.smart_outline_items.push_back(
        SmartOutlineItem::init_with_label(CategoryTable::label(category), found->size, tag,
                                          IconRef::resource(QString::fromLatin1(category.image))));
    result.smart_outline_items.back()->kept = kept;
    result.total_smart_size += found->size;
    if (runningTotal_)
        runningTotal_->fetch_add(found->size);
    result.categories[category.index()] = std::move(found);
    // The next category is announced; after the last the caller's completion
    // follows instead.
    const std::size_t next = category.index() + 1;
    if (next < CategoryTable::kCount)
        NotificationCenter::defaultCenter().postAsync(
            QString::fromLatin1(CategoryTable::all()[next].notification));
}

} // namespace dovrel
