#include "layout/DesktopCatalogue.h"

#include "fs/DirectoryListing.h"
#include "fs/PathOps.h"
#include "layout/ThemeIcon.h"

#include <dirent.h>

#include <initializer_list>

namespace dovrel {

namespace {

QString key(const QString& s) {
    return s.toCaseFolded();
}

std::shared_ptr<ApplicationItem> recordOf(const DesktopEntry& e, const std::vector<Location>& dataDirs) {
    auto record = std::make_shared<ApplicationItem>();
    record->label = e.name;
    record->label_name = e.name;
    record->url = e.file;
    if (e.icon)
        if (auto file = ThemeIcon::find(*e.icon, dataDirs)) {
            record->icon = IconRef::file(*file);
            record->app_icon = record->icon;
        }
    record->bundle = e.id;
    record->bundle_name = e.name;
    record->bundle_name_info = e.name;
    record->executable_info = e.program.value_or(QStringLiteral("null_string"));
    record->app_version = QStringLiteral("1.0");
    record->log_file_name = QStringLiteral("null_string");
    return record;
}

// Cache folders that name neither their application's desktop entry nor
// its program, with the desktop ids of the applications that make them, in
// the order tried. Firefox keeps its cache in ~/.cache/mozilla whatever its
// package is called; Chromium's entry is chromium-browser on some systems.
struct WellKnownFolder {
    const char* folder;
    std::initializer_list<const char*> ids;
};
const WellKnownFolder kWellKnownFolders[] = {
    {"mozilla", {"firefox", "firefox-esr", "org.mozilla.firefox", "firefox_firefox"}},
    {"chromium", {"chromium", "chromium-browser", "org.chromium.Chromium", "chromium_chromium"}},
    {"google-chrome", {"google-chrome", "com.google.Chrome"}},
};

} // namespace

void DesktopCatalogue::readFolder(const Location& folder, const std::string& idPrefix, int depth,
                                  const std::string& locale) {
    for (const auto& e : DirectoryListing::list(folder, true)) {
        if (entries_.size() >= kMaxEntries)
            return;
        const bool folderLike =
            e.type == DT_DIR || ((e.type == DT_UNKNOWN || e.type == DT_LNK) &&
                                 !e.name.ends_with(".desktop") && PathOps::isDirectory(e.path));
        if (folderLike) {
            if (depth < kMaxDepth)
                readFolder(e.path, idPrefix + e.name + "-", depth + 1, locale);
            continue;
        }
        constexpr std::string_view suffix = ".desktop";
        if (e.name.size() <= suffix.size() || !e.name.ends_with(suffix))
            continue;
        const std::string idBytes = idPrefix + e.name.substr(0, e.name.size() - suffix.size());
        const QString id = QString::fromUtf8(idBytes.data(), static_cast<qsizetype>(idBytes.size()));
        if (ids_.contains(key(id)))
            continue; // an earlier folder's entry of that id wins
        auto entry = DesktopEntry::read(e.path, id, locale);
        if (!entry)
            continue;
        const qsizetype index = static_cast<qsizetype>(entries_.size());
        ids_.insert(key(id), index);
        const QString last = id.section(QLatin1Char('.'), -1);
        if (!lastPieces_.contains(key(last)))
            lastPieces_.insert(key(last), index);
        if (entry->startupWMClass && !wmClasses_.contains(key(*entry->startupWMClass)))
            wmClasses_.insert(key(*entry->startupWMClass), index);
        if (entry->program && !programs_.contains(key(*entry->program)))
            programs_.insert(key(*entry->program), index);
        records_.push_back(recordOf(*entry, dataDirs_));
        entries_.push_back(std::move(*entry));
    }
}

void DesktopCatalogue::load(const std::vector<Location>& dataDirs, const std::string& locale) {
    entries_.clear();
    records_.clear();
    ids_.clear();
    lastPieces_.clear();
    wmClasses_.clear();
    programs_.clear();
    dataDirs_ = dataDirs;
    for (const Location& dir : dataDirs)
        readFolder(dir / "applications", std::string(), 0, locale);
}

std::shared_ptr<ApplicationItem> DesktopCatalogue::owner(const QString& folderName) const {
    const QString k = key(folderName);
    for (const auto* map : {&ids_, &lastPieces_, &wmClasses_, &programs_})
        if (auto it = map->constFind(k); it != map->constEnd())
            return records_[static_cast<std::size_t>(*it)];
    for (const WellKnownFolder& known : kWellKnownFolders)
        if (k == QLatin1String(known.folder))
            for (const char* id : known.ids)
                if (auto record = byId(QString::fromLatin1(id)))
                    return record;
    return nullptr;
}

std::shared_ptr<ApplicationItem> DesktopCatalogue::byId(const QString& id) const {
    if (auto it = ids_.constFind(key(id)); it != ids_.constEnd())
        return records_[static_cast<std::size_t>(*it)];
    return nullptr;
}

} // namespace dovrel
