#include "layout/LinuxLayout.h"
#include "LinuxHomeFixture.h"
#include "engine/CategoryTable.h"
#include "engine/SmartScanResult.h"
#include "layout/LinuxBrowsers.h"
#include "layout/LinuxCategoryScan.h"
#include "layout/PackageManagerList.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace dovrel;
using dovrel::test::LinuxHomeFixture;

namespace {

class LinuxLayoutTest : public LinuxHomeFixture {
protected:
    void flatpak(const char* installation, const std::string& id) {
        tree.folder(std::string(installation) + "/app/" + id + "/current");
    }
    std::vector<std::string> leftovers() {
        LinuxLayout l = layout();
        ByteCount total = -1;
        std::vector<std::string> out;
        for (const auto& r : l.remainders(sizes, total))
            for (const Location& f : r->files)
                out.push_back(f.lexically_relative(home).native());
        return out;
    }
};

TEST_F(LinuxLayoutTest, CachesAreTheCacheFolderEntriesAndInstalledFlatpakCachesAttributed) {
    tree.fileWith("sys/share/applications/org.mozilla.firefox.desktop",
                  desktop("Name=Firefox\nExec=firefox %u\nIcon=firefox\n"));
    tree.fileWith("ann/.local/share/flatpak/exports/share/applications/org.gnome.Maps.desktop",
                  desktop("Name=Maps\nExec=/usr/bin/flatpak run org.gnome.Maps\n"));
    file(".cache/firefox/profile/cache2/entry", 300);
    file(".cache/unknown-tool/data", 200);
    file(".cache/motd.legal-displayed", 0);   // zero-sized: counted, not listed
    file(".cache/event-sound-cache.tdb", 50); // a plain file is a cache too
    file(".cache/.hidden/x", 1000);           // hidden: skipped
    file(".var/app/org.gnome.Maps/cache/tiles/t1", 400);
    file(".var/app/org.gnome.Maps/config/maps.conf", 99); // only the cache of an installed app
    file(".var/app/org.gone.App/cache/c", 77);            // not installed: a leftover, not a cache
    flatpak("ann/.local/share/flatpak", "org.gnome.Maps");

    LinuxLayout l = layout();
    ByteCount total = -1;
    auto items = l.caches(sizes, total);
    EXPECT_EQ(labels(items),
              (std::vector<std::string>{"event-sound-cache.tdb", "Firefox", "Maps", "unknown-tool"}));
    EXPECT_EQ(total, 300 + 200 + 50 + 400);
    for (const auto& i : items) {
        if (i->label == "Maps") {
            EXPECT_EQ(i->url, home / ".var/app/org.gnome.Maps/cache");
        }
        if (i->label == "unknown-tool") {
            EXPECT_EQ(i->image, IconRef::fileSystemIconOf(home / ".cache/unknown-tool"));
        }
    }
}

TEST_F(LinuxLayoutTest, LogsAreTheSessionAndXorgLogsOnly) {
    file(".xsession-errors", 30);
    file(".xsession-errors.old", 20);
    file(".local/share/xorg/Xorg.0.log", 10);
    file(".local/share/xorg/Xorg.0.log.old", 5);
    file(".local/share/xorg/notes.txt", 1000);
    file(".local/share/xorg/.hidden.log", 1000);
    file(".local/state/app/app.log", 1000);
    file(".xsession-errors.bak", 1000);
    tree.symlink("ann/.local/share/xorg/Xorg.1.log", "/dev/null"); // turned off: not a log to take
    LinuxLayout l = layout();
    ByteCount total = -1;
    auto logs = l.logs(sizes, total);
    std::vector<std::string> names;
    for (const auto& f : logs)
        names.push_back(f->name.toStdString());
    EXPECT_EQ(names, (std::vector<std::string>{".xsession-errors", ".xsession-errors.old", "Xorg.0.log",
                                               "Xorg.0.log.old"}));
    EXPECT_EQ(total, 65);
}

TEST_F(LinuxLayoutTest, AFlatpakAppIsALeftoverOnlyWhenInstalledNeitherPerUserNorSystemWide) {
    for (const char* id : {"org.user.App", "org.system.App", "org.gone.App", "org.empty.App"})
        file(std::string(".var/app/") + id + "/config/settings", std::string(id) == "org.empty.App" ? 0 : 10);
    file(".var/app/stray-file", 5);
    tree.folder("elsewhere/org.linked.App/data");
    tree.symlink("ann/.var/app/org.linked.App", tmp / "elsewhere/org.linked.App"); // leads out: not taken
    file(".config/org.gone.App/settings", 10);                                     // never looked at
    file(".local/share/org.gone.App/data", 10);                                    // never looked at
    flatpak("ann/.local/share/flatpak", "org.user.App");
    flatpak("sys/flatpak", "org.system.App");
    EXPECT_EQ(leftovers(), (std::vector<std::string>{".var/app/org.gone.App"}));

    LinuxLayout l = layout();
    ByteCount total = -1;
    auto groups = l.remainders(sizes, total);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0]->label, "App by Gone");
    EXPECT_EQ(groups[0]->bundle, "org.gone.App");
    EXPECT_EQ(total, 10);
}

TEST_F(LinuxLayoutTest, UnreadableOrMissingInstallationsGiveNoLeftovers) {
    file(".var/app/org.gone.App/data", 10);
    file("snap/gone-snap/common/x", 10);
    file("snap/kept-snap/common/x", 10);
    const struct {
        const char* what;
        std::function<void()> arrange;
        std::vector<std::string> expected;
    } cases[] = {
        {"no installation folders at all", [] {}, {}},
        {"user installation readable, system one missing",
         [&] { flatpak("ann/.local/share/flatpak", "org.other.App"); },
         {".var/app/org.gone.App"}},
        {"system app folder unreadable (a file)",
         [&] {
             flatpak("ann/.local/share/flatpak", "org.other.App");
             tree.file("sys/flatpak/app", 1);
         },
         {}},
        {"system app folder a link loop",
         [&] {
             flatpak("ann/.local/share/flatpak", "org.other.App");
             tree.folder("sys/flatpak");
             tree.symlink("sys/flatpak/app", "app");
         },
         {}},
        {"snap root listed", [&] { tree.folder("sys/snap/kept-snap"); }, {"snap/gone-snap"}},
        {"snap root unreadable (a file)", [&] { tree.file("sys/snap", 1); }, {}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(sys);
        std::filesystem::remove_all(home / ".local/share/flatpak");
        c.arrange();
        EXPECT_EQ(leftovers(), c.expected) << c.what;
    }
}

TEST_F(LinuxLayoutTest, AnUnreadableInstallationsFileMakesFlatpakLeftoversUnknown) {
    tree.fileWith("etc/flatpak/installations.d/extra.conf",
                  "[Installation \"extra\"]\nPath=" + (tmp / "extra").native() + "\n");
    std::vector<Location> found;
    EXPECT_TRUE(LinuxSystem::readFlatpakInstallations(tmp / "etc/flatpak/installations.d", found));
    EXPECT_EQ(found, (std::vector<Location>{tmp / "extra"}));
    tree.fileWith("etc/flatpak/installations.d/broken.conf", "[Installation \"nopath\"]\n");
    EXPECT_FALSE(LinuxSystem::readFlatpakInstallations(tmp / "etc/flatpak/installations.d", found));

    file(".var/app/org.gone.App/data", 10);
    flatpak("ann/.local/share/flatpak", "org.other.App");
    LinuxSystem s = system();
    s.flatpakConfigUnreadable = true;
    LinuxLayout l(XdgDirs::resolve(home, env()), s);
    ByteCount total = -1;
    EXPECT_TRUE(l.remainders(sizes, total).empty());
    EXPECT_EQ(total, 0);
}

TEST_F(LinuxLayoutTest, BrowsersTakeChromeThenChromiumAndEveryFirefoxProfilesStorage) {
    file(".config/google-chrome/Default/Local Storage/leveldb/1.log", 100);
    file(".config/google-chrome/Default/Bookmarks", 1000);
    file(".config/chromium/Default/Session Storage/2.ldb", 30);
    file(".config/chromium/Profile 1/Local Storage/x", 1000); // Default only
    text(".mozilla/firefox/profiles.ini", "[General]\nStartWithLastProfile=1\n\n"
                                          "[Profile1]\nName=dev\nIsRelative=1\nPath=dev.profile\n\n"
                                          "[Profile0]\nName=default\nIsRelative=0\nPath=" +
                                              (home / "elsewhere/abs.default").native() +
                                              "\n\n[Profile2]\nIsRelative=0\nPath=/etc\n"
                                              "[Profile3]\nIsRelative=1\nPath=../../outside\n");
    file(".mozilla/firefox/dev.profile/storage/default/idb", 7);
    file("elsewhere/abs.default/storage/default/ls", 5);
    file(".mozilla/firefox/listed.only/storage/x", 3);
    file(".mozilla/firefox/no-storage/prefs.js", 1000);
    tree.file("outside/storage/x", 1000);

    LinuxBrowsers::Sources s = LinuxBrowsers::find(home, home / ".config", sizes);
    ASSERT_TRUE(s.chrome);
    ASSERT_EQ(s.chrome->files->size(), 12u);
    EXPECT_EQ(s.chrome->files->front(), home / ".config/google-chrome/Default/Application Cache");
    EXPECT_EQ(s.chrome->files->back(), home / ".config/chromium/Default/Session Storage");
    EXPECT_EQ(s.chrome->size, 130);
    EXPECT_EQ(s.chrome->type, "chrome");
    EXPECT_EQ(s.chrome->group, "browsers");
    ASSERT_TRUE(s.mozilla);
    EXPECT_EQ(*s.mozilla->files, (std::vector<Location>{home / ".mozilla/firefox/dev.profile/storage",
                                                        home / "elsewhere/abs.default/storage",
                                                        home / ".mozilla/firefox/listed.only/storage"}));
    EXPECT_EQ(s.mozilla->size, 15);

    // Each find below is a scan of a changed tree, with its own memo: a
    // folder made now may take the inode of one removed.
    const auto rescan = [&](const Location& config) {
        SizeMemo fresh(1);
        return LinuxBrowsers::find(home, config, fresh);
    };
    std::filesystem::remove_all(home / ".config");
    std::filesystem::remove_all(home / ".mozilla");
    s = rescan(home / ".config");
    EXPECT_FALSE(s.chrome);
    EXPECT_FALSE(s.mozilla);
    tree.folder("ann/.mozilla/firefox");
    s = rescan(home / ".config");
    ASSERT_TRUE(s.mozilla);
    EXPECT_TRUE(s.mozilla->files->empty());

    // Profiles Firefox made under $XDG_CONFIG_HOME count as well.
    std::filesystem::remove_all(home / ".mozilla");
    text(".xdg-config/mozilla/firefox/profiles.ini", "[Profile0]\nIsRelative=1\nPath=x.default-esr\n");
    file(".xdg-config/mozilla/firefox/x.default-esr/storage/default/ls", 9);
    s = rescan(home / ".xdg-config");
    ASSERT_TRUE(s.mozilla);
    EXPECT_EQ(*s.mozilla->files,
              std::vector<Location>{home / ".xdg-config/mozilla/firefox/x.default-esr/storage"});
    EXPECT_EQ(s.mozilla->size, 9);
}

TEST_F(LinuxLayoutTest, InstallersAreTheKnownExtensionsOneLevelDeep) {
    for (const char* name : {"Downloads/tool.deb", "Downloads/tool.rpm", "Downloads/Tool.AppImage",
                             "Desktop/app.flatpakref", "Documents/bundle.flatpak", "Downloads/x.snap",
                             "Downloads/setup.run", "Downloads/Installer.dmg", "Downloads/App.apk"})
        file(name, 10);
    for (const char* name : {"Downloads/tool.DEB", "Downloads/tool.appimage", "Downloads/sub/deep.deb",
                             "Downloads/.hidden.deb", "Downloads/notes.txt", "Music/song.deb"})
        file(name, 1000);
    LinuxLayout l = layout();
    ByteCount total = -1;
    auto files = l.installs(sizes, total);
    std::vector<std::string> names;
    for (const auto& f : files)
        names.push_back(f->name.toStdString());
    EXPECT_EQ(names,
              (std::vector<std::string>{"App.apk", "app.flatpakref", "bundle.flatpak", "Installer.dmg",
                                        "setup.run", "Tool.AppImage", "tool.deb", "tool.rpm", "x.snap"}));
    EXPECT_EQ(total, 90);
    EXPECT_TRUE(l.mails().empty());
}

} // namespace

// The flatpak and snap programs are asked as well: an app either lists is
// installed, and a program that does not answer cleanly makes its kind unknown.
TEST_F(LinuxLayoutTest, PackageManagersMustAgreeBeforeAnythingIsALeftover) {
    file(".var/app/org.gone.App/data", 10);
    file("snap/gone-snap/common/x", 10);
    flatpak("ann/.local/share/flatpak", "org.other.App");
    tree.folder("sys/snap/kept-snap");
    auto script = [&](const char* name, const std::string& body) {
        const Location path = tree.fileWith(std::string("bin/") + name, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    };
    const struct {
        const char* what;
        std::string flatpak, snap;
        std::vector<std::string> expected;
    } cases[] = {
        {"both agree nothing is installed",
         "printf 'Application ID\\norg.other.App\\n'",
         "printf 'Name  Version  Rev\\nkept-snap  1.0  3\\n'",
         {".var/app/org.gone.App", "snap/gone-snap"}},
        {"flatpak lists an app its folders do not show", "echo org.gone.App", "true", {"snap/gone-snap"}},
        {"snap lists a snap its folder does not show",
         "true",
         "echo 'gone-snap 2.0 9 latest/stable me -'",
         {".var/app/org.gone.App"}},
        {"flatpak fails", "echo org.other.App; exit 1", "true", {"snap/gone-snap"}},
        {"snap prints what is no list",
         "true",
         "echo 'error: cannot communicate with server'",
         {".var/app/org.gone.App"}},
        {"flatpak killed by a signal", "kill -9 $$", "exit 3", {}},
    };
    for (const auto& c : cases) {
        LinuxSystem s = system();
        s.flatpakProgram = script("flatpak", c.flatpak);
        s.snapProgram = script("snap", c.snap);
        LinuxLayout l(XdgDirs::resolve(home, env()), s);
        ByteCount total = -1;
        std::vector<std::string> found;
        for (const auto& r : l.remainders(sizes, total))
            for (const Location& f : r->files)
                found.push_back(f.lexically_relative(home).native());
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, c.expected) << c.what;
    }

    // A sample machine's own programs are the ones asked; none is none.
    EXPECT_EQ(LinuxSystem::underRoot(tmp.path(), env()).flatpakProgram, tmp / "bin/flatpak");
    EXPECT_FALSE(LinuxSystem::underRoot(sys, env()).snapProgram);
    // A program that hangs is given up on.
    EXPECT_FALSE(PackageManagerList::flatpakApps(script("flatpak", "exec sleep 20"), 300));
    // An installations.d that exists but cannot be listed hides installations.
    std::vector<Location> found;
    tree.file("etc2/flatpak/installations.d", 1);
    EXPECT_FALSE(LinuxSystem::readFlatpakInstallations(tmp / "etc2/flatpak/installations.d", found));
    EXPECT_TRUE(LinuxSystem::readFlatpakInstallations(tmp / "etc3/flatpak/installations.d", found));
}

// A category folder reached through a symbolic link is not scanned (what lies
// behind it is not the home's, and removal would refuse it): nothing is
// listed and the link is named once. The same tree as a real folder is found.
TEST_F(LinuxLayoutTest, CategoryFoldersBehindALinkAreSkippedAndNamed) {
    const struct {
        const char* link;    // below the home
        const char* content; // below the link: a file that would be found
    } cases[] = {
        {".cache", "tool/blob"},
        {".var/app", "org.gone.App/data"},
        {"snap", "gone-snap/common/x"},
        {".local/share", "Trash/files/old.txt"},
        {".local/share/Trash", "files/old.txt"},
        {".local/share/Trash/files", "old.txt"},
        {"Downloads", "tool.deb"},
    };
    for (const auto& c : cases) {
        for (const bool linked : {false, true}) {
            std::filesystem::remove_all(home);
            std::filesystem::remove_all(tmp / "outside");
            std::filesystem::remove_all(sys);
            flatpak("sys/flatpak", "org.other.App");
            tree.folder("sys/snap/kept-snap");
            const Location link = home / c.link;
            if (linked) {
                tree.file(std::string("outside/") + c.content, 100);
                std::filesystem::create_directories(link.parent_path());
                std::filesystem::create_directory_symlink(tmp / "outside", link);
            } else {
                tree.file(std::string("ann/") + c.link + "/" + c.content, 100);
            }
            LinuxLayout l = layout();
            SmartScanResult result;
            ByteCount found = 0;
            SizeMemo scanSizes(1); // a new tree, a new scan: nothing measured before holds
            for (const ScanCategory& category : CategoryTable::all())
                found += LinuxCategoryScan(l, scanSizes).scan(category.id, result)->size;
            SCOPED_TRACE(std::string(c.link) + (linked ? " linked" : " real"));
            if (linked) {
                EXPECT_EQ(found, 0);
                EXPECT_EQ(l.skipped(), (std::vector<SkippedPlace>{{link, SkippedPlace::Why::LinkOnTheWay}}));
            } else {
                EXPECT_EQ(found, 100);
                EXPECT_TRUE(l.skipped().empty());
            }
        }
    }
}
