#include "engine/SourceScan.h"

#include "engine/DirectoryListing.h"
#include "engine/PathOps.h"
#include "engine/SizeMemo.h"

namespace dovrel {

Location SourceScan::inLibrary(const char* relative) const {
    // Appending keeps a leading "/" from replacing the whole path.
    while (*relative == '/')
        ++relative;
    return *places_.url_library / relative;
}

std::shared_ptr<CleanerItem> SourceScan::source(std::vector<Location> files, ByteCount size, const char* type,
                                                const char* group) {
    auto item = std::make_shared<CleanerItem>();
    item->files = std::move(files);
    item->size = size;
    item->type = QString::fromLatin1(type);
    item->group = QString::fromLatin1(group);
    return item;
}

std::shared_ptr<CleanerItem> SourceScan::category(const std::vector<std::shared_ptr<CleanerItem>>& included) {
    auto result = std::make_shared<CleanerItem>();
    std::vector<ResultEntry> items;
    ByteCount total = 0;
    for (const auto& s : included) {
        if (!s)
            continue;
        items.emplace_back(s);
        total += s->size;
    }
    result->items = std::move(items);
    result->size = total;
    return result;
}

std::shared_ptr<CleanerItem> SourceScan::browsers(SmartScanResult& r) {
    r.browser_chrome_item.reset();
    r.browser_mozilla_item.reset();
    r.browser_safari_item.reset();
    if (places_.url_library) {
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
            r.browser_chrome_item = source(std::move(files), size, "chrome", "browsers");
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
            r.browser_mozilla_item = source(std::move(files), size, "mozilla", "browsers");
        }

        const Location safari = inLibrary("Safari/LocalStorage");
        if (PathOps::exists(safari))
            r.browser_safari_item = source({safari}, sizes_.folderSize(safari), "safari", "browsers");
    }
    return category({r.browser_chrome_item, r.browser_mozilla_item, r.browser_safari_item});
}

std::shared_ptr<CleanerItem> SourceScan::mails(SmartScanResult& r) {
    r.airmail_item.reset();
    r.spark_mail_item.reset();

    // The system mail application's downloads: always made.
    auto apple = std::make_shared<CleanerItem>();
    apple->type = QStringLiteral("apple-mail");
    apple->group = QStringLiteral("mail-clients");
    if (places_.url_mails) {
        if (auto listed = DirectoryListing::listIfReadable(*places_.url_mails, true)) {
            std::vector<Location> files;
            for (auto& e : *listed)
                files.push_back(std::move(e.path));
            apple->size = sizes_.overall_size_of_files(files);
            apple->files = std::move(files);
        }
    }
    r.apple_mail_item = apple;

    if (places_.url_library) {
        const Location airmail = inLibrary(
            "Group Containers/2E337YPCZY.airmail/Library/Application Support/it.bloop.airmail2/Airmail/");
        if (PathOps::exists(airmail)) {
            std::vector<Location> files;
            for (const auto& e : DirectoryListing::list(airmail, true))
                files.push_back(e.path / "AttachmentsNg");
            files.push_back(airmail / "General/Tmp");
            const ByteCount size = sizes_.overall_size_of_files(files);
            r.airmail_item = source(std::move(files), size, "airmail", "mail-clients");
        }

        const Location spark =
            inLibrary("/Group Containers/3L68KQB4HG.group.com.readdle.smartemail/databases/messagesData");
        if (PathOps::exists(spark)) {
            std::vector<Location> files;
            for (auto& e : DirectoryListing::list(spark, true))
                files.push_back(std::move(e.path));
            const ByteCount size = sizes_.overall_size_of_files(files);
            r.spark_mail_item = source(std::move(files), size, "spark", "mail-clients");
        }
    }

    // An empty downloads folder is not a source worth showing.
    const bool appleShown = apple->files && !apple->files->empty();
    return category({appleShown ? apple : nullptr, r.airmail_item, r.spark_mail_item});
}

} // namespace dovrel
