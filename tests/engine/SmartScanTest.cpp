#include "engine/SmartScan.h"
#include "catalogue/Application.h"
#include "catalogue/Cache.h"
#include "catalogue/Remainders.h"
#include "engine/Cleaner.h"
#include "engine/HandOver.h"
#include "engine/KeepList.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/NotificationCenter.h"
#include "support/BundleBuilder.h"
#include "support/CatalogueHomeTest.h"
#include "support/FixtureTree.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <map>
#include <thread>

using namespace dovrel;
using dovrel::test::BundleBuilder;
using dovrel::test::CatalogueHomeTest;
using dovrel::test::FixtureTree;
using dovrel::test::TempDir;

namespace {

class SmartScanTest : public CatalogueHomeTest {
protected:
    Remainders remainders{home, apps, &cache, &application};
    Cleaner cleaner{home, &cache, &remainders};

    void SetUp() override {
        CatalogueHomeTest::SetUp();
        install(apps / "Keeper.app", "com.keeper.Keeper");
    }
    void scan() { cleaner.smart_clean_with_complete_handler({}); }
    static std::vector<std::string> names(const std::shared_ptr<CleanerItem>& category) {
        std::vector<std::string> out;
        for (const auto& e : *category->items)
            out.push_back(std::get<std::shared_ptr<LargeFile>>(e)->url_file.filename().string());
        return out;
    }
    static std::vector<QString> sourceTypes(const std::shared_ptr<CleanerItem>& category) {
        std::vector<QString> out;
        for (const auto& e : *category->items)
            out.push_back(std::get<std::shared_ptr<CleanerItem>>(e)->type);
        return out;
    }
    ByteCount sumOfTotals() const {
        return cleaner.totalCacheSize + cleaner.totalLogsSize + cleaner.totalRemaindersSize +
               cleaner.totalBrowserSize + cleaner.totalMailsSize + cleaner.totalInstallSize +
               cleaner.totalTrashSize;
    }
};

TEST_F(SmartScanTest, ChromeNeedsItsApplicationCacheAndThenCountsWhateverExists) {
    const std::string chrome = "ann/Library/Application Support/Google/Chrome/Default/";
    tree.file(chrome + "Local Storage/x", 40);
    scan();
    EXPECT_EQ(cleaner.browser_chrome_item, nullptr);
    EXPECT_EQ(cleaner.totalBrowserSize, 0);

    tree.file(chrome + "Application Cache/a", 10);
    tree.file(chrome + "Thumbnails/t", 5);
    scan();
    ASSERT_NE(cleaner.browser_chrome_item, nullptr);
    EXPECT_EQ(cleaner.browser_chrome_item->files->size(), 6u); // all six, existing or not
    EXPECT_EQ(cleaner.browser_chrome_item->size, 55);
    EXPECT_EQ(cleaner.browser_chrome_item->group, "browsers");
}

TEST_F(SmartScanTest, FirefoxProfilesWithoutStorageStillMakeASourceAndSafariComesAndGoes) {
    tree.file("ann/Library/Application Support/Firefox/Profiles/a.default/prefs.js", 99);
    tree.file("ann/Library/Safari/LocalStorage/s", 30);
    scan();
    ASSERT_NE(cleaner.browser_mozilla_item, nullptr);
    EXPECT_EQ(cleaner.browser_mozilla_item->size, 0);
    EXPECT_TRUE(cleaner.browser_mozilla_item->files->empty());
    EXPECT_EQ(sourceTypes(cleaner.browser_item), (std::vector<QString>{"mozilla", "safari"}));
    EXPECT_EQ(cleaner.totalBrowserSize, 30);

    std::filesystem::remove_all(lib / "Safari/LocalStorage");
    scan();
    EXPECT_EQ(cleaner.browser_safari_item, nullptr);
    EXPECT_EQ(sourceTypes(cleaner.browser_item), std::vector<QString>{"mozilla"});
    EXPECT_EQ(cleaner.totalBrowserSize, 0);
}

TEST_F(SmartScanTest, MailSourcesAndTheirInclusionRules) {
    tree.folder("ann/Library/Containers/com.apple.mail/Data/Library/Mail Downloads");
    const std::string airmail = "ann/Library/Group Containers/2E337YPCZY.airmail/Library/Application "
                                "Support/it.bloop.airmail2/Airmail/";
    tree.folder(airmail);
    tree.folder(
        "ann/Library/Group Containers/3L68KQB4HG.group.com.readdle.smartemail/databases/messagesData");
    scan();
    // Empty system mail downloads: not an item; Airmail and Spark always when their root exists.
    ASSERT_NE(cleaner.apple_mail_item, nullptr);
    EXPECT_EQ(sourceTypes(cleaner.mails_item), (std::vector<QString>{"airmail", "spark"}));
    EXPECT_EQ(cleaner.airmail_item->files->size(), 1u); // General/Tmp only
    EXPECT_EQ(cleaner.airmail_item->files->back(),
              lib / "Group Containers/2E337YPCZY.airmail/Library/Application "
                    "Support/it.bloop.airmail2/Airmail/General/Tmp");

    tree.file("ann/Library/Containers/com.apple.mail/Data/Library/Mail Downloads/X/a.pdf", 70);
    tree.file(airmail + "acct/AttachmentsNg/c.pdf", 20);
    tree.file("ann/Library/Group Containers/3L68KQB4HG.group.com.readdle.smartemail/databases/messagesData/m",
              3);
    scan();
    EXPECT_EQ(sourceTypes(cleaner.mails_item), (std::vector<QString>{"apple-mail", "airmail", "spark"}));
    EXPECT_EQ(cleaner.totalMailsSize, 93);
}

TEST_F(SmartScanTest, InstallationFilesByExactExtensionAndPlace) {
    tree.file("ann/Downloads/Installer.dmg", 10);
    tree.file("ann/Downloads/App.apk", 20);
    tree.file("ann/Downloads/Setup.DMG", 30);           // case differs: no
    tree.file("ann/Downloads/Old/Old.dmg", 40);         // subfolder: no
    tree.file("ann/Downloads/.hidden.dmg", 50);         // hidden: no
    tree.file("ann/Downloads/Tool.pkg/Contents/x", 60); // folder-style package: all it holds
    tree.symlink("ann/Downloads/Linked.pkg", "Old");    // a link: itself (3 bytes), not what it names
    tree.file("ann/Desktop/b.ipa", 1);
    tree.file("ann/Desktop/Photos.dmg/a/b", 5000); // a user's folder so named: all it holds
    tree.file("ann/Documents/c.pkg", 2);
    tree.file("ann/Library/Application Support/V/App.apk", 70);           // apk not matched here
    tree.file("ann/Library/Application Support/V/Pack.pkg/Inner.pkg", 3); // inside a matched package: listed
    tree.file("ann/Library/Application Support/V/.h/hidden.dmg", 80);     // hidden folder: not entered
    scan();
    EXPECT_EQ(names(cleaner.install_files_item),
              (std::vector<std::string>{"App.apk", "b.ipa", "c.pkg", "Inner.pkg", "Installer.dmg",
                                        "Linked.pkg", "Pack.pkg", "Photos.dmg", "Tool.pkg"}));
    std::map<std::string, ByteCount> sizes;
    for (const auto& e : *cleaner.install_files_item->items) {
        const auto& file = std::get<std::shared_ptr<LargeFile>>(e);
        sizes[file->url_file.filename().string()] = file->size;
    }
    // What each shows is what removing it frees.
    EXPECT_EQ(sizes["Tool.pkg"], 60);
    EXPECT_EQ(sizes["Photos.dmg"], 5000);
    EXPECT_EQ(sizes["Pack.pkg"], 3);
    EXPECT_EQ(sizes["Linked.pkg"], 3);
    // Inner.pkg goes with Pack.pkg: the total counts its bytes once.
    EXPECT_EQ(cleaner.totalInstallSize, 10 + 20 + 1 + 2 + 60 + 3 + 5000 + 3);
    EXPECT_EQ(cleaner.scanned_sizes.at(cleaner.url_home->native() +
                                       "/Library/Application Support/V/Pack.pkg/Inner.pkg"),
              3);
}

TEST_F(SmartScanTest, LogsSortedByNameTrashInListingOrderHiddenRules) {
    tree.file("ann/Library/Logs/Beta.log", 2);
    tree.file("ann/Library/Logs/alpha.log", 1);
    tree.file("ann/Library/Logs/.hidden.log", 100);
    tree.file("ann/Library/Logs/Sub/inner.log", 7);
    tree.file("ann/.Trash/.hidden", 10);
    tree.file("ann/.Trash/b", 20);
    tree.file("ann/.Trash/Folder/c", 30);
    tree.symlink("ann/.Trash/dangling", tmp / "nowhere");
    scan();
    EXPECT_EQ(names(cleaner.apps_logs_item), (std::vector<std::string>{"alpha.log", "Beta.log", "Sub"}));
    EXPECT_EQ(cleaner.totalLogsSize, 10);
    auto trash = names(cleaner.trash_item);
    std::vector<std::string> listing;
    for (const auto& e : std::filesystem::directory_iterator(home / ".Trash"))
        if (std::filesystem::exists(e.path()))
            listing.push_back(e.path().filename().string());
    EXPECT_EQ(trash, listing); // listing order, hidden included, dangling link skipped
    EXPECT_EQ(cleaner.totalTrashSize, 60);
}

TEST_F(SmartScanTest, RowsTotalsAndIdentitiesAreConsistentAndRepeatable) {
    tree.file("ann/Library/Caches/com.some.cache/x", 11);
    tree.file("ann/Library/Preferences/com.gone.app.plist", 12);
    tree.file("ann/Library/Logs/l.log", 13);
    tree.file("ann/.Trash/t", 14);
    scan();
    ASSERT_EQ(cleaner.smart_outline_items.size(), 7u);
    const char* tags[] = {"caches", "logs", "remainders", "browsers", "mails", "installs", "trash"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(cleaner.smart_outline_items[i]->type, tags[i]);
    EXPECT_EQ(cleaner.smart_outline_items[0]->label, "Applications caches");
    EXPECT_EQ(cleaner.smart_outline_items[6]->label, "Trash Bin");
    EXPECT_EQ(cleaner.total_smart_size.load(), sumOfTotals());
    EXPECT_EQ(cleaner.total_smart_size.load(), 11 + 12 + 13 + 14 + 11); // the cache is also a leftover
    EXPECT_TRUE(cleaner.scanned_identities.count((home / ".Trash/t").native()));
    EXPECT_TRUE(cleaner.scanned_identities.count((lib / "Caches/com.some.cache").native()));

    const ByteCount first = cleaner.total_smart_size.load();
    scan();
    EXPECT_EQ(cleaner.total_smart_size.load(), first);
    EXPECT_EQ(cleaner.smart_outline_items.size(), 7u);
}

TEST_F(SmartScanTest, NoHomeGrantLeavesEveryCategoryEmpty) {
    Cache noCache(std::nullopt, std::nullopt, &application);
    Remainders noRemainders(std::nullopt, std::nullopt, &noCache, &application);
    Cleaner empty(std::nullopt, &noCache, &noRemainders);
    empty.smart_clean_with_complete_handler({});
    ASSERT_EQ(empty.smart_outline_items.size(), 7u);
    EXPECT_EQ(empty.total_smart_size.load(), 0);
    ASSERT_NE(empty.mails_item, nullptr);
    EXPECT_TRUE(empty.mails_item->items->empty());
}

TEST_F(SmartScanTest, NotificationsArriveInOrderOnTheMainThreadBeforeTheCompletion) {
    // Deliver what earlier scans queued, so only this scan's notifications count.
    QCoreApplication::processEvents();
    QObject owner;
    std::vector<QString> seen;
    bool onMain = true;
    const char* const names[] = {"smart_scan_logs",  "smart_scan_remainders", "smart_scan_browsers",
                                 "smart_scan_mails", "smart_scan_installs",   "smart_scan_trash"};
    for (const char* name : names)
        NotificationCenter::defaultCenter().addObserver(&owner, QString::fromLatin1(name), [&, name] {
            seen.push_back(QString::fromLatin1(name));
            onMain = onMain && QThread::currentThread() == QCoreApplication::instance()->thread();
        });
    std::atomic<bool> completed{false};
    std::thread::id handlerThread;
    std::thread worker([&] {
        cleaner.smart_clean_with_complete_handler([&] {
            handlerThread = std::this_thread::get_id();
            // The completion reaches the main thread after the six notifications.
            Dispatch::main_async([&] { completed = true; });
        });
    });
    QElapsedTimer timer;
    timer.start();
    while (!completed && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const std::thread::id workerId = worker.get_id();
    worker.join();
    ASSERT_TRUE(completed);
    EXPECT_EQ(handlerThread, workerId);
    EXPECT_TRUE(onMain);
    std::vector<QString> expected;
    for (const char* name : names)
        expected.push_back(QString::fromLatin1(name));
    EXPECT_EQ(seen, expected);
}

} // namespace

// The keep list holds back what it names: a kept location leaves its
// category (entries and size), a leftover group with one kept location keeps
// the others, smaller, and what was held back is recorded with its keeper.
// Paths are stored byte for byte, links resolved when added.
TEST_F(SmartScanTest, TheKeepListHoldsBackWhatItNamesAndIsStoredExactly) {
    tree.file("ann/Library/Preferences/com.gone.app.plist", 12);
    tree.file("ann/Library/Caches/com.gone.app/data", 30);
    tree.file("ann/.Trash/keep\xff.txt", 14);
    tree.file("ann/.Trash/other", 5);
    Defaults store(QStringLiteral("kept"), tmp / "kept.json");
    KeepList list(store);
    std::string error;
    tree.symlink("trashlink", home / ".Trash");
    ASSERT_TRUE(list.add(tmp / "trashlink/keep\xff.txt", error)) << error;
    ASSERT_TRUE(list.add(home / "Library/Preferences/com.gone.app.plist/", error)) << error;
    ASSERT_TRUE(list.add(home / "Library/Preferences/com.gone.app.plist", error)); // stored once
    EXPECT_FALSE(list.add(home / "nothing-here", error));
    EXPECT_EQ(*list.paths(), (std::vector<Location>{home / ".Trash/keep\xff.txt",
                                                    home / "Library/Preferences/com.gone.app.plist"}));

    scan();
    const ByteCount leftoversBefore = cleaner.totalRemaindersSize;
    const ByteCount trashBefore = cleaner.totalTrashSize;
    cleaner.keep_list = &list;
    scan();
    EXPECT_EQ(names(cleaner.trash_item), std::vector<std::string>{"other"});
    EXPECT_EQ(cleaner.totalTrashSize, trashBefore - 14);
    EXPECT_EQ(cleaner.totalRemaindersSize, leftoversBefore - 12);
    for (const ResultEntry& e : *cleaner.apps_remainders_item->items)
        for (const Location& l : HandOver::locationsOf(e))
            EXPECT_NE(l.filename(), "com.gone.app.plist");
    ASSERT_EQ(cleaner.kept_locations.size(), 2u);
    EXPECT_EQ(cleaner.smart_outline_items[6]->kept, 1);

    EXPECT_TRUE(list.remove(tmp / "trashlink/keep\xff.txt", error)) << error;
    EXPECT_FALSE(list.remove(tmp / "trashlink/keep\xff.txt", error));
    EXPECT_EQ(list.paths()->size(), 1u);
}
