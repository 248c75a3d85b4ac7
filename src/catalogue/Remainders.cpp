#include "catalogue/Remainders.h"

#include "catalogue/Application.h"
#include "catalogue/Cache.h"
#include "catalogue/InstalledBundles.h"
#include "engine/DirectoryListing.h"
#include "engine/LocalizedText.h"
#include "engine/SizeAccounting.h"
#include "engine/SizeMemo.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/NameText.h"

#include <QSet>

#include <algorithm>
#include <string>
#include <unordered_set>

namespace dovrel {

namespace {

enum class Folder { Caches, Containers, SavedState, Scripts, Preferences };

struct Listed {
    Location path;
    QString name;
    QString folded; // name folded for the case- and diacritic-insensitive test
    Folder folder;
};

// The identifier an entry stands for, by the rule of its folder.
QString candidateOf(const QString& name, Folder folder) {
    switch (folder) {
    case Folder::SavedState: {
        const qsizetype at = name.indexOf(QLatin1String(".savedState"));
        return at < 0 ? QString() : name.left(at);
    }
    case Folder::Preferences: {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        // "stringByDeletingPathExtension": a leading dot is not an extension.
        return dot > 0 ? name.left(dot) : name;
    }
    default:
        return name;
    }
}

} // namespace

Remainders* Remainders::sharedRemainder() {
    static Remainders* instance =
        new Remainders(Grant::resolve(Defaults::standard(), Grant::kHomeKey).folder,
                       Grant::resolve(Defaults::standard(), Grant::kApplicationsKey).folder);
    return instance;
}

Remainders::Remainders(std::optional<Location> home, std::optional<Location> applications, Cache* cache,
                       Application* application)
    : app_settings(&Defaults::standard()), url_applications(std::move(applications)),
      url_home(std::move(home)), cache_(cache), application_(application) {
    if (url_home)
        url_library = *url_home / "Library";
}

QString Remainders::setLabel(const QString& identifier) {
    const QStringList pieces = identifier.split(QLatin1Char('.'));
    const QString application = LocalizedText::capitalizedFirst(pieces.last());
    const QString vendor =
        pieces.size() > 1 ? LocalizedText::capitalizedFirst(pieces.at(1).toLower()) : QString();
    return QStringLiteral("%1 by %2").arg(application, vendor);
}

QString Remainders::nameKey(const Location& bundle) {
    QString name = NameText::fromBytes(bundle.filename().native());
    name.chop(4); // ".app", in whatever case
    return compact(name);
}

QString Remainders::compact(const QString& text) {
    QString out;
    for (const QChar c : LocalizedText::fold(text))
        if (c.isLetterOrNumber())
            out.append(c);
    return out;
}

bool Remainders::isHeldBack(const QString& identifier, const QStringList& unreadableKeys) {
    if (unreadableKeys.isEmpty())
        return false;
    const QString id = compact(identifier);
    return std::any_of(unreadableKeys.begin(), unreadableKeys.end(),
                       [&](const QString& key) { return id.endsWith(key); });
}

bool Remainders::isOwned(const QString& identifier, const QStringList& installedLower) {
    const QString lower = identifier.toLower();
    if (installedLower.contains(lower))
        return true;
    // Every dotted prefix with at least three pieces.
    qsizetype from = 0;
    int pieces = 0;
    for (;;) {
        const qsizetype dot = lower.indexOf(QLatin1Char('.'), from);
        if (dot < 0)
            break;
        ++pieces;
        if (pieces >= 3 && installedLower.contains(lower.left(dot)))
            return true;
        from = dot + 1;
    }
    return false;
}

std::vector<std::shared_ptr<RemainderItem>> Remainders::smart_remianders(SizeMemo* memo) {
    totalRemaidersSize = 0;
    Cache* cache = cache_ ? cache_ : Cache::sharedCache();
    Application* app = application_ ? application_ : Application::sharedApplication();
    // What is installed: the catalogue's bundles (every level of Documents,
    // Desktop and DerivedData, and its identifiers already read), plus every
    // bundle down to InstalledBundles::kMaxDepth levels in the folders the
    // catalogue looks at only shallowly: Applications ("Utilities" included),
    // Downloads and ~/Applications.
    std::vector<Location> applicationsFolder;
    if (url_applications)
        applicationsFolder = InstalledBundles::below(*url_applications);
    installedApplications = cache->applications_urls;
    std::unordered_set<std::string> listedBundles;
    for (const Location& url : installedApplications)
        listedBundles.insert(url.native());
    std::vector<Location> deeper = applicationsFolder;
    if (url_home)
        for (const char* place : {"Downloads", "Applications"})
            for (Location& url : InstalledBundles::below(*url_home / place))
                deeper.push_back(std::move(url));
    for (Location& url : deeper)
        if (listedBundles.insert(url.native()).second)
            installedApplications.push_back(std::move(url));

    std::vector<std::shared_ptr<RemainderItem>> result;
    // Without a trustworthy catalogue every identifier would look orphaned.
    if (!url_applications || !url_library || applicationsFolder.empty()) {
        remaindersItems = result;
        return result;
    }

    // Installed identifiers. The catalogue pass has read its bundles already
    // (the `bundles` keys); only the others are read here. A bundle whose
    // identifier cannot be read, or is blank, leaves its name as a key instead.
    const auto isBlank = [](const std::optional<QString>& id) { return !id || id->trimmed().isEmpty(); };
    QStringList installed;
    std::unordered_set<std::string> identified;
    for (const auto& record : cache->bundles) {
        if (isBlank(record->bundle))
            continue;
        installed.append(*record->bundle);
        identified.insert(record->url.native());
    }
    QStringList unreadableKeys;
    for (const Location& url : installedApplications) {
        if (identified.contains(url.native()))
            continue;
        if (std::optional<QString> id = app->setBundle(url); !isBlank(id))
            installed.append(*id);
        else
            unreadableKeys.append(nameKey(url));
    }
    unreadableKeys.removeDuplicates();
    installed.removeIf([](const QString& id) { return id.contains(QLatin1String("com.apple")); });
    QStringList installedLower;
    for (const QString& id : installed)
        installedLower.append(id.toLower());
    installedLower.removeDuplicates();
    const auto isKept = [&](const QString& id) {
        return isOwned(id, installedLower) || isHeldBack(id, unreadableKeys);
    };

    // The five listings.
    const std::pair<const char*, Folder> folders[] = {
        {"Caches", Folder::Caches},
        {"Containers", Folder::Containers},
        {"Saved Application State", Folder::SavedState},
        {"Application Scripts", Folder::Scripts},
        {"Preferences", Folder::Preferences},
    };
    std::vector<Listed> listed;
    for (const auto& [name, kind] : folders) {
        for (auto& e : DirectoryListing::list(*url_library / name, true)) {
            QString text = NameText::fromBytes(e.name);
            QString folded = LocalizedText::fold(text);
            listed.push_back(Listed{std::move(e.path), std::move(text), std::move(folded), kind});
        }
    }

    // Candidate identifiers, in order of first appearance.
    QStringList candidates;
    QSet<QString> seen;
    for (const Listed& e : listed) {
        const QString id = candidateOf(e.name, e.folder);
        if (id.contains(QLatin1String("apple")) || id.split(QLatin1Char('.')).size() < 3)
            continue;
        if (seen.contains(id))
            continue;
        seen.insert(id);
        candidates.append(id);
    }

    // Entries that may join a group: not Apple's, not an installed app's own.
    std::vector<bool> collectable(listed.size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const Listed& e = listed[i];
        collectable[i] =
            !e.name.contains(QLatin1String("com.apple")) && !isKept(candidateOf(e.name, e.folder));
    }

    std::vector<std::shared_ptr<RemainderItem>> groups;
    for (const QString& id : candidates) {
        if (isKept(id))
            continue;
        auto item = std::make_shared<RemainderItem>();
        item->label = setLabel(id);
        item->bundle = id;
        const QString foldedId = LocalizedText::fold(id);
        for (std::size_t i = 0; i < listed.size(); ++i) {
            // Matched on the entry's name: the folders above it never carry an
            // identifier of three pieces, and the home folder's own path must
            // not pull every entry into a group.
            if (collectable[i] && LocalizedText::foldedContains(listed[i].folded, foldedId))
                item->files.push_back(listed[i].path);
        }
        groups.push_back(item);
    }

    SizeMemo localMemo;
    SizeMemo& sizes = memo ? *memo : localMemo;
    // Measure every distinct entry once (in parallel), then add up per group.
    std::vector<Location> distinct;
    std::unordered_set<std::string> taken;
    for (const auto& item : groups)
        for (const Location& f : item->files)
            if (taken.insert(f.native()).second)
                distinct.push_back(f);
    sizes.locationSizes(distinct);

    for (const auto& item : groups) {
        item->size = sizes.overall_size_of_files(item->files);
        totalRemaidersSize += item->size;
        if (item->size > 0)
            result.push_back(item);
    }

    std::stable_sort(result.begin(), result.end(), [](const auto& a, const auto& b) {
        return LocalizedText::localizedCaseInsensitiveCompare(a->label, b->label) < 0;
    });
    remaindersItems = result;
    return result;
}

ByteCount Remainders::overall_size_of_files(const std::vector<Location>& locations) const {
    return SizeAccounting::overall_size_of_files(locations);
}

ByteCount Remainders::overall_size_of_direcory(const Location& folder) const {
    return SizeAccounting::overall_size_of_direcory(folder);
}

} // namespace dovrel
