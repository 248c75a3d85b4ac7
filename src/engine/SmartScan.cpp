#include "engine/SmartScan.h"

#include "catalogue/Cache.h"
#include "catalogue/Remainders.h"
#include "engine/Cleaner.h"
#include "fs/DirectoryListing.h"
#include "fs/FolderWalk.h"
#include "fs/PathOps.h"
#include "platform/LocalizedText.h"
#include "platform/NotificationCenter.h"

#include <QCoreApplication>

#include <algorithm>
#include <sys/stat.h>

namespace dovrel {

const char* const SmartScan::kCategoryTags[7] = {"caches", "logs",     "remainders", "browsers",
                                                 "mails",  "installs", "trash"};

const char* const SmartScan::kCategoryLabels[7] = {
    QT_TRANSLATE_NOOP("SmartScan", "Applications caches"),
    QT_TRANSLATE_NOOP("SmartScan", "Applications logs"),
    QT_TRANSLATE_NOOP("SmartScan", "Applications remainders"),
    QT_TRANSLATE_NOOP("SmartScan", "Browsers"),
    QT_TRANSLATE_NOOP("SmartScan", "Mail attachments"),
    QT_TRANSLATE_NOOP("SmartScan", "Installation files"),
    QT_TRANSLATE_NOOP("SmartScan", "Trash Bin"),
};

const char* const SmartScan::kCategoryImages[7] = {"Smart cache",    "Smart logs",  "Smart remainders",
                                                   "Smart browsers", "Smart mails", "Smart installs",
                                                   "Smart trash"};

const char* const SmartScan::kNotifications[6] = {
    "smart_scan_logs",  "smart_scan_remainders", "smart_scan_browsers",
    "smart_scan_mails", "smart_scan_installs",   "smart_scan_trash",
};

namespace {

QString nameOf(const Location& location) {
    const std::string bytes = location.filename().native();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::vector<ResultEntry> entriesOf(const auto& records) {
    std::vector<ResultEntry> out;
    out.reserve(records.size());
    for (const auto& r : records)
        out.emplace_back(r);
    return out;
}

} // namespace

SmartScan::SmartScan(Cleaner& cleaner) : cleaner_(cleaner), sizes_(cleaner.scan_threads) {}

Location SmartScan::inLibrary(const char* relative) const {
    // Appending keeps a leading "/" from replacing the whole path.
    while (*relative == '/')
        ++relative;
    return *cleaner_.url_library / relative;
}

void SmartScan::remember(const Location& location) {
    struct stat st {};
    if (PathOps::status(location, st, false))
        cleaner_.scanned_identities[location.native()] = FileIdentity::of(st);
}

void SmartScan::finish(int category, std::shared_ptr<CleanerItem>& slot, std::shared_ptr<CleanerItem> result,
                       ByteCount& total) {
    const QString tag = QString::fromLatin1(kCategoryTags[category]);
    result->type = tag;
    slot = result;
    auto row = SmartOutlineItem::init_with_label(
        QCoreApplication::translate("SmartScan", kCategoryLabels[category]), result->size, tag,
        IconRef::resource(QString::fromLatin1(kCategoryImages[category])));
    cleaner_.smart_outline_items.push_back(row);
    cleaner_.total_smart_size.fetch_add(result->size);
    total = result->size;
    // The last category announces nothing: the completion handler follows.
    if (category < 6)
        NotificationCenter::defaultCenter().postAsync(QString::fromLatin1(kNotifications[category]));
}

void SmartScan::run() {
    Cleaner& c = cleaner_;
    c.smart_outline_items.clear();
    c.total_smart_size.store(0);
    c.scanned_identities.clear();

    finish(0, c.apps_caches_item, scanCaches(), c.totalCacheSize);
    finish(1, c.apps_logs_item, scanLogs(), c.totalLogsSize);
    finish(2, c.apps_remainders_item, scanRemainders(), c.totalRemaindersSize);
    finish(3, c.browser_item, scanBrowsers(), c.totalBrowserSize);
    finish(4, c.mails_item, scanMails(), c.totalMailsSize);
    finish(5, c.install_files_item, scanInstalls(), c.totalInstallSize);
    finish(6, c.trash_item, scanTrash(), c.totalTrashSize);
}

std::shared_ptr<CleanerItem> SmartScan::scanCaches() {
    auto result = std::make_shared<CleanerItem>();
    Cache* cache = cleaner_.cache();
    auto items = cache->smart_caches(&sizes_);
    for (const auto& i : items)
        remember(i->url);
    result->items = entriesOf(items);
    result->size = cache->totalCacheSize;
    return result;
}

std::shared_ptr<CleanerItem> SmartScan::scanRemainders() {
    auto result = std::make_shared<CleanerItem>();
    Remainders* remainders = cleaner_.remainders();
    auto items = remainders->smart_remianders(&sizes_);
    for (const auto& i : items)
        for (const Location& f : i->files)
            remember(f);
    result->items = entriesOf(items);
    result->size = remainders->totalRemaidersSize;
    return result;
}

std::vector<std::shared_ptr<LargeFile>> SmartScan::measureEntries(const std::vector<Location>& entries) {
    std::vector<Location> existing;
    for (const Location& e : entries)
        if (PathOps::exists(e))
            existing.push_back(e);
    const std::vector<ByteCount> sizes = sizes_.locationSizes(existing);
    std::vector<std::shared_ptr<LargeFile>> files;
    files.reserve(existing.size());
    for (std::size_t i = 0; i < existing.size(); ++i) {
        files.push_back(LargeFile::init_with_file_url(existing[i], nameOf(existing[i]), sizes[i], QString()));
        remember(existing[i]);
    }
    return files;
}

void SmartScan::sortByName(std::vector<std::shared_ptr<LargeFile>>& files) {
    std::stable_sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return LocalizedText::localizedCaseInsensitiveCompare(a->name, b->name) < 0;
    });
}

std::shared_ptr<CleanerItem> SmartScan::scanLogs() {
    auto result = std::make_shared<CleanerItem>();
    std::vector<Location> entries;
    if (cleaner_.url_logs)
        for (auto& e : DirectoryListing::list(*cleaner_.url_logs, true))
            entries.push_back(std::move(e.path));
    auto files = measureEntries(entries);
    sortByName(files);
    ByteCount total = 0;
    for (const auto& f : files)
        total += f->size;
    result->items = entriesOf(files);
    result->size = total;
    return result;
}

std::shared_ptr<CleanerItem> SmartScan::source(std::vector<Location> files, ByteCount size, const char* type,
                                               const char* group) {
    auto item = std::make_shared<CleanerItem>();
    item->files = std::move(files);
    item->size = size;
    item->type = QString::fromLatin1(type);
    item->group = QString::fromLatin1(group);
    return item;
}

std::shared_ptr<CleanerItem> SmartScan::scanBrowsers() {
    Cleaner& c = cleaner_;
    c.browser_chrome_item.reset();
    c.browser_mozilla_item.reset();
    c.browser_safari_item.reset();
    auto result = std::make_shared<CleanerItem>();
    std::vector<ResultEntry> items;
    ByteCount total = 0;

    if (c.url_library) {
        static const char* const chrome[] = {
            "Application Support/Google/Chrome/Default/Application Cache",
            "Application Support/Google/Chrome/Default/Local Storage",
            "Application Support/Google/Chrome/Default/Storage",
            "Application Support/Google/Chrome/Default/Sync Data",
            "Application Support/Google/Chrome/Default/Thumbnails",
            "Application Support/Google/Chrome/Default/Session Storage",
        };
        if (PathOps::exists(inLibrary(chrome[0]))) {
            std::vector<Location> files;
            for (const char* rel : chrome)
                files.push_back(inLibrary(rel));
            const ByteCount size = sizes_.overall_size_of_files(files);
            c.browser_chrome_item = source(std::move(files), size, "chrome", "browsers");
        }

        const Location profiles = inLibrary("Application Support/Firefox/Profiles");
        if (PathOps::exists(profiles)) {
            std::vector<Location> files;
            for (const auto& e : DirectoryListing::list(profiles, true)) {
                Location storage = e.path / "storage";
                if (PathOps::exists(storage))
                    files.push_back(std::move(storage));
            }
            const ByteCount size = sizes_.overall_size_of_files(files);
            c.browser_mozilla_item = source(std::move(files), size, "mozilla", "browsers");
        }

        const Location safari = inLibrary("Safari/LocalStorage");
        if (PathOps::exists(safari))
            c.browser_safari_item = source({safari}, sizes_.folderSize(safari), "safari", "browsers");
    }

    for (const auto& s : {c.browser_chrome_item, c.browser_mozilla_item, c.browser_safari_item}) {
        if (!s)
            continue;
        for (const Location& f : *s->files)
            remember(f);
        items.emplace_back(s);
        total += s->size;
    }
    result->items = std::move(items);
    result->size = total;
    return result;
}

std::shared_ptr<CleanerItem> SmartScan::scanMails() {
    Cleaner& c = cleaner_;
    c.airmail_item.reset();
    c.spark_mail_item.reset();
    auto result = std::make_shared<CleanerItem>();

    // The system mail application's downloads: always made.
    {
        auto apple = std::make_shared<CleanerItem>();
        apple->type = QStringLiteral("apple-mail");
        apple->group = QStringLiteral("mail-clients");
        if (c.url_mails) {
            if (auto listed = DirectoryListing::listIfReadable(*c.url_mails, true)) {
                std::vector<Location> files;
                for (auto& e : *listed)
                    files.push_back(std::move(e.path));
                apple->size = sizes_.overall_size_of_files(files);
                apple->files = std::move(files);
            }
        }
        c.apple_mail_item = apple;
    }

    if (c.url_library) {
        const Location airmail = inLibrary(
            "Group Containers/2E337YPCZY.airmail/Library/Application Support/it.bloop.airmail2/Airmail/");
        if (PathOps::exists(airmail)) {
            std::vector<Location> files;
            for (const auto& e : DirectoryListing::list(airmail, true))
                files.push_back(e.path / "AttachmentsNg");
            files.push_back(airmail / "General/Tmp");
            const ByteCount size = sizes_.overall_size_of_files(files);
            c.airmail_item = source(std::move(files), size, "airmail", "mail-clients");
        }

        const Location spark =
            inLibrary("/Group Containers/3L68KQB4HG.group.com.readdle.smartemail/databases/messagesData");
        if (PathOps::exists(spark)) {
            std::vector<Location> files;
            for (auto& e : DirectoryListing::list(spark, true))
                files.push_back(std::move(e.path));
            const ByteCount size = sizes_.overall_size_of_files(files);
            c.spark_mail_item = source(std::move(files), size, "spark", "mail-clients");
        }
    }

    std::vector<ResultEntry> items;
    ByteCount total = 0;
    const auto& apple = c.apple_mail_item;
    if (apple->files && !apple->files->empty()) {
        items.emplace_back(apple);
        total += apple->size;
    }
    for (const auto& s : {c.airmail_item, c.spark_mail_item}) {
        if (!s)
            continue;
        items.emplace_back(s);
        total += s->size;
    }
    for (const auto& entry : items)
        for (const Location& f : *std::get<std::shared_ptr<CleanerItem>>(entry)->files)
            remember(f);
    result->items = std::move(items);
    result->size = total;
    return result;
}

std::shared_ptr<CleanerItem> SmartScan::scanInstalls() {
    Cleaner& c = cleaner_;
    auto result = std::make_shared<CleanerItem>();
    std::vector<Location> candidates;

    if (c.url_home) {
        const Location folders[] = {*c.url_downloads, *c.url_home / "Desktop", *c.url_home / "Documents"};
        for (const Location& folder : folders) {
            for (auto& e : DirectoryListing::list(folder, true)) {
                const std::string ext = DirectoryListing::pathExtension(e.name);
                if (ext == "dmg" || ext == "pkg" || ext == "ipa" || ext == "apk")
                    candidates.push_back(std::move(e.path));
            }
        }
    }
    if (c.url_library) {
        const Location support = *c.url_library / "Application Support";
        FolderWalk::Options options;
        options.skipHidden = true;
        options.sizes = false; // only names are needed here
        FolderWalk::walk(support, options, [&](const FolderWalk::Item& item) {
            const auto dot = item.name.rfind('.');
            if (dot != std::string_view::npos && dot > 0) {
                const std::string_view ext = item.name.substr(dot + 1);
                if (ext == "dmg" || ext == "pkg" || ext == "ipa")
                    candidates.push_back(item.path(support));
            }
            return true;
        });
    }

    // Each candidate at what removing it frees: a file (or a link) its own
    // size, a folder (a folder-style package, or a user's folder so named)
    // everything inside it. A candidate found inside a matched package is
    // listed too and counts again in the total, as overlapping leftover
    // groups do.
    const std::vector<ByteCount> sizes = sizes_.locationSizes(candidates);
    std::vector<std::shared_ptr<LargeFile>> files;
    ByteCount total = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Location& l = candidates[i];
        files.push_back(LargeFile::init_with_file_url(l, nameOf(l), sizes[i], QString()));
        total += sizes[i];
        remember(l);
    }
    sortByName(files);
    result->items = entriesOf(files);
    result->size = total;
    return result;
}

std::shared_ptr<CleanerItem> SmartScan::scanTrash() {
    auto result = std::make_shared<CleanerItem>();
    std::vector<Location> entries;
    if (cleaner_.url_trash)
        for (auto& e : DirectoryListing::list(*cleaner_.url_trash, false))
            entries.push_back(std::move(e.path));
    auto files = measureEntries(entries); // listing order is kept
    ByteCount total = 0;
    for (const auto& f : files)
        total += f->size;
    result->items = entriesOf(files);
    result->size = total;
    return result;
}

} // namespace dovrel
