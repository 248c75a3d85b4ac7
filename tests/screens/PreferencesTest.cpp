// The preferences as a dialog of the main window, its keyboard, and the
// Folders section: what it shows for each state of a grant, the name tests a
// change goes through, and the engine taking a change at the next scan only.

#include "catalogue/Application.h"
#include "catalogue/Cache.h"
#include "catalogue/Remainders.h"
#include "engine/Cleaner.h"
#include "engine/CleaningMode.h"
#include "engine/KeepList.h"
#include "layout/HomeLayout.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/gui/UserAccount.h"
#include "screens/ScreenCatalogue.h"
#include "screens/ScreenServices.h"
#include "screens/preferences/CleaningChoice.h"
#include "screens/preferences/LayoutChoice.h"
#include "screens/preferences/PreferencesViewController.h"
#include "shell/CleanerWindowController.h"
#include "shell/ScreenFactory.h"

#include "FakeFolderPicker.h"
#include "GuiTestSupport.h"
#include "SchedulerFixture.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

namespace fs = std::filesystem;
using Kind = FolderGrants::Kind;

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        fs::create_directories(home);
        fs::create_directories(apps);
        grant("home", home);
        grant("Applications", apps);
        services.folderPicker = &picker;
        services.schedulerSwitch = &scheduler.schedulerSwitch;
        services.cleaner = [this] { return &engine; };
        ScreenCatalogue::registerAll(factory, services);
    }
    void TearDown() override {
        prefs.reset();
        window.reset();
        test::spin();
        test::setTimeFactors(1, 1);
    }

    static void grant(const char* key, const fs::path& folder) {
        Defaults::standard().setData(QString::fromLatin1(key), *Grant::create(folder));
    }
    static std::optional<fs::path> stored(const char* key) {
        auto data = Defaults::standard().dataForKey(QString::fromLatin1(key));
        return data ? Grant::storedPath(*data) : std::nullopt;
    }
    PreferencesViewController& make() {
        prefs = std::make_unique<PreferencesViewController>(scheduler.schedulerSwitch, &picker,
                                                            [this] { return &engine; });
        prefs->loadViewIfNeeded();
        return *prefs;
    }
    PreferencesViewController* openFromWindow() {
        window = std::make_unique<CleanerWindowController>(factory);
        window->windowDidLoad();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return nullptr;
        window->showPreferences();
        return qobject_cast<PreferencesViewController*>(window->preferencesWindow());
    }

    test::TempDir tmp;
    fs::path home = tmp / UserAccount::loginName().toStdString();
    fs::path apps = tmp / "Applications";
    Application application{home, apps};
    Cache cache{home, apps, &application};
    Remainders remainders{home, apps, &cache, &application};
    Cleaner engine{home, &cache, &remainders};
    test::FakeFolderPicker picker;
    test::SchedulerFixture scheduler;
    ScreenServices services;
    ScreenFactory factory;
    std::unique_ptr<CleanerWindowController> window;
    std::unique_ptr<PreferencesViewController> prefs;
};

TEST_F(PreferencesTest, IsAFixedSizeDialogOfTheMainWindowCentredOnIt) {
    PreferencesViewController* p = openFromWindow();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->parentWidget(), window.get());
    EXPECT_TRUE(p->isWindow());
    EXPECT_EQ(p->windowType(), Qt::Dialog);
    EXPECT_FALSE(p->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(p->minimumSize(), p->maximumSize());
    EXPECT_LE((p->frameGeometry().center() - window->frameGeometry().center()).manhattanLength(), 4);
    // Opening again brings the same dialog.
    window->showPreferences();
    EXPECT_EQ(window->preferencesWindow(), p);
}

// The all-time total stored after every clean-up is shown, in words when
// nothing was cleaned yet.
TEST_F(PreferencesTest, ShowsWhatEveryCleanUpRemovedInAll) {
    for (const std::int64_t stored : {std::int64_t(0), std::int64_t(1'234'567'890)}) {
        Defaults::standard().setInteger(QStringLiteral("TotallyCleaned"), stored);
        const QString shown = make().findChild<QLabel*>(QStringLiteral("totally_cleaned"))->text();
        if (stored == 0)
            EXPECT_FALSE(shown.contains(QStringLiteral("0"))) << shown.toStdString();
        else
            EXPECT_TRUE(shown.contains(formatByteCount(stored))) << shown.toStdString();
    }
}

// "When cleaning" shows the stored cleaning mode and stores a change at once.
TEST_F(PreferencesTest, WhenCleaningShowsAndStoresTheCleaningMode) {
    QComboBox* box = make().findChild<CleaningChoice*>()->box();
    EXPECT_EQ(box->accessibleName(), QStringLiteral("When cleaning"));
    EXPECT_EQ(box->currentText(), QStringLiteral("Delete permanently"));
    box->setCurrentIndex(1);
    EXPECT_EQ(CleaningMode::stored(Defaults::standard()), CleaningMode::Mode::Trash);
    box = make().findChild<CleaningChoice*>()->box();
    EXPECT_EQ(box->currentText(), QStringLiteral("Move to the Trash"));
    box->setCurrentIndex(0);
    EXPECT_EQ(CleaningMode::stored(Defaults::standard()), CleaningMode::Mode::Delete);
}

// The Kept Items section lists the keep list, takes one off with Remove and
// adds a folder chosen with Add….
TEST_F(PreferencesTest, KeptItemsAreListedRemovedAndAdded) {
    Defaults store(QStringLiteral("kept"), tmp / "kept.json");
    KeepList list(store);
    engine.keep_list = &list;
    std::string error;
    fs::create_directories(home / "Projects");
    fs::create_directories(home / "Documents");
    ASSERT_TRUE(list.add(home / "Documents", error)) << error;
    PreferencesViewController& p = make();
    auto* kept = p.findChild<QListWidget*>(QStringLiteral("kept_items"));
    ASSERT_EQ(kept->count(), 1);
    EXPECT_TRUE(kept->item(0)->text().contains(QStringLiteral("Documents")));
    kept->setCurrentRow(0);
    p.findChild<QPushButton*>(QStringLiteral("remove_kept"))->click();
    EXPECT_EQ(kept->count(), 0);
    EXPECT_TRUE(list.paths()->empty());
    picker.answer = home / "Projects";
    p.findChild<QPushButton*>(QStringLiteral("add_kept"))->click();
    ASSERT_EQ(kept->count(), 1);
    EXPECT_EQ(*list.paths(), std::vector<fs::path>{fs::canonical(home / "Projects")});
}

TEST_F(PreferencesTest, EscapeCtrlWAndReturnCloseIt) {
    const QKeyCombination keys[] = {QKeyCombination(Qt::Key_Escape),
                                    QKeyCombination(Qt::ControlModifier, Qt::Key_W),
                                    QKeyCombination(Qt::Key_Return)};
    for (QKeyCombination key : keys) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        PreferencesViewController* p = openFromWindow();
        ASSERT_NE(p, nullptr);
        // Wherever the focus is in it.
        QTest::keyClick(p->row(Kind::Home).change, key.key(), key.keyboardModifiers());
        test::spin();
        EXPECT_EQ(window->preferencesWindow(), nullptr);
    }
}

TEST_F(PreferencesTest, TheMenuShortcutOpensIt) {
    ASSERT_NE(openFromWindow(), nullptr);
    window->preferencesWindow()->close();
    test::spin();
    auto* action = window->findChild<QAction*>(QStringLiteral("showPreferences"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    auto* quit = window->findChild<QAction*>(QStringLiteral("quit"));
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    action->trigger();
    EXPECT_NE(window->preferencesWindow(), nullptr);
}

// What each folder row says for each state of its grant.
TEST_F(PreferencesTest, FolderRowsShowThePathAndWarnWhenAGrantIsNotUsable) {
    fs::create_directories(tmp / "elsewhere");
    struct Case {
        const char* name;
        std::function<void()> arrange;
        bool warned;
    };
    const Case cases[] = {
        {"granted", [] {}, false},
        {"none", [] { Defaults::standard().removeObjectForKey(QStringLiteral("home")); }, true},
        {"gone", [&] { fs::rename(home, tmp / "moved"); }, true},
        {"stale",
         [&] {
             fs::rename(home, tmp / "old");
             fs::create_directories(home);
         },
         true},
        {"wrong name", [&] { grant("home", tmp / "elsewhere"); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(home);
        fs::remove_all(tmp / "moved");
        fs::remove_all(tmp / "old");
        fs::create_directories(home);
        grant("home", home);
        c.arrange();
        PreferencesViewController& p = make();
        const auto& row = p.row(Kind::Home);
        EXPECT_EQ(row.warning->isVisibleTo(&p), c.warned) << row.warning->text().toStdString();
        if (auto path = stored("home")) {
            EXPECT_EQ(row.path->toolTip(), QString::fromStdString(path->string()));
        }
        EXPECT_FALSE(p.row(Kind::Applications).warning->isVisibleTo(&p));
    }
}

// A Linux home never reads the Applications folder: no row, and no warning
// that it is missing, until the layout choice asks for macOS.
TEST_F(PreferencesTest, TheApplicationsRowShowsOnlyWhereTheHomeLayoutReadsIt) {
    Defaults::standard().removeObjectForKey(QStringLiteral("Applications"));
    struct Case {
        const char* name;
        const char* folder; // made in the home
        int layout;         // stored choice: 0 automatic, 1 macOS, 2 Linux
        bool shown;
    };
    const Case cases[] = {
        {"freedesktop home, automatic", ".config", 0, false},
        {"macOS home, automatic", "Library/Caches", 0, true},
        {"freedesktop home, macOS chosen", ".config", 1, true},
        {"macOS home, Linux chosen", "Library/Caches", 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(home);
        fs::create_directories(home / c.folder);
        grant("home", home);
        HomeLayout::setPreferred(Defaults::standard(), c.layout == 0 ? std::nullopt
                                                       : c.layout == 1
                                                           ? std::optional(HomeLayout::Kind::MacOS)
                                                           : std::optional(HomeLayout::Kind::Linux));
        PreferencesViewController& p = make();
        const auto& row = p.row(Kind::Applications);
        EXPECT_EQ(row.path->isVisibleTo(&p), c.shown);
        EXPECT_EQ(row.change->isVisibleTo(&p), c.shown);
        EXPECT_EQ(row.warning->isVisibleTo(&p), c.shown)
            << "the missing folder is only named where it is read";

        // Choosing the other layout shows or hides the row at once.
        auto* box = p.findChild<LayoutChoice*>()->box();
        box->setCurrentIndex(c.shown ? 2 : 1);
        EXPECT_EQ(row.path->isVisibleTo(&p), !c.shown);
    }
}

// A change goes through the first launch's name tests; a stored one reaches
// the engine only when the next scan starts.
TEST_F(PreferencesTest, ChangingAFolderAppliesTheNameTestsAndTheEngineFollowsAtTheNextScan) {
    const fs::path otherHome = tmp / "disk2" / UserAccount::loginName().toStdString();
    const fs::path otherApps = tmp / "disk2" / "Applications";
    fs::create_directories(otherHome);
    fs::create_directories(otherApps);
    fs::create_directories(tmp / "disk2" / "Programs");
    struct Case {
        Kind kind;
        fs::path picked;
        bool stored;
    };
    const Case cases[] = {
        {Kind::Home, tmp / "disk2" / "Programs", false},
        {Kind::Applications, tmp / "disk2" / "Programs", false},
        {Kind::Home, otherHome, true},
        {Kind::Applications, otherApps, true},
    };
    PreferencesViewController& p = make();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picked.string());
        const char* key = c.kind == Kind::Home ? "home" : "Applications";
        const std::optional<fs::path> before = stored(key);
        picker.answer = c.picked;
        p.row(c.kind).change->click();
        EXPECT_EQ(stored(key), c.stored ? c.picked : before);
        EXPECT_EQ(p.message().isEmpty(), c.stored) << p.message().toStdString();
        if (!c.stored) {
            EXPECT_TRUE(p.message().contains(
                QStringLiteral("“%1”").arg(QString::fromLocal8Bit(FolderGrants::expectedName(c.kind)))));
        }
        EXPECT_EQ(p.row(c.kind).path->toolTip(), QString::fromStdString(stored(key)->string()));
    }
    // Nothing moved under the engine yet: results on screen keep their folders.
    EXPECT_EQ(engine.url_home, home);
    ASSERT_TRUE(engine.hasNextLocations());
    EXPECT_TRUE(engine.takeNextLocations());
    EXPECT_EQ(engine.url_home, otherHome);
    EXPECT_EQ(engine.url_caches, otherHome / "Library/Caches");
    EXPECT_EQ(engine.cache()->url_applications, otherApps);
    EXPECT_EQ(engine.remainders()->url_home, otherHome);
    EXPECT_FALSE(engine.takeNextLocations());
}

} // namespace
} // namespace dovrel
