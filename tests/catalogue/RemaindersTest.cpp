#include "catalogue/Remainders.h"
#include "catalogue/Application.h"
#include "catalogue/Cache.h"
#include "platform/NameText.h"
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

class RemaindersTest : public CatalogueHomeTest {
protected:
    void SetUp() override {
        CatalogueHomeTest::SetUp();
        install(apps / "Keeper.app", "com.keeper.Keeper"); // a trustworthy catalogue
    }
    void pref(const std::string& name, int size = 10) { tree.file("ann/Library/Preferences/" + name, size); }

    std::vector<std::shared_ptr<RemainderItem>> pass() {
        cache.installed_applications();
        Remainders r(home, apps, &cache, &application);
        auto items = r.smart_remianders();
        lastTotal = r.totalRemaidersSize;
        return items;
    }
    static const RemainderItem* find(const std::vector<std::shared_ptr<RemainderItem>>& items,
                                     const QString& id) {
        for (const auto& i : items)
            if (i->bundle == id)
                return i.get();
        return nullptr;
    }
    ByteCount lastTotal = 0;
};

TEST(RemaindersLabel, ApplicationAndVendorParts) {
    EXPECT_EQ(Remainders::setLabel("com.example.editor"), "Editor by Example");
    EXPECT_EQ(Remainders::setLabel("org.VENDOR.Tool.Agent"), "Agent by Vendor");
    EXPECT_EQ(Remainders::setLabel("com.example.editor.plist"), "Plist by Example");
    EXPECT_EQ(Remainders::setLabel("com.example.myEditor"), "MyEditor by Example"); // rest unchanged
    EXPECT_EQ(Remainders::setLabel("com..x"), "X by ");
    EXPECT_EQ(Remainders::setLabel("com.éditeur.ärger"), "Ärger by Éditeur");
}

TEST(RemaindersOwnership, PrefixesOfThreePiecesIgnoringCase) {
    const QStringList installed{"com.example.editor"};
    EXPECT_TRUE(Remainders::isOwned("com.example.editor", installed));
    EXPECT_TRUE(Remainders::isOwned("com.Example.Editor.ShareExtension", installed));
    EXPECT_TRUE(Remainders::isOwned("com.example.editor.helper.x", installed));
    EXPECT_FALSE(Remainders::isOwned("com.example", installed));
    EXPECT_FALSE(Remainders::isOwned("com.example.editorial", installed));
    EXPECT_FALSE(Remainders::isOwned("com.google.Chrome", {"com.google.chrome.canary"}));
}

TEST_F(RemaindersTest, PreferenceOfAnInstalledAppIsKeptAndFoundOnceItIsGone) {
    install(apps / "Editor.app", "com.example.editor");
    pref("com.example.editor.plist", 25);
    EXPECT_EQ(find(pass(), "com.example.editor"), nullptr);

    std::filesystem::remove_all(apps / "Editor.app");
    auto items = pass();
    const RemainderItem* g = find(items, "com.example.editor");
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->label, "Editor by Example");
    EXPECT_EQ(g->files, std::vector<Location>{lib / "Preferences/com.example.editor.plist"});
    EXPECT_EQ(g->size, 25);
}

TEST_F(RemaindersTest, CandidateRulesPerFolder) {
    tree.file("ann/Library/Saved Application State/com.gone.app.savedState/w", 3);
    tree.file("ann/Library/Saved Application State/com.nosaved.app/w", 3); // no ".savedState": nothing
    tree.file("ann/Library/Application Scripts/com.gone.scripts/s", 4);
    tree.file("ann/Library/Containers/com.gone.box/Data/f", 5);
    tree.file("ann/Library/Caches/com.pineapple.Editor/x", 6); // "apple": never a candidate
    tree.file("ann/Library/Caches/com.Apple.Tool/x", 7);       // capital A: a candidate
    tree.file("ann/Library/Caches/example.editor/x", 8);       // two pieces: never
    tree.file("ann/Library/Logs/com.gone.logs/x", 9);          // other folders: never
    tree.file("ann/Library/Application Support/com.gone.support/x", 9);
    tree.file("ann/Library/Caches/.com.hidden.thing/x", 9);
    auto items = pass();
    std::vector<QString> ids;
    for (const auto& i : items)
        ids.push_back(i->bundle);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids,
              (std::vector<QString>{"com.Apple.Tool", "com.gone.app", "com.gone.box", "com.gone.scripts"}));
    EXPECT_EQ(lastTotal, 3 + 4 + 5 + 7);
}

TEST_F(RemaindersTest, GroupsOverlapAndEmptyOnesAreLeftOut) {
    pref("com.example.editor.plist", 10);
    pref("com.example.editor.agent.plist", 20);
    tree.folder("ann/Library/Caches/com.empty.thing");
    auto items = pass();
    const RemainderItem* editor = find(items, "com.example.editor");
    const RemainderItem* agent = find(items, "com.example.editor.agent");
    ASSERT_TRUE(editor && agent);
    EXPECT_EQ(editor->size, 30); // takes the agent's file too
    EXPECT_EQ(agent->size, 20);
    EXPECT_EQ(find(items, "com.empty.thing"), nullptr);
    EXPECT_EQ(lastTotal, 50);
    // Sorted by label: "Agent by Example" before "Editor by Example".
    EXPECT_EQ(items.front()->bundle, "com.example.editor.agent");
}

TEST_F(RemaindersTest, OwnedByPrefixIsNeverALeftover) {
    install(apps / "Editor.app", "com.example.editor");
    pref("com.example.editor.ShareExtension.plist");
    tree.file("ann/Library/Containers/com.example.editor.helper/Data/x", 10);
    tree.file("ann/Library/Caches/com.example.editor.plist", 10); // stray file named like a preference
    EXPECT_TRUE(pass().empty());
    EXPECT_EQ(lastTotal, 0);
}

TEST_F(RemaindersTest, AGroupNeverTakesAnInstalledSiblingsFiles) {
    // Chrome is gone, Canary is installed: Chrome's group must not take Canary's data.
    install(apps / "Canary.app", "com.google.Chrome.canary");
    tree.file("ann/Library/Caches/com.google.Chrome/c", 100);
    tree.file("ann/Library/Caches/com.google.Chrome.canary/c", 900);
    pref("com.google.Chrome.canary.plist", 50);
    pref("com.google.Chrome.plist", 5);
    auto items = pass();
    const RemainderItem* chrome = find(items, "com.google.Chrome");
    ASSERT_NE(chrome, nullptr);
    EXPECT_EQ(chrome->size, 105);
    for (const Location& f : chrome->files)
        EXPECT_EQ(f.filename().string().find("canary"), std::string::npos) << f;
}

TEST_F(RemaindersTest, InstalledIdentifierWithOtherCaseOwnsTheData) {
    install(apps / "Editor.app", "com.Example.Editor");
    tree.file("ann/Library/Caches/com.example.editor/c", 10);
    EXPECT_TRUE(pass().empty());
}

TEST_F(RemaindersTest, AppleEntriesNeverJoinAGroup) {
    tree.file("ann/Library/Caches/com.vendor.tool/c", 10);
    pref("com.apple.com.vendor.tool.plist", 99);
    auto items = pass();
    const RemainderItem* g = find(items, "com.vendor.tool");
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->size, 10);
}

TEST_F(RemaindersTest, UntrustedCatalogueReportsNothing) {
    pref("com.gone.app.plist", 10);
    // No bundle in the Applications folder.
    std::filesystem::remove_all(apps / "Keeper.app");
    EXPECT_TRUE(pass().empty());
    EXPECT_EQ(lastTotal, 0);
    // No Applications grant at all.
    install(apps / "Keeper.app", "com.keeper.Keeper");
    Cache noApps(home, std::nullopt, &application);
    noApps.installed_applications();
    Remainders r(home, std::nullopt, &noApps, &application);
    EXPECT_TRUE(r.smart_remianders().empty());
    EXPECT_EQ(r.totalRemaidersSize, 0);
}

TEST_F(RemaindersTest, UtilitiesBundlesCountAsInstalled) {
    install(apps / "Utilities/Disk Helper.app", "com.diskco.DiskHelper");
    tree.file("ann/Library/Caches/com.diskco.DiskHelper/c", 10);
    EXPECT_EQ(find(pass(), "com.diskco.DiskHelper"), nullptr);
}

TEST_F(RemaindersTest, InstalledBundlesOfEveryShapeKeepTheirData) {
    using F = BundleBuilder::Format;
    const Location outside = tree.fileWith(
        "Outside.plist",
        BundleBuilder(tmp / "x").set("CFBundleIdentifier", "com.other.Thing").encodedInfoPlist());
    const std::string noIdentifier = BundleBuilder(tmp / "y").set("CFBundleName", "No Id").encodedInfoPlist();
    const std::string blankIdentifier =
        BundleBuilder(tmp / "z").set("CFBundleIdentifier", " ").encodedInfoPlist();
    const std::pair<const char*, BundleBuilder> shapes[] = {
        {"com.wide.Little", BundleBuilder(apps / "Little.app").format(F::XmlUtf16LE)},
        {"com.wide.Big", BundleBuilder(apps / "Big.app").format(F::XmlUtf16BE)},
        {"com.marked.Marked", BundleBuilder(apps / "Marked.app").format(F::XmlUtf8Bom)},
        {"com.linked.Linked", BundleBuilder(apps / "Linked.app")
                                  .linkedInfoPlist("Contents/Resources/Info.plist", "Resources/Info.plist")},
        {"com.linked.Absolute", BundleBuilder(apps / "Absolute.app")
                                    .linkedInfoPlist("Real.plist", apps / "Absolute.app/Real.plist")},
        {"com.deep.Deep", BundleBuilder(apps / "A/B/C/D/Deep.app")},
        {"com.util.Sub", BundleBuilder(apps / "Utilities/Sub/Tool.app")},
        {"com.vendor.Thing", BundleBuilder(home / "Applications/Vendor/Thing.app")},
        {"com.example.Helper", BundleBuilder(apps / "Host.app/Contents/Library/LoginItems/Helper.app")},
        // Identifier unreadable: held back by the bundle's name.
        {"com.example.MysteryEditor",
         BundleBuilder(apps / "Mystery Editor.app").infoPlistBytes("<plist><dict>")},
        {"org.x.no-id", BundleBuilder(apps / "No Id.app").infoPlistBytes(noIdentifier)},
        {"com.example.blank", BundleBuilder(apps / "Blank.app").infoPlistBytes(blankIdentifier)},
        {"com.escape.Escaper", BundleBuilder(apps / "Escaper.app").linkedInfoPlist("Contents/x", outside)},
    };
    for (const auto& [id, bundle] : shapes) {
        BundleBuilder(bundle).set("CFBundleIdentifier", id).build();
        pref(std::string(id) + ".plist", 10);
        tree.file("ann/Library/Containers/" + std::string(id) + "/Data/x", 10);
    }
    pref("com.gone.app.plist", 5); // a real leftover still shows

    auto items = pass();
    for (const auto& [id, bundle] : shapes)
        EXPECT_EQ(find(items, id), nullptr) << id;
    EXPECT_NE(find(items, "com.gone.app"), nullptr);
    EXPECT_EQ(lastTotal, 5); // no group took an installed application's entries
}

TEST_F(RemaindersTest, ComposedAndDecomposedSpellingsGroupTogether) {
    // "é" composed in one name, decomposed in the other.
    pref("com.caf\xc3\xa9.tool.plist", 10);
    tree.file("ann/Library/Caches/com.cafe\xcc\x81.tool/x", 20);
    auto items = pass();
    ByteCount maxSize = 0;
    for (const auto& i : items)
        maxSize = std::max(maxSize, i->size);
    EXPECT_EQ(maxSize, 30);
}

TEST_F(RemaindersTest, NonUtf8NamesAndUnreadableFoldersDoNotBreakThePass) {
    tree.file(std::string("ann/Library/Caches/com.bad\xff.name/x"), 10);
    pref("com.gone.app.plist", 5);
    if (::geteuid() != 0) {
        tree.file("ann/Library/Application Scripts/com.locked.x/y", 1);
        std::filesystem::permissions(lib / "Application Scripts", std::filesystem::perms::none);
    }
    auto items = pass();
    ASSERT_NE(find(items, "com.gone.app"), nullptr);
    bool foundBad = false;
    for (const auto& i : items)
        for (const Location& f : i->files)
            foundBad |= f.filename().native() == std::string("com.bad\xff.name");
    EXPECT_TRUE(foundBad); // the entry keeps its exact bytes
}

TEST_F(RemaindersTest, NamesDifferingOnlyInAStrayByteStayTwoGroups) {
    pref(std::string("com.gone.tool\xfe.plist"), 10);
    pref(std::string("com.gone.tool\xff.plist"), 20);
    auto items = pass();
    ASSERT_EQ(items.size(), 2u);
    for (const auto& [id, size] :
         {std::pair{std::string("com.gone.tool\xfe"), 10}, std::pair{std::string("com.gone.tool\xff"), 20}}) {
        const RemainderItem* g = find(items, NameText::fromBytes(id));
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(NameText::bytes(g->bundle), id); // the identifier keeps the name's bytes
        EXPECT_EQ(NameText::bytes(g->label), "Tool" + id.substr(id.size() - 1) + " by Gone");
        EXPECT_EQ(g->files, std::vector<Location>{lib / "Preferences" / (id + ".plist")});
        EXPECT_EQ(g->size, size);
    }
}

TEST_F(RemaindersTest, TwoPassesGiveTheSameTotal) {
    pref("com.gone.app.plist", 5);
    tree.file("ann/Library/Caches/com.gone.app/x", 50);
    pass();
    const ByteCount first = lastTotal;
    pass();
    EXPECT_EQ(lastTotal, first);
    EXPECT_EQ(first, 55);
}

} // namespace
