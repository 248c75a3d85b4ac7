// The whole road in the real window, over a fixture home: the granted
// folders, the home screen, Scan, the outline with one category and one
// entry unticked, Remove, the completion screen, Done. On disk exactly the
// ticked locations are gone; everything else, inside the home and outside it,
// is byte for byte as it was.

#include "catalogue/Application.h"
#include "catalogue/Cache.h"
#include "catalogue/CacheItem.h"
#include "catalogue/Remainders.h"
#include "controls/ScanButton.h"
#include "controls/TransitionLabel.h"
#include "engine/Cleaner.h"
#include "engine/CleanupRun.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/gui/UserAccount.h"
#include "screens/ScreenCatalogue.h"
#include "screens/ScreenServices.h"
#include "screens/cleanup/CleanedViewController.h"
#include "screens/home/HomeViewController.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartCleanOutlineView.h"
#include "screens/results/SmartCleanViewController.h"
#include "shell/CleanerWindowController.h"
#include "shell/ScreenFactory.h"
#include "shell/ViewController.h"

#include "GuiTestSupport.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <QCryptographicHash>
#include <QPushButton>
#include <QTest>
#include <QThreadPool>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace dovrel {
namespace {

namespace fs = std::filesystem;

// One entry of the tree as lstat and its bytes show it.
struct Entry {
    char type = '?'; // d folder, f file, l link
    std::int64_t size = 0;
    QByteArray digest; // of the file's bytes or the link's target
    bool operator==(const Entry&) const = default;
};
using Snapshot = std::map<fs::path, Entry>;

Snapshot snapshotOf(const fs::path& root) {
    Snapshot out;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path& p = it->path();
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0)
            continue;
        Entry e;
        e.size = st.st_size;
        if (S_ISDIR(st.st_mode)) {
            e.type = 'd';
            e.size = 0; // a folder's own size follows what it holds
        } else if (S_ISLNK(st.st_mode)) {
            e.type = 'l';
            e.digest = QByteArray::fromStdString(fs::read_symlink(p).native());
        } else if (S_ISREG(st.st_mode)) {
            e.type = 'f';
            std::ifstream in(p, std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            e.digest =
                QCryptographicHash::hash(QByteArray::fromStdString(bytes.str()), QCryptographicHash::Sha256);
        }
        out[p] = e;
    }
    return out;
}

bool isWithin(const fs::path& p, const fs::path& location) {
    auto [end, _] = std::mismatch(location.begin(), location.end(), p.begin(), p.end());
    return end == location.end();
}

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        test::FixtureTree::makeHomeSkeleton(home);
        fs::create_directories(apps);
        services.cleaner = [this] { return &engine; };
        ScreenCatalogue::registerAll(factory, services);
    }
    void TearDown() override {
        EXPECT_TRUE(CleanupRun::shared().waitUntilIdle(std::chrono::seconds(60)));
        QThreadPool::globalInstance()->waitForDone(30000);
        test::spin(50);
        window.reset();
        test::spin();
        test::setTimeFactors(1, 1);
    }

    // Distinct bytes per file, so a file swapped for another would show.
    fs::path file(const fs::path& rel, int size) {
        std::string bytes(size_t(size), '\0');
        for (int i = 0; i < size; ++i)
            bytes[size_t(i)] = char((i * 31 + int(rel.native().size())) & 0xff);
        return tree.fileWith(rel, bytes);
    }
    Screen* content() const { return window->contentViewController()->viewcontrollerC(); }
    static std::int64_t totallyCleaned() {
        Defaults::standard().synchronize();
        return Defaults::standard().integerForKey(QStringLiteral("TotallyCleaned"));
    }
    static void clickCheckBox(SmartCleanViewController& results, const QModelIndex& row) {
        results.outlineview()->scrollTo(row);
        QTest::mouseClick(results.outlineview()->viewport(), Qt::LeftButton, {},
                          results.outlineview()->checkBoxCenter(row));
    }

    test::TempDir tmp;
    fs::path home = tmp / UserAccount::loginName().toStdString();
    fs::path apps = tmp / "Applications";
    fs::path victim = tmp / "victim"; // outside the home
    test::FixtureTree tree{home};
    Application application{home, apps};
    Cache cache{home, apps, &application};
    Remainders remainders{home, apps, &cache, &application};
    Cleaner engine{home, &cache, &remainders};
    ScreenServices services;
    ScreenFactory factory;
    std::unique_ptr<CleanerWindowController> window;
};

TEST_F(EndToEndTest, ScanUntickRemoveAndDoneTakeExactlyTheTickedLocations) {
    // Caches: three folders, one unticked by the user; one holds a link to
    // a folder outside the home.
    file("Library/Caches/com.example.gone/index.db", 40'000);
    file("Library/Caches/com.example.gone/blobs/0001", 12'345);
    file("Library/Caches/com.example.linked/cache.bin", 7'000);
    tree.symlink("Library/Caches/com.example.linked/outside", victim);
    file("Library/Caches/com.example.keep/data.bin", 9'000);
    // Logs: the whole category unticked.
    file("Library/Logs/app.log", 3'210);
    file("Library/Logs/DiagnosticReports/crash.log", 4'321);
    // Installation files and the Trash stay ticked.
    file("Downloads/Setup.dmg", 25'000);
    file("Downloads/notes.txt", 500);
    file(".Trash/old.mov", 30'000);
    file(".Trash/folder/a.txt", 111);
    file("Documents/letter.txt", 800);
    test::FixtureTree outside(victim);
    outside.fileWith("precious.txt", "not the cleaner's to take\n");
    outside.fileWith("sub/more.txt", "nor this\n");

    const std::vector<fs::path> ticked = {
        home / "Library/Caches/com.example.gone", home / "Library/Caches/com.example.linked",
        home / "Downloads/Setup.dmg", home / ".Trash/old.mov", home / ".Trash/folder"};
    const Snapshot before = snapshotOf(tmp.path());
    Snapshot expectedAfter;
    std::int64_t expectedFreed = 0;
    for (const auto& [path, entry] : before) {
        const bool removed =
            std::any_of(ticked.begin(), ticked.end(), [&](const fs::path& t) { return isWithin(path, t); });
        if (!removed)
            expectedAfter.emplace(path, entry);
        else if (entry.type != 'd')
            expectedFreed += entry.size;
    }
    ASSERT_EQ(before.size() - expectedAfter.size(), 11u); // five locations and six entries below them
    Defaults::standard().setInteger(QStringLiteral("TotallyCleaned"), 1'000);

    // The granted folders, then the window opens on the home screen.
    Defaults::standard().setData(QStringLiteral("home"), *Grant::create(home));
    Defaults::standard().setData(QStringLiteral("Applications"), *Grant::create(apps));
    Defaults::standard().setBool(QStringLiteral("PrivacyAccess"), true);
    window = std::make_unique<CleanerWindowController>(factory);
    window->windowDidLoad();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* homeScreen = qobject_cast<HomeViewController*>(content());
    ASSERT_NE(homeScreen, nullptr);
    test::spin(30);

    // Scan.
    QTest::mouseClick(homeScreen->scan(), Qt::LeftButton);
    SmartCleanViewController* results = nullptr;
    ASSERT_TRUE(test::waitFor(
        [&] { return (results = qobject_cast<SmartCleanViewController*>(content())) != nullptr; }, 30000));
    const SmartCleanOutlineModel* model = results->outlineModel();
    ASSERT_TRUE(test::waitFor([&] { return results->outlineview()->isExpanded(model->categoryIndex(6)); }));
    // Found: caches, logs, installation files, Trash, all ticked; nothing else.
    for (int c = 0; c < SmartCleanViewController::kCategories; ++c) {
        const bool filled = c == 0 || c == 1 || c == 5 || c == 6;
        EXPECT_EQ(results->isCategoryEmpty(c), !filled) << c;
        if (filled) {
            EXPECT_EQ(results->tickState(c), SmartCleanViewController::Tick::On) << c;
        }
    }

    // Untick the logs, then the one cache entry that should stay.
    clickCheckBox(*results, model->categoryIndex(1));
    EXPECT_EQ(results->tickState(1), SmartCleanViewController::Tick::Off);
    results->outlineview()->expand(model->categoryIndex(0));
    int keep = -1;
    for (int i = 0; i < model->rowCount(model->categoryIndex(0)); ++i) {
        const ResultEntry* entry = model->entryAt(model->entryIndex(0, i));
        ASSERT_NE(entry, nullptr);
        if (std::get<std::shared_ptr<CacheItem>>(*entry)->url == home / "Library/Caches/com.example.keep")
            keep = i;
    }
    ASSERT_GE(keep, 0);
    clickCheckBox(*results, model->entryIndex(0, keep));
    EXPECT_FALSE(results->isEntrySelected(0, keep));
    EXPECT_EQ(results->tickState(0), SmartCleanViewController::Tick::Mixed);

    // Remove; the progress screen hands over to the completion screen.
    auto* remove = results->findChild<QPushButton*>(QStringLiteral("remove_button"));
    ASSERT_NE(remove, nullptr);
    QTest::mouseClick(remove, Qt::LeftButton);
    CleanedViewController* cleaned = nullptr;
    ASSERT_TRUE(test::waitFor(
        [&] { return (cleaned = qobject_cast<CleanedViewController*>(content())) != nullptr; }, 10000));
    ASSERT_TRUE(CleanupRun::shared().waitUntilIdle(std::chrono::seconds(60)));
    const auto report = CleanupRun::shared().report(CleanupRun::shared().lastStarted());
    ASSERT_NE(report, nullptr);
    std::vector<fs::path> removed;
    for (const RemovalOutcome& o : report->outcomes) {
        EXPECT_EQ(o.status, RemovalOutcome::Status::Removed) << o.location << ": " << o.reason;
        removed.push_back(o.location);
    }
    std::sort(removed.begin(), removed.end());
    std::vector<fs::path> expectedRemoved = ticked;
    std::sort(expectedRemoved.begin(), expectedRemoved.end());
    EXPECT_EQ(removed, expectedRemoved);
    EXPECT_EQ(report->bytesFreed, expectedFreed);
    ASSERT_TRUE(test::waitFor([&] { return cleaned->status()->isHidden(); })); // the report is shown
    EXPECT_EQ(cleaned->was_cleaned_size()->text(), formatByteCount(expectedFreed));

    // Done: the home screen is back.
    QTest::mouseClick(cleaned->done_button(), Qt::LeftButton);
    ASSERT_TRUE(test::waitFor([&] { return qobject_cast<HomeViewController*>(content()) != nullptr; }));

    // On disk: the ticked locations are gone, everything else is as it was.
    const Snapshot after = snapshotOf(tmp.path());
    for (const auto& [path, entry] : expectedAfter) {
        const auto found = after.find(path);
        EXPECT_TRUE(found != after.end() && found->second == entry) << "changed or gone: " << path;
    }
    for (const auto& [path, entry] : after)
        EXPECT_TRUE(expectedAfter.count(path)) << "not expected: " << path;
    EXPECT_EQ(totallyCleaned(), 1'000 + expectedFreed);
}

} // namespace
} // namespace dovrel
