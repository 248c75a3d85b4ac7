#include "layout/HomeLayout.h"
#include "LinuxHomeFixture.h"
#include "layout/XdgDirs.h"

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
