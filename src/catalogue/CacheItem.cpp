#include "catalogue/CacheItem.h"

#include "catalogue/ApplicationItem.h"

namespace dovrel {

std::shared_ptr<CacheItem> CacheItem::withApplicationItem(const ApplicationItem& app) {
    auto item = std::make_shared<CacheItem>();
    item->label = app.label;
    item->image = app.app_icon;
    return item;
}

} // namespace dovrel
