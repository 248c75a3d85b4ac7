#include "cli/SampleHomeLinux.h"
#include "fs/Remover.h"
#include "fs/SizeMemo.h"
#include "layout/HomeLayout.h"
#include "layout/LinuxBrowsers.h"
#include "layout/LinuxLayout.h"
#include "layout/LinuxTrash.h"
#include "layout/TrashPairRemoval.h"
#include "platform/NameText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace dovrel;
using dovrel::test::TempDir;

namespace {

// The Linux sample home read by every finder of the layout, on the machine
// built beside it: what each category finds, and that cleaning it all leaves
// an empty trash and the mail store untouched.
TEST(SampleHomeLinuxTest, EveryCategoryFindsWhatTheSampleHolds) {
    TempDir tmp;
    const auto made = SampleHomeLinux::build(tmp.path(), 300, "ann");
    EXPECT_THROW(SampleHomeLinux::build(tmp.path(), 0, "ann"), std::runtime_error);
    EXPECT_EQ(HomeLayout::choose(made.home), HomeLayout::Kind::Linux);

    auto environment = [&](const char* name) -> std::optional<std::string> {
        if (std::string(name) == "XDG_DATA_DIRS")
            return (made.system / "share").native();
        return std::nullopt;
    };
    LinuxSystem system;
    system.flatpakSystemInstallations = {made.system / "flatpak"};
    system.snapRoot = made.system / "snap";
    LinuxLayout layout(XdgDirs::resolve(made.home, environment), system);
    SizeMemo sizes(1);
    ByteCount total = 0;
    std::vector<Location> found;

    std::vector<std::string> caches;
    for (const auto& c : layout.caches(sizes, total)) {
        caches.push_back(NameText::shown(c->label).toStdString());
        found.push_back(c->url);
    }
    for (const char* expected :
         {"Firefox ESR", "Google Chrome", "Chromium", "VLC media player", "Text Editor", "Visual Editor",
          "Tidy Photos", "Maps", "Spotify", "npm", "pnpm", "Cargo", "Gradle", "Maven", "Go", "Conda",
          "thumbnails", "caf\xef\xbf\xbd-cache", "name with spaces & [brackets]"})
        EXPECT_NE(std::find(caches.begin(), caches.end(), expected), caches.end()) << expected;
    EXPECT_TRUE(std::is_sorted(caches.begin(), caches.end(), [](const auto& a, const auto& b) {
        return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
    }));

    std::vector<std::string> leftovers;
    for (const auto& r : layout.remainders(sizes, total))
        for (const auto& f : r->files) {
            leftovers.push_back(f.lexically_relative(made.home).native());
            found.push_back(f);
        }
    std::sort(leftovers.begin(), leftovers.end());
    EXPECT_EQ(leftovers, (std::vector<std::string>{".var/app/com.oldchat.Messenger",
                                                   ".var/app/org.removed.Game", "snap/removed-tool"}));

    EXPECT_EQ(layout.logs(sizes, total).size(), 5u);
    EXPECT_EQ(layout.installs(sizes, total).size(), 7u);
    const auto browsers = LinuxBrowsers::find(made.home, layout.dirs().configHome, sizes);
    ASSERT_TRUE(browsers.chrome && browsers.mozilla);
    EXPECT_EQ(browsers.mozilla->files->size(), 2u);
    for (const auto& s : {browsers.chrome, browsers.mozilla})
        found.insert(found.end(), s->files->begin(), s->files->end());

    LinuxTrash trash(layout.trashFolder(), made.home);
    const auto items = trash.items(sizes, total);
    EXPECT_EQ(items.size(), 8u);
    for (const auto& f : items)
        found.push_back(f->url_file);
    for (const Location& l : found)
        EXPECT_EQ(l.native().find("/.thunderbird/"), std::string::npos) << l;

    // Emptying the trash through the pair removal leaves nothing behind.
    Remover remover(made.home);
    TrashPairRemoval pairs(remover, made.home, layout.trashFolder());
    std::vector<RemovalRequest> requests;
    for (const auto& f : items)
        requests.push_back({f->url_file, std::nullopt});
    const RemovalReport report = pairs.remove(requests);
    EXPECT_TRUE(report.allDone());
    EXPECT_TRUE(std::filesystem::is_empty(layout.trashFolder() / "files"));
    EXPECT_TRUE(std::filesystem::is_empty(layout.trashFolder() / "info"));
    EXPECT_EQ(std::filesystem::file_size(layout.trashFolder() / "directorysizes"), 0u);
}

} // namespace
