#pragma once

#include "fs/Types.h"

#include <optional>
#include <string>

namespace dovrel {

class Cleaner;

// The scan results as "dovrel-scan/1" JSON:
//
//   {"format":"dovrel-scan/1","home":P,"applications":P|null,
//    "total_smart_size":N,"categories":[C...]}
//
// with the categories in CategoryTable order, each {"type","label","size","items"}.
// Items: caches {"label","url","size"}; logs, installs, trash
// {"name","url","size"}; remainders {"label","bundle","files","size"};
// browsers and mails {"type","group","files","size"}, a browser source the
// browser was running on also "in_use_by":[NAME...]. Paths are absolute and
// normalised; name bytes that are not UTF-8 become "\udc80".."\udcff", in
// paths and in labels and identifiers made from names alike.
class ScanJson {
public:
    static std::string write(const Cleaner& cleaner, const std::optional<Location>& applications);

    // No doubled or trailing "/" (the root stays "/").
    static std::string normalisedPath(const Location& location);
};

} // namespace dovrel
