#pragma once

#include <QString>

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace dovrel {

// The text values that a bundle's Info.plist holds under the top-level keys
// that were asked for (see PlistReader). A key is here only when its value
// could be read as text; a missing, damaged or unreadable Info.plist gives an
// empty BundleInfo. Plain value, cheap to copy.
class BundleInfo {
public:
    // The value under `key`, or absent.
    std::optional<QString> value(std::string_view key) const;
    bool contains(std::string_view key) const { return values_.find(key) != values_.end(); }

    void insert(std::string key, QString value);

    bool isEmpty() const { return values_.empty(); }
    std::size_t size() const { return values_.size(); }
    const std::map<std::string, QString, std::less<>>& values() const { return values_; }

    bool operator==(const BundleInfo&) const = default;

private:
    std::map<std::string, QString, std::less<>> values_;
};

} // namespace dovrel
