#pragma once

#include "engine/CategoryTable.h"
#include "engine/CleanerItem.h"
#include "engine/SmartOutlineItem.h"
#include "fs/FileIdentity.h"
#include "fs/Types.h"
#include "layout/HomeLayout.h"
#include "layout/SkippedPlace.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dovrel {

// Everything one smart scan found, handed to Cleaner::take() in one piece.
struct SmartScanResult {
    // One result per category, in CategoryTable order (never null after a
    // scan); each holds its category's size.
    std::array<std::shared_ptr<CleanerItem>, CategoryTable::kCount> categories;

    // Source results (null = absent).
    std::shared_ptr<CleanerItem> browser_chrome_item;
    std::shared_ptr<CleanerItem> browser_mozilla_item;
    std::shared_ptr<CleanerItem> browser_safari_item;
    std::shared_ptr<CleanerItem> apple_mail_item;
    std::shared_ptr<CleanerItem> airmail_item;
    std::shared_ptr<CleanerItem> spark_mail_item;

    // The category rows, in scan order, and the sum of their sizes.
    std::vector<std::shared_ptr<SmartOutlineItem>> smart_outline_items;
    ByteCount total_smart_size = 0;

    // Who every reported location was, keyed by its path bytes, and what
    // the scan measured for it.
    std::unordered_map<std::string, FileIdentity> scanned_identities;
    std::unordered_map<std::string, ByteCount> scanned_sizes;

    // The home layout the scan ran over, and on the Linux layout the trash
    // folder whose entries are removed together with their .trashinfo.
    HomeLayout::Kind layout = HomeLayout::Kind::MacOS;
    std::optional<Location> trash_pairs;
    // What the scan left out on purpose, to be told.
    std::vector<SkippedPlace> skipped;
    // Found locations the keep list held back, by category (CategoryTable
    // index), with the kept path that held each and its size.
    struct Kept {
        Location location;
        std::string keptBy;
        std::size_t category = 0;
        ByteCount size = 0;
    };
    std::vector<Kept> kept;
};

} // namespace dovrel
