#include "catalogue/Cache.h"

#include "catalogue/Application.h"
#include "catalogue/DisplayName.h"
#include "fs/DirectoryListing.h"
#include "fs/FolderWalk.h"
#include "fs/PathOps.h"
#include "fs/SizeAccounting.h"
#include "fs/SizeMemo.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/LocalizedText.h"

#include <algorithm>

namespace dovrel {

namespace {

bool isBundleName(const std::string& name) {
    return DirectoryListing::pathExtension(name) == "app";
}

// Every bundle at every level below a folder, hidden items skipped, bundles
// entered; in walk order.
void walkForBundles(const Location& folder, std::vector<Location>& out) {
    FolderWalk::Options options;
    options.skipHidden = true;
    options.sizes = false;
    FolderWalk::walk(folder, options, [&](const FolderWalk::Item& item) {
        if (isBundleName(std::string(item.name)))
            out.push_back(item.path(folder));
        return true;
    });
}

void listForBundles(const Location& folder, std::vector<Location>& out) {
    for (const auto& e : DirectoryListing::list(folder, true))
        if (isBundleName(e.name))
            out.push_back(e.path);
}

// A cache item labelled after its application when one owns the folder, else
// after the folder itself; `measured` is the folder whose size it reports.
std::shared_ptr<CacheItem> cacheItem(const ApplicationItem* record, const QString& folderName,
                                     const Location& folder, const Location& measured) {
    std::shared_ptr<CacheItem> item;
    if (record) {
        item = CacheItem::withApplicationItem(*record);
    } else {
        item = std::make_shared<CacheItem>();
        item->label = folderName;
        item->image = IconRef::fileSystemIconOf(folder);
    }
    item->url = measured;
    return item;
}

} // namespace

Cache* Cache::sharedCache() {
    static Cache* instance = new Cache(Grant::resolve(Defaults::standard(), Grant::kHomeKey).folder,
                                       Grant::resolve(Defaults::standard(), Grant::kApplicationsKey).folder);
    return instance;
}

Cache::Cache(std::optional<Location> home, std::optional<Location> applications, Application* application)
    : app_settings(&Defaults::standard()), url_applications(std::move(applications)),
      url_home(std::move(home)), application_(application) {
    if (url_home)
        url_library = *url_home / "Library";
}

void Cache::relocate(std::optional<Location> home, std::optional<Location> applications) {
    url_home = std::move(home);
    url_applications = std::move(applications);
    url_library = url_home ? std::optional<Location>(*url_home / "Library") : std::nullopt;
}

std::vector<Location> Cache::collectBundles() {
    std::vector<Location> found;

    // 1. The Applications folder, three levels deep, depth-first.
    if (url_applications) {
        for (const auto& first : DirectoryListing::list(*url_applications, true)) {
            if (isBundleName(first.name)) {
                found.push_back(first.path);
                continue;
            }
            if (first.name == "Utilities")
                continue;
            for (const auto& second : DirectoryListing::list(first.path, true)) {
                if (isBundleName(second.name)) {
                    found.push_back(second.path);
                    continue;
                }
                for (const auto& third : DirectoryListing::list(second.path, true))
                    if (isBundleName(third.name))
                        found.push_back(third.path);
            }
        }
    }

    if (url_home) {
        listForBundles(*url_home / "Downloads", found);
        walkForBundles(*url_home / "Documents", found);
        walkForBundles(*url_home / "Desktop", found);
        listForBundles(*url_home / "Applications", found);
    }
    if (url_library)
        walkForBundles(*url_library / "Developer/Xcode/DerivedData", found);
    return found;
}

std::vector<std::shared_ptr<ApplicationItem>> Cache::installed_applications() {
    Application* app = application_ ? application_ : Application::sharedApplication();
    std::vector<Location> found = collectBundles();

    std::vector<std::shared_ptr<ApplicationItem>> records;
    QHash<QString, std::shared_ptr<ApplicationItem>> byBundle;
    QHash<QString, std::shared_ptr<ApplicationItem>> byName;
    for (const Location& url : found) {
        auto record = std::make_shared<ApplicationItem>(app->application(url));
        if (!record->bundle)
            continue;
        records.push_back(record);
        byBundle.insert(*record->bundle, record); // later ones replace earlier ones
        byName.insert(record->label, record);
    }
    applications_urls = std::move(found);
    bundles = std::move(byBundle);
    names = std::move(byName);
    return records;
}

std::vector<std::shared_ptr<CacheItem>> Cache::smart_caches(SizeMemo* memo) {
    std::vector<std::shared_ptr<CacheItem>> result;
    totalCacheSize = 0;
    installed_applications();

    SizeMemo localMemo;
    SizeMemo& sizes = memo ? *memo : localMemo;

    // Collect the folders first, then measure them together.
    std::vector<std::shared_ptr<CacheItem>> candidates;
    if (url_library) {
        for (const auto& e : DirectoryListing::list(*url_library / "Caches", true)) {
            if (!PathOps::isDirectory(e.path))
                continue;
            const QString name = DisplayName::of(e.path);
            std::shared_ptr<ApplicationItem> record = bundles.value(name);
            if (!record)
                record = names.value(name);
            candidates.push_back(cacheItem(record.get(), name, e.path, e.path));
        }
        // Containers are matched by bundle identifier only.
        for (const auto& e : DirectoryListing::list(*url_library / "Containers", true)) {
            if (!PathOps::isDirectory(e.path))
                continue;
            const QString name = DisplayName::of(e.path);
            candidates.push_back(
                cacheItem(bundles.value(name).get(), name, e.path, e.path / "Data/Library/Caches"));
        }
    }

    std::vector<Location> measured;
    measured.reserve(candidates.size());
    for (const auto& c : candidates)
        measured.push_back(c->url);
    const std::vector<ByteCount> folderSizes = sizes.folderSizes(measured);
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        candidates[i]->size = folderSizes[i];
        totalCacheSize += folderSizes[i];
        if (folderSizes[i] > 0)
            result.push_back(candidates[i]);
    }

    std::stable_sort(result.begin(), result.end(), [](const auto& a, const auto& b) {
        return LocalizedText::localizedCaseInsensitiveCompare(a->label, b->label) < 0;
    });
    cacheItems = result;
    return result;
}

ByteCount Cache::overall_size_of_files(const std::vector<Location>& locations) const {
    return SizeAccounting::overall_size_of_files(locations);
}

ByteCount Cache::overall_size_of_direcory(const Location& folder) const {
    return SizeAccounting::overall_size_of_direcory(folder);
}

} // namespace dovrel
