#include "engine/EntryScan.h"

#include "fs/DirectoryListing.h"
#include "fs/FolderWalk.h"
#include "fs/PathOps.h"
#include "fs/SizeMemo.h"
#include "platform/LocalizedText.h"

#include <algorithm>

namespace dovrel {

namespace {

QString nameOf(const Location& location) {
    const std::string bytes = location.filename().native();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

std::shared_ptr<CleanerItem> EntryScan::category(const std::vector<std::shared_ptr<LargeFile>>& files) {
    auto result = std::make_shared<CleanerItem>();
    std::vector<ResultEntry> items;
    items.reserve(files.size());
    ByteCount total = 0;
    for (const auto& f : files) {
        items.emplace_back(f);
        total += f->size;
    }
    result->items = std::move(items);
    result->size = total;
    return result;
}

std::vector<std::shared_ptr<LargeFile>> EntryScan::measureEntries(const std::vector<Location>& entries) {
    // Entries gone since they were listed (or links leading nowhere) are left out.
    const std::vector<std::optional<ByteCount>> sizes = sizes_.existingSizes(entries);
    std::vector<std::shared_ptr<LargeFile>> files;
    files.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (sizes[i])
            files.push_back(
                LargeFile::init_with_file_url(entries[i], nameOf(entries[i]), *sizes[i], QString()));
    return files;
}

void EntryScan::sortByName(std::vector<std::shared_ptr<LargeFile>>& files) {
    std::stable_sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return LocalizedText::localizedCaseInsensitiveCompare(a->name, b->name) < 0;
    });
}

std::shared_ptr<CleanerItem> EntryScan::logs() {
    std::vector<Location> entries;
    if (places_.url_logs)
        for (auto& e : DirectoryListing::list(*places_.url_logs, true))
            entries.push_back(std::move(e.path));
    auto files = measureEntries(entries);
    sortByName(files);
    return category(files);
}

bool EntryScan::isInstallerName(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return false;
    const std::string_view ext = name.substr(dot + 1);
    return ext == "dmg" || ext == "pkg" || ext == "ipa";
}

std::shared_ptr<CleanerItem> EntryScan::installs() {
    std::vector<Location> candidates;
    if (places_.url_home) {
        const Location folders[] = {*places_.url_downloads, *places_.url_home / "Desktop",
                                    *places_.url_home / "Documents"};
        for (const Location& folder : folders) {
            for (auto& e : DirectoryListing::list(folder, true)) {
                const std::string ext = DirectoryListing::pathExtension(e.name);
                if (ext == "dmg" || ext == "pkg" || ext == "ipa" || ext == "apk")
                    candidates.push_back(std::move(e.path));
            }
        }
    }
    if (places_.url_library) {
        const Location support = *places_.url_library / "Application Support";
        // A folder this scan has measured already (a browser's profile, a
        // leftover) is entered only when that walk saw such a name in it.
        const std::optional<FileIdentity> top = sizes_.identityOf(support);
        FolderWalk::Options options;
        options.skipHidden = true;
        options.sizes = false; // only names are needed here
        FolderWalk::walk(support, options, [&](const FolderWalk::Item& item) {
            if (isInstallerName(item.name))
                candidates.push_back(item.path(support));
            return !(item.isDirectory() && top && sizes_.measuredWithoutMarks(top->device, item.inode));
        });
    }

    // Each candidate at what removing it frees: a file (or a link) its own
    // size, a folder (a folder-style package, or a user's folder so named)
    // everything inside it. A candidate found inside a matched package is
    // listed too and counts again in the total, as overlapping leftover
    // groups do.
    const std::vector<ByteCount> sizes = sizes_.locationSizes(candidates);
    std::vector<std::shared_ptr<LargeFile>> files;
    files.reserve(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i)
        files.push_back(
            LargeFile::init_with_file_url(candidates[i], nameOf(candidates[i]), sizes[i], QString()));
    sortByName(files);
    return category(files);
}

std::shared_ptr<CleanerItem> EntryScan::trash() {
    std::vector<Location> entries;
    if (places_.url_trash)
        for (auto& e : DirectoryListing::list(*places_.url_trash, false))
            entries.push_back(std::move(e.path));
    return category(measureEntries(entries)); // listing order is kept
}

} // namespace dovrel
