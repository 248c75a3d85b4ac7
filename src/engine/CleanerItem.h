#pragma once

#include "catalogue/CacheItem.h"
#include "catalogue/RemainderItem.h"
#include "engine/LargeFile.h"
#include "fs/Types.h"

#include <QString>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace dovrel {

struct CleanerItem;

// An entry under a category: which kind depends on the category
// (caches: CacheItem; logs, installs, trash: LargeFile; remainders:
// RemainderItem; browsers, mails: source results as CleanerItem).
using ResultEntry = std::variant<std::shared_ptr<CacheItem>, std::shared_ptr<LargeFile>,
                                 std::shared_ptr<RemainderItem>, std::shared_ptr<CleanerItem>>;

// The result of one category (items set, files absent) or of one source
// (files set, items absent).
struct CleanerItem {
    std::optional<std::vector<Location>> files;
    ByteCount size = 0;
    std::optional<std::vector<ResultEntry>> items;
    QString type;
    QString group;
    // A source whose browser was running on it when the scan looked: the
    // browsers' names. Its data is not chosen unless asked for, and the
    // removal leaves it alone while they still run.
    std::vector<QString> in_use_by;
};

} // namespace dovrel
