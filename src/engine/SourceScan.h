#pragma once

#include "engine/CleanerItem.h"
#include "engine/ScanPlaces.h"
#include "engine/SmartScanResult.h"
#include "engine/Types.h"

#include <memory>
#include <vector>

namespace dovrel {

class SizeMemo;

// The categories made of source results (one CleanerItem per application,
// with the locations it covers): browsers (Chrome, Firefox, Safari) and
// mails (the system mail application, Airmail, Spark), at their fixed places
// in the Library. Each call sets the three source results of its category in
// `result` (null when the source is absent) and returns a new category result
// whose items are the sources it includes and whose size is their sum (type
// left to the caller). Measures through the scan's SizeMemo.
class SourceScan {
public:
    SourceScan(const ScanPlaces& places, SizeMemo& sizes) : places_(places), sizes_(sizes) {}

    std::shared_ptr<CleanerItem> browsers(SmartScanResult& result);
    std::shared_ptr<CleanerItem> mails(SmartScanResult& result);

private:
    static std::shared_ptr<CleanerItem> source(std::vector<Location> files, ByteCount size, const char* type,
                                               const char* group);
    static std::shared_ptr<CleanerItem> category(const std::vector<std::shared_ptr<CleanerItem>>& included);
    Location inLibrary(const char* relative) const;

    const ScanPlaces& places_;
    SizeMemo& sizes_;
};

} // namespace dovrel
