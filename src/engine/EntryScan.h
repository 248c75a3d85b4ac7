#pragma once

#include "engine/CleanerItem.h"
#include "engine/LargeFile.h"
#include "engine/ScanPlaces.h"
#include "fs/Types.h"

#include <memory>
#include <string_view>
#include <vector>

namespace dovrel {

class SizeMemo;

// The categories made of single files and folders (LargeFile entries, named
// after their last path component, type ""): logs, installation files and
// the Trash. Each call returns a new category result with items and size
// set (type is left to the caller). Measures through the scan's SizeMemo.
class EntryScan {
public:
    EntryScan(const ScanPlaces& places, SizeMemo& sizes) : places_(places), sizes_(sizes) {}

    // The Logs folder, one level, hidden entries skipped, in name order.
    std::shared_ptr<CleanerItem> logs();
    // Installer files in Downloads, Desktop, Documents (one level) and
    // anywhere under Library/Application Support, in name order.
    std::shared_ptr<CleanerItem> installs();
    // A name the installers search takes (an installer image or package).
    static bool isInstallerName(std::string_view name);
    // The Trash, one level, hidden entries included, in listing order.
    std::shared_ptr<CleanerItem> trash();

private:
    // One LargeFile per existing entry, measured.
    std::vector<std::shared_ptr<LargeFile>> measureEntries(const std::vector<Location>& entries);
    static void sortByName(std::vector<std::shared_ptr<LargeFile>>& files);
    static std::shared_ptr<CleanerItem> category(const std::vector<std::shared_ptr<LargeFile>>& files);

    const ScanPlaces& places_;
    SizeMemo& sizes_;
};

} // namespace dovrel
