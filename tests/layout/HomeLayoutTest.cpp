#include "layout/HomeLayout.h"
#include "LinuxHomeFixture.h"
#include "layout/XdgDirs.h"
#include "platform/Defaults.h"

#include <gtest/gtest.h>

using namespace dovrel;
using dovrel::test::LinuxHomeFixture;

namespace {

class HomeLayoutTest : public LinuxHomeFixture {};

TEST_F(HomeLayoutTest, AHomeWithLibraryCachesIsMacOSEveryOtherIsLinux) {
    EXPECT_EQ(HomeLayout::choose(home), HomeLayout::Kind::Linux);
    tree.folder("ann/Library");
    EXPECT_EQ(HomeLayout::choose(home), HomeLayout::Kind::Linux); // Library alone is not enough
    tree.file("ann/Library/Caches", 3);
    EXPECT_EQ(HomeLayout::choose(home), HomeLayout::Kind::Linux); // a file named Caches neither
    std::filesystem::remove(home / "Library/Caches");
    tree.folder("ann/Library/Caches");
    EXPECT_EQ(HomeLayout::choose(home), HomeLayout::Kind::MacOS);

    EXPECT_EQ(HomeLayout::fromName("linux"), HomeLayout::Kind::Linux);
    EXPECT_EQ(HomeLayout::fromName("macos"), HomeLayout::Kind::MacOS);
    EXPECT_EQ(HomeLayout::fromName("Linux"), std::nullopt);
    EXPECT_STREQ(HomeLayout::name(HomeLayout::Kind::MacOS), "macos");
}

// The stored preference (damaged values read as automatic) and what the first
// launch asks for: a freedesktop home needs no Applications folder.
TEST_F(HomeLayoutTest, ThePreferenceAndTheApplicationsGrant) {
    Defaults settings(QStringLiteral("app"), tmp / "app.json");
    const QString key = QString::fromLatin1(HomeLayout::kPreferenceKey);
    struct Case {
        std::int64_t stored; // -1: no key
        std::optional<HomeLayout::Kind> preferred;
    };
    for (const Case c : {Case{-1, std::nullopt}, Case{0, std::nullopt}, Case{1, HomeLayout::Kind::MacOS},
                         Case{2, HomeLayout::Kind::Linux}, Case{7, std::nullopt}, Case{-3, std::nullopt}}) {
        if (c.stored == -1)
            settings.removeObjectForKey(key);
        else
            settings.setInteger(key, c.stored);
        EXPECT_EQ(HomeLayout::preferred(settings), c.preferred) << c.stored;
    }
    settings.setData(key, QByteArray("linux"));
    EXPECT_EQ(HomeLayout::preferred(settings), std::nullopt);
    ASSERT_TRUE(HomeLayout::setPreferred(settings, HomeLayout::Kind::Linux));
    EXPECT_EQ(HomeLayout::preferred(settings), HomeLayout::Kind::Linux);

    // Homes: "ann" with .config, "mac" with Library/Caches and .config, "empty".
    tree.folder("ann/.config");
    tree.folder("mac/Library/Caches");
    tree.folder("mac/.config");
    tree.folder("empty");
    struct Grant {
        std::optional<HomeLayout::Kind> preferred;
        const char* home;
        bool needsApplications;
    };
    for (const Grant g : {Grant{std::nullopt, "ann", false}, Grant{std::nullopt, "mac", true},
                          Grant{std::nullopt, "empty", true}, Grant{HomeLayout::Kind::Linux, "mac", false},
                          Grant{HomeLayout::Kind::MacOS, "ann", true}}) {
        HomeLayout::setPreferred(settings, g.preferred);
        EXPECT_EQ(HomeLayout::needsApplicationsGrant(tmp / g.home, settings), g.needsApplications) << g.home;
    }
}

TEST_F(HomeLayoutTest, XdgVariablesCountOnlyInsideTheHome) {
    tree.folder("elsewhere");
    tree.folder("ann/real");
    tree.symlink("ann/linked", tmp / "elsewhere");
    const std::string h = home.native();
    const struct {
        std::string value;
        std::string expected; // relative to the home
    } cases[] = {
        {h + "/my-cache", "my-cache"},
        {h + "/my-cache/", "my-cache"},
        {h + "/a/../b", "b"},
        {h + "/real/sub", "real/sub"},
        {"", ".cache"},
        {"relative/cache", ".cache"},
        {(tmp / "elsewhere").native(), ".cache"},
        {h + "/../elsewhere", ".cache"},
        {h, ".cache"},
        {h + "/", ".cache"},
        {h + "/.", ".cache"},
        {h + "/linked", ".cache"},     // a link leading out
        {h + "/linked/sub", ".cache"}, // ... also further down
        {"/", ".cache"},
        {h + "/.local", ".cache"}, // would hold .local/share
        {h + "/.config", ".cache"},
        {h + "/.local/cache", ".local/cache"},
    };
    for (const auto& c : cases) {
        environment["XDG_CACHE_HOME"] = c.value;
        const XdgDirs dirs = XdgDirs::resolve(home, env());
        EXPECT_EQ(dirs.cacheHome, home / c.expected) << c.value;
    }
    environment = {{"XDG_DATA_HOME", "/usr/share"}, {"XDG_CONFIG_HOME", h + "/cfg"}};
    const XdgDirs dirs = XdgDirs::resolve(home, env());
    EXPECT_EQ(dirs.dataHome, home / ".local/share");
    EXPECT_EQ(dirs.configHome, home / "cfg");
    EXPECT_EQ(dirs.dataDirs, (std::vector<Location>{"/usr/local/share/", "/usr/share/"}));

    environment = {{"XDG_DATA_DIRS", "/opt/share:relative::/usr/share"}};
    EXPECT_EQ(XdgDirs::resolve(home, env()).dataDirs, (std::vector<Location>{"/opt/share", "/usr/share"}));
}

} // namespace
