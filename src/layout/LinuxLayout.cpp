#include "layout/LinuxLayout.h"

#include "catalogue/DisplayName.h"
#include "catalogue/Remainders.h"
#include "fs/DirectoryListing.h"
#include "fs/PathOps.h"
#include "fs/SizeMemo.h"
#include "layout/PackageManagerList.h"
#include "layout/ToolCaches.h"
#include "platform/LocalizedText.h"

#include <algorithm>
#include <sys/stat.h>

namespace dovrel {

namespace {

QString nameOf(const Location& location) {
    const std::string bytes = location.filename().native();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString text(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// What lstat says, links not followed.
bool isReal(const Location& path, mode_t type) {
    struct stat st {};
    return PathOps::status(path, st, false) && (st.st_mode & S_IFMT) == type;
}

void sortByName(std::vector<std::shared_ptr<LargeFile>>& files) {
    std::stable_sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return LocalizedText::localizedCaseInsensitiveCompare(a->name, b->name) < 0;
    });
}

// One LargeFile per location, measured together.
std::vector<std::shared_ptr<LargeFile>> measured(const std::vector<Location>& locations, SizeMemo& sizes,
                                                 ByteCount& total) {
    const std::vector<ByteCount> each = sizes.locationSizes(locations);
    std::vector<std::shared_ptr<LargeFile>> files;
    total = 0;
    for (std::size_t i = 0; i < locations.size(); ++i) {
        files.push_back(
            LargeFile::init_with_file_url(locations[i], nameOf(locations[i]), each[i], QString()));
        total += each[i];
    }
    return files;
}

} // namespace

LinuxLayout::LinuxLayout(XdgDirs dirs, LinuxSystem system)
    : dirs_(std::move(dirs)), system_(std::move(system)) {}

std::optional<Location> LinuxLayout::reachable(const Location& folder) {
    const Location relative = folder.lexically_relative(dirs_.home);
    if (relative.empty() || *relative.begin() == "..")
        return std::nullopt;
    Location walked = dirs_.home;
    for (const auto& part : relative) {
        if (part == ".")
            continue;
        walked /= part;
        if (isReal(walked, S_IFLNK)) {
            noteSkipped({walked, SkippedPlace::Why::LinkOnTheWay});
            return std::nullopt;
        }
    }
    return folder;
}

void LinuxLayout::noteSkipped(SkippedPlace place) {
    if (std::find(skipped_.begin(), skipped_.end(), place) == skipped_.end())
        skipped_.push_back(std::move(place));
}

std::vector<DirectoryListing::Entry> LinuxLayout::listReachable(const Location& folder, bool skipHidden) {
    if (!reachable(folder))
        return {};
    return DirectoryListing::list(folder, skipHidden);
}

std::vector<Location> LinuxLayout::flatpakInstallations() const {
    std::vector<Location> out;
    out.push_back(system_.flatpakUserInstallation.value_or(dirs_.dataHome / "flatpak"));
    for (const Location& l : system_.flatpakSystemInstallations)
        out.push_back(l);
    return out;
}

std::vector<Location> LinuxLayout::catalogueDataDirs() const {
    std::vector<Location> out;
    auto add = [&](const Location& l) {
        const Location n = l.lexically_normal();
        for (const Location& seen : out)
            if (seen.lexically_normal() == n)
                return;
        out.push_back(l);
    };
    add(dirs_.dataHome);
    add(flatpakInstallations().front() / "exports/share");
    for (const Location& d : dirs_.dataDirs)
        add(d);
    for (const Location& l : system_.flatpakSystemInstallations)
        add(l / "exports/share");
    return out;
}

std::optional<std::set<std::string>> LinuxLayout::installedFlatpaks() const {
    if (system_.flatpakConfigUnreadable)
        return std::nullopt;
    std::set<std::string> ids;
    bool any = false;
    for (const Location& installation : flatpakInstallations()) {
        const InstalledNames names = InstalledNames::read(installation / "app");
        if (names.state() == InstalledNames::State::Unreadable)
            return std::nullopt;
        if (names.state() == InstalledNames::State::Listed) {
            any = true;
            ids.insert(names.names().begin(), names.names().end());
        }
    }
    if (!any)
        return std::nullopt;
    if (system_.flatpakProgram) {
        // An app the folders miss but flatpak lists is installed all the same
        // (an installation we do not know of); no answer is no certainty.
        const auto listed = PackageManagerList::flatpakApps(*system_.flatpakProgram);
        if (!listed)
            return std::nullopt;
        ids.insert(listed->begin(), listed->end());
    }
    return ids;
}

std::optional<std::set<std::string>> LinuxLayout::installedSnaps() const {
    const InstalledNames names = InstalledNames::read(system_.snapRoot);
    if (names.state() != InstalledNames::State::Listed)
        return std::nullopt;
    std::set<std::string> installed = names.names();
    if (system_.snapProgram) {
        const auto listed = PackageManagerList::snaps(*system_.snapProgram);
        if (!listed)
            return std::nullopt;
        installed.insert(listed->begin(), listed->end());
    }
    return installed;
}

void LinuxLayout::loadCatalogue() {
    catalogue_.load(catalogueDataDirs(), system_.locale);
    flatpaks_ = installedFlatpaks();
    snaps_ = installedSnaps();
    loaded_ = true;
}

std::vector<std::shared_ptr<CacheItem>> LinuxLayout::caches(SizeMemo& sizes, ByteCount& total) {
    loadCatalogue();
    std::vector<std::shared_ptr<CacheItem>> candidates;
    auto candidate = [&](std::shared_ptr<ApplicationItem> record, const QString& name, const Location& folder,
                         const Location& measured) {
        std::shared_ptr<CacheItem> item;
        if (record) {
            item = CacheItem::withApplicationItem(*record);
        } else {
            item = std::make_shared<CacheItem>();
            item->label = name;
            item->image = IconRef::fileSystemIconOf(folder);
        }
        item->url = measured;
        candidates.push_back(std::move(item));
    };

    for (const auto& e : listReachable(dirs_.cacheHome, true)) {
        const QString name = DisplayName::of(e.path);
        candidate(catalogue_.owner(name), name, e.path, e.path);
    }
    // A Flatpak application's own cache; an application known to be gone is
    // a leftover as a whole instead.
    for (const auto& e : listReachable(dirs_.home / ".var/app", true)) {
        if (flatpaks_ && !flatpaks_->count(e.name))
            continue;
        const Location cache = e.path / "cache";
        if (!isReal(e.path, S_IFDIR) || !isReal(cache, S_IFDIR))
            continue;
        const QString id = text(e.name);
        auto record = catalogue_.byId(id);
        candidate(record ? record : catalogue_.owner(id), id, e.path, cache);
    }

    // Developer tools' download caches elsewhere in the home, under the
    // tool's name; one reached through a link is noted and left.
    for (const ToolCaches::Place& place : ToolCaches::places(dirs_, dirs_.environment))
        if (reachable(place.folder) && isReal(place.folder, S_IFDIR))
            candidate(nullptr, place.label, place.folder, place.folder);

    std::vector<Location> locations;
    for (const auto& c : candidates)
        locations.push_back(c->url);
    const std::vector<ByteCount> each = sizes.locationSizes(locations);
    std::vector<std::shared_ptr<CacheItem>> result;
    total = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        candidates[i]->size = each[i];
        total += each[i];
        if (each[i] > 0)
            result.push_back(candidates[i]);
    }
    std::stable_sort(result.begin(), result.end(), [](const auto& a, const auto& b) {
        return LocalizedText::localizedCaseInsensitiveCompare(a->label, b->label) < 0;
    });
    return result;
}

std::vector<std::shared_ptr<LargeFile>> LinuxLayout::logs(SizeMemo& sizes, ByteCount& total) {
    std::vector<Location> found;
    // Regular files only: a log linked to /dev/null is how someone turned it off.
    for (const char* name : {".xsession-errors", ".xsession-errors.old"})
        if (isReal(dirs_.home / name, S_IFREG))
            found.push_back(dirs_.home / name);
    for (const auto& e : listReachable(dirs_.dataHome / "xorg", true))
        if ((e.name.ends_with(".log") || e.name.ends_with(".log.old")) && isReal(e.path, S_IFREG))
            found.push_back(e.path);
    auto files = measured(found, sizes, total);
    sortByName(files);
    return files;
}

std::vector<std::shared_ptr<RemainderItem>> LinuxLayout::remainders(SizeMemo& sizes, ByteCount& total) {
    if (!loaded_)
        loadCatalogue();
    struct Group {
        QString label;
        std::string id;
        Location folder;
    };
    std::vector<Group> groups;
    if (flatpaks_) {
        for (const auto& e : listReachable(dirs_.home / ".var/app", true))
            if (!flatpaks_->count(e.name) && isReal(e.path, S_IFDIR))
                groups.push_back({Remainders::setLabel(text(e.name)), e.name, e.path});
    }
    if (snaps_) {
        for (const auto& e : listReachable(dirs_.home / "snap", true))
            if (!snaps_->count(e.name) && isReal(e.path, S_IFDIR))
                groups.push_back({text(e.name), e.name, e.path});
    }

    std::vector<Location> folders;
    for (const auto& g : groups)
        folders.push_back(g.folder);
    const std::vector<ByteCount> each = sizes.folderSizes(folders);
    std::vector<std::shared_ptr<RemainderItem>> result;
    total = 0;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (each[i] <= 0)
            continue;
        auto item = std::make_shared<RemainderItem>();
        item->label = groups[i].label;
        item->bundle = text(groups[i].id);
        item->files = {groups[i].folder};
        item->size = each[i];
        total += each[i];
        result.push_back(std::move(item));
    }
    std::stable_sort(result.begin(), result.end(), [](const auto& a, const auto& b) {
        return LocalizedText::localizedCaseInsensitiveCompare(a->label, b->label) < 0;
    });
    return result;
}

const std::vector<std::string>& LinuxLayout::installerExtensions() {
    static const std::vector<std::string> extensions = {
        "dmg", "pkg", "ipa", "apk", "deb", "rpm", "AppImage", "flatpakref", "flatpak", "snap", "run"};
    return extensions;
}

std::vector<std::shared_ptr<LargeFile>> LinuxLayout::installs(SizeMemo& sizes, ByteCount& total) {
    std::vector<Location> candidates;
    const auto& extensions = installerExtensions();
    for (const char* folder : {"Downloads", "Desktop", "Documents"}) {
        for (auto& e : listReachable(dirs_.home / folder, true)) {
            const std::string ext = DirectoryListing::pathExtension(e.name);
            if (std::find(extensions.begin(), extensions.end(), ext) != extensions.end())
                candidates.push_back(std::move(e.path));
        }
    }
    auto files = measured(candidates, sizes, total);
    sortByName(files);
    return files;
}

} // namespace dovrel
