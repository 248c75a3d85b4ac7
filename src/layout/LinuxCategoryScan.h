#pragma once

#include "engine/CleanerItem.h"
#include "engine/ScanCategory.h"
#include "engine/SmartScanResult.h"

#include <memory>

namespace dovrel {

class LinuxLayout;
class SizeMemo;

// One category of the smart scan over a Linux home: the LinuxLayout finder
// of the category, its records put into a category result (items and size
// set, type left to the caller) exactly as the macOS scan makes them, so the
// outline, the hand-over and the removal take either. The browser sources
// fill browser_chrome_item and browser_mozilla_item; of the mail sources
// only apple_mail_item is made, with no files.
class LinuxCategoryScan {
public:
    LinuxCategoryScan(LinuxLayout& layout, SizeMemo& sizes) : layout_(layout), sizes_(sizes) {}

    std::shared_ptr<CleanerItem> scan(CategoryId id, SmartScanResult& result);

private:
    LinuxLayout& layout_;
    SizeMemo& sizes_;
};

} // namespace dovrel
