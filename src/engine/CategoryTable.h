#pragma once

#include "engine/ScanCategory.h"

#include <QString>

#include <array>
#include <cstddef>
#include <string_view>

namespace dovrel {

// The one table of the smart scan's seven categories (caches, logs,
// remainders, browsers, mails, installs, trash), in scan order. The scan, the
// hand-over, the JSON and terminal output and the scan screen all read it;
// nothing else spells the categories out.
//
// A row names a category (tag, label, image, notification) and says where
// Cleaner keeps its result and total; the places a category searches come
// from the home layout the scan runs over, so a second layout reuses the
// rows unchanged.
class CategoryTable {
public:
    static constexpr std::size_t kCount = 7;

    // Translation context of the labels (lupdate reads it from the table).
    static constexpr const char* kContext = "dovrel::CategoryTable";

    static const std::array<ScanCategory, kCount>& all();
    static const ScanCategory& at(CategoryId id) { return all()[static_cast<std::size_t>(id)]; }

    // The row with this tag, or null.
    static const ScanCategory* find(std::string_view tag);

    // The row label in the application's language.
    static QString label(const ScanCategory& category);
};

} // namespace dovrel
