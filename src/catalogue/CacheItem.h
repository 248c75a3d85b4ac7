#pragma once

#include "catalogue/IconRef.h"
#include "fs/Types.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace dovrel {

struct ApplicationItem;

// One application cache folder.
struct CacheItem {
    Location url;
    QString label;
    std::optional<IconRef> image;
    ByteCount size = 0;
    std::optional<std::vector<Location>> files; // never filled by the scans

    // A new item labelled after the application, with its bundle icon as image
    // (absent when the application has none). `url` and `size` are set later.
    static std::shared_ptr<CacheItem> withApplicationItem(const ApplicationItem& app);
};

} // namespace dovrel
