#pragma once

#include "engine/Types.h"

#include <cstddef>
#include <memory>

namespace dovrel {

class Cleaner;
struct CleanerItem;

// The smart scan's categories, in scan order. The value is the category's
// place in CategoryTable::all() and in SmartScanResult::categories.
enum class CategoryId : std::size_t { caches, logs, remainders, browsers, mails, installs, trash };

// One category of the smart scan: everything that names it, in one record.
// Where a category looks on disk is not part of it (that belongs to the home
// layout the scan is given), so one table serves every layout.
struct ScanCategory {
    CategoryId id;
    // "caches", "logs", ...: the category tag of results, JSON and --only.
    const char* tag;
    // Row label, English, the translation source (CategoryTable::label()
    // gives it translated).
    const char* label;
    // Name of the row image ("Smart cache", ...).
    const char* image;
    // The progress notification that announces this category while the scan
    // runs ("smart_scan_logs", ...); null for the first, which starts the scan.
    const char* notification;
    // Where Cleaner keeps the category's result and its total.
    std::shared_ptr<CleanerItem> Cleaner::*result;
    ByteCount Cleaner::*total;

    constexpr std::size_t index() const { return static_cast<std::size_t>(id); }
};

} // namespace dovrel
