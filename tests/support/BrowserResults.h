#pragma once

#include "engine/CleanerItem.h"
#include "fs/Types.h"

#include <optional>

namespace dovrel {
class Cleaner;
}

namespace dovrel::test {

// Puts browser results into `cleaner` as the smart scan leaves them, without
// touching the disk: one source result per browser with a size (absent = the
// scan did not find that browser), a browsers category holding the found ones
// in the order Chrome, Firefox, Safari, and the category total. Chrome gets
// two locations, Firefox two profiles, Safari one, all under `root`.
struct BrowserSizes {
    std::optional<ByteCount> chrome;
    std::optional<ByteCount> mozilla;
    std::optional<ByteCount> safari;
};
void putBrowserResults(Cleaner& cleaner, const BrowserSizes& sizes,
                       const Location& root = "/home/ann/Library");

} // namespace dovrel::test
