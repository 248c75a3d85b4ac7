#include "catalogue/BundleInfo.h"

namespace dovrel {

std::optional<QString> BundleInfo::value(std::string_view key) const {
    auto it = values_.find(key);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

void BundleInfo::insert(std::string key, QString value) {
    values_.insert_or_assign(std::move(key), std::move(value));
}

} // namespace dovrel
