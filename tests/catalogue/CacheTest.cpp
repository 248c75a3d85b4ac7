#include "catalogue/Cache.h"
#include "catalogue/Application.h"
#include "support/BundleBuilder.h"
#include "support/CatalogueHomeTest.h"
#include "support/FixtureTree.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace dovrel;
using dovrel::test::BundleBuilder;
using dovrel::test::CatalogueHomeTest;
using dovrel::test::FixtureTree;
using dovrel::test::TempDir;

namespace {

class CacheTest : public CatalogueHomeTest {
protected:
    Location app(const Location& where, const std::string& id,
                 BundleBuilder::Format f = BundleBuilder::Format::Xml) {
        BundleBuilder b(where);
        b.format(f);
        if (!id.empty())
            b.set("CFBundleIdentifier", id);
        return b.set("CFBundleName", where.stem().string())
            .set("CFBundleIconFile", "AppIcon.icns")
            .icon("AppIcon.icns")
            .build();
    }
    static std::vector<std::string> names(const std::vector<Location>& l) {
        std::vector<std::string> out;
        for (const auto& p : l)
            out.push_back(p.filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST_F(CacheTest, CatalogueWalksTheSixPlacesWithTheirDepthRules) {
    app(apps / "Top.app", "com.t.Top");
    app(apps / "Utilities/Util.app", "com.t.Util"); // skipped
    app(apps / "Group/Second.app", "com.t.Second", BundleBuilder::Format::Binary);
    app(apps / "Group/Sub/Third.app", "com.t.Third");
    app(apps / "Group/Sub/Deeper/Fourth.app", "com.t.Fourth"); // too deep
    app(home / "Downloads/Dl.app", "com.t.Dl");
    app(home / "Downloads/Dl.app/Contents/Inner.app", "com.t.DlInner"); // not in a one-level listing
    app(home / "Downloads/sub/DlDeep.app", "com.t.DlDeep");             // one level only
    app(home / "Documents/a/b/Doc.app", "com.t.Doc");
    app(home / "Documents/a/b/Doc.app/Contents/Helpers/Nested.app", "com.t.Nested");
    app(home / "Desktop/Desk.app", "com.t.Desk");
    app(home / "Desktop/.Hidden.app", "com.t.Hidden");
    app(home / "Applications/Mine.app", "com.t.Mine");
    app(home / "Library/Developer/Xcode/DerivedData/P/Build/Products/Built.app", "com.t.Built");
    app(home / "Documents/NoId.app", "");
    tree.folder("ann/Documents/Upper.APP"); // extension compared exactly

    Cache& c = cache;
    auto records = c.installed_applications();
    EXPECT_EQ(names(c.applications_urls),
              (std::vector<std::string>{"Built.app", "Desk.app", "Dl.app", "Doc.app", "Mine.app",
                                        "Nested.app", "NoId.app", "Second.app", "Third.app", "Top.app"}));
    EXPECT_EQ(records.size(), 9u); // the one without an identifier is dropped
    EXPECT_TRUE(c.bundles.contains("com.t.Nested"));
    EXPECT_FALSE(c.bundles.contains("com.t.Util"));
    EXPECT_TRUE(c.names.contains("Doc"));
    // The Applications folder's three come first, then the home folder's places in order.
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(c.applications_urls[i].native().rfind(apps.native(), 0), 0u) << c.applications_urls[i];
    EXPECT_EQ(c.applications_urls[3].filename(), "Dl.app");
    EXPECT_EQ(c.applications_urls.back().filename(), "Built.app");
}

TEST_F(CacheTest, LaterBundlesWinInBothDictionaries) {
    app(apps / "Editor.app", "com.example.Editor");
    app(home / "Applications/Editor.app", "com.example.Editor");
    Cache& c = cache;
    c.installed_applications();
    EXPECT_EQ(c.bundles.value("com.example.Editor")->url, home / "Applications/Editor.app");
    EXPECT_EQ(c.names.value("Editor")->url, home / "Applications/Editor.app");
}

TEST_F(CacheTest, CacheFoldersAreMatchedMeasuredFilteredAndSorted) {
    app(apps / "Editor.app", "com.example.Editor");
    app(apps / "Photo Studio.app", "com.pixel.Photo");
    tree.file("ann/Library/Caches/com.example.Editor/a", 100);
    tree.file("ann/Library/Caches/com.example.Editor/sub/.b", 50);
    tree.file("ann/Library/Caches/Photo Studio/p", 30); // matched by name
    tree.file("ann/Library/Caches/zeta.unknown/x", 7);  // own name
    tree.folder("ann/Library/Caches/empty.cache");      // 0 bytes: left out
    tree.file("ann/Library/Caches/stray.db", 999);      // plain file: never
    tree.file("ann/Library/Caches/.hidden/x", 5);       // hidden: never seen
    tree.file("ann/Library/Containers/com.example.Editor/Data/Library/Caches/c", 40);
    tree.file("ann/Library/Containers/Photo Studio/Data/Library/Caches/c", 20); // containers: bundles only
    tree.folder("ann/Library/Containers/com.nothing.Here/Data");                // no caches: 0

    Cache& c = cache;
    auto items = c.smart_caches();
    ASSERT_EQ(items.size(), 5u);
    std::vector<QString> labels;
    for (const auto& i : items)
        labels.push_back(i->label);
    EXPECT_EQ(labels,
              (std::vector<QString>{"Editor", "Editor", "Photo Studio", "Photo Studio", "zeta.unknown"}));
    EXPECT_EQ(c.totalCacheSize, 100 + 50 + 30 + 7 + 40 + 20);
    for (const auto& i : items) {
        if (i->url == home / "Library/Caches/com.example.Editor") {
            EXPECT_EQ(i->size, 150);
            ASSERT_TRUE(i->image.has_value());
            EXPECT_EQ(i->image->kind, IconRef::Kind::File); // the application's icon
        }
        if (i->url == home / "Library/Containers/Photo Studio/Data/Library/Caches") {
            ASSERT_TRUE(i->image.has_value());
            EXPECT_EQ(i->image->kind, IconRef::Kind::FileSystemIcon); // not matched by name
            EXPECT_EQ(i->image->path, home / "Library/Containers/Photo Studio");
        }
    }
    // A second pass reports the same total, not its double.
    c.smart_caches();
    EXPECT_EQ(c.totalCacheSize, 247);
    EXPECT_EQ(c.cacheItems.size(), 5u);
}

TEST_F(CacheTest, SortIgnoresCaseButNotByteOrder) {
    tree.file("ann/Library/Caches/beta/x", 1);
    tree.file("ann/Library/Caches/Alpha/x", 1);
    tree.file("ann/Library/Caches/Ärger/x", 1);
    tree.file("ann/Library/Caches/zulu/x", 1);
    Cache& c = cache;
    auto items = c.smart_caches();
    std::vector<QString> labels;
    for (const auto& i : items)
        labels.push_back(i->label);
    // Byte order would put "Alpha" first and "Ärger" last.
    EXPECT_EQ(labels, (std::vector<QString>{"Alpha", "Ärger", "beta", "zulu"}));
}

TEST_F(CacheTest, SymbolicLinkedCacheFolderCountsOnlyAsALink) {
    tree.file("elsewhere/huge", 100000);
    tree.symlink("ann/Library/Caches/linked", tmp / "elsewhere");
    Cache& c = cache;
    EXPECT_TRUE(c.smart_caches().empty());
    EXPECT_EQ(c.totalCacheSize, 0);
}

TEST_F(CacheTest, NoGrantsGiveNothing) {
    Cache c(std::nullopt, std::nullopt, &application);
    EXPECT_TRUE(c.smart_caches().empty());
    EXPECT_TRUE(c.applications_urls.empty());
}

} // namespace
