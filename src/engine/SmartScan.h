#pragma once

#include "engine/CleanerItem.h"
#include "fs/SizeMemo.h"
#include "fs/Types.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace dovrel {

class Cleaner;

// One run of the smart scan over a Cleaner's locations: seven categories in
// order (caches, logs, remainders, browsers, mails, installs, trash), each
// finished by writing its result, row and total into the Cleaner and then
// announcing the next category on the main thread.
//
// Sizes are remembered for the length of this run only (SizeMemo), so a
// location that two categories report is walked once, and lists of locations
// are measured on several threads. Nothing survives the run.
class SmartScan {
public:
    explicit SmartScan(Cleaner& cleaner);

    // Runs every category and returns when the trash is done.
    void run();

    // The seven categories in scan order: tag, row label (English, the
    // translation source) and row image name.
    static const char* const kCategoryTags[7];
    static const char* const kCategoryLabels[7];
    static const char* const kCategoryImages[7];

    // The six progress notifications, in order; kNotifications[i] is posted
    // when category i is finished and names category i + 1.
    static const char* const kNotifications[6];

private:
    void finish(int category, std::shared_ptr<CleanerItem>& slot, std::shared_ptr<CleanerItem> result,
                ByteCount& total);

    std::shared_ptr<CleanerItem> scanCaches();
    std::shared_ptr<CleanerItem> scanLogs();
    std::shared_ptr<CleanerItem> scanRemainders();
    std::shared_ptr<CleanerItem> scanBrowsers();
    std::shared_ptr<CleanerItem> scanMails();
    std::shared_ptr<CleanerItem> scanInstalls();
    std::shared_ptr<CleanerItem> scanTrash();

    // Logs and trash: one LargeFile per existing entry, measured.
    std::vector<std::shared_ptr<LargeFile>> measureEntries(const std::vector<Location>& entries);
    static void sortByName(std::vector<std::shared_ptr<LargeFile>>& files);
    static std::shared_ptr<CleanerItem> source(std::vector<Location> files, ByteCount size, const char* type,
                                               const char* group);
    void remember(const Location& location);
    Location inLibrary(const char* relative) const;

    Cleaner& cleaner_;
    SizeMemo sizes_;
};

} // namespace dovrel
