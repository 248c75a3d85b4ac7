#pragma once

#include "catalogue/ApplicationItem.h"
#include "catalogue/CacheItem.h"
#include "fs/Types.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace dovrel {

class Application;
class Defaults;
class SizeMemo;

// The catalogue of installed applications and the scan of their caches.
//
// A catalogue pass collects every bundle (an item whose extension is exactly
// "app") from six places, in order: the granted Applications folder (three
// levels, "Utilities" skipped), Downloads (one level), Documents and Desktop
// (every level), ~/Applications (one level) and Library/Developer/Xcode/
// DerivedData (every level); walks of every level enter bundles too. The caches
// scan then measures every folder directly in Library/Caches and the
// Data/Library/Caches folder of every container in Library/Containers.
//
// Not thread-safe: one pass at a time (the smart scan's worker).
class Cache {
public:
    static Cache* sharedCache();

    // A catalogue over explicit folders (tests, the headless front end).
    // `application` reads the bundles; the shared one when null.
    Cache(std::optional<Location> url_home, std::optional<Location> url_applications,
          Application* application = nullptr);

    // Takes other folders (a grant changed); same rules as the constructor.
    // Only between passes.
    void relocate(std::optional<Location> url_home, std::optional<Location> url_applications);

    Defaults* app_settings = nullptr;
    std::optional<Location> url_applications;
    std::optional<Location> url_home;
    std::optional<Location> url_library;

    // Every bundle of the last catalogue pass, in discovery order.
    std::vector<Location> applications_urls;

    QHash<QString, std::shared_ptr<ApplicationItem>> bundles;
    QHash<QString, std::shared_ptr<ApplicationItem>> names;

    std::vector<std::shared_ptr<CacheItem>> cacheItems;
    ByteCount totalCacheSize = 0;

    // Catalogue pass: the records with a bundle identifier, in discovery order.
    std::vector<std::shared_ptr<ApplicationItem>> installed_applications();

    // Catalogue pass, then the caches scan: the items of positive size sorted
    // by label. `memo` (optional) shares folder totals within one smart scan.
    std::vector<std::shared_ptr<CacheItem>> smart_caches(SizeMemo* memo = nullptr);

    ByteCount overall_size_of_files(const std::vector<Location>& locations) const;
    ByteCount overall_size_of_direcory(const Location& folder) const;

private:
    std::vector<Location> collectBundles();
    Application* application_;
};

} // namespace dovrel
