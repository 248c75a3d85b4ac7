// The Linux sample as scripts/run opens it: the application started with
// --system-root on the sample's own machine, its home granted. The results
// screen must offer the removed apps' data as leftovers and never the data
// of an app installed per user or system-wide.

#include "cli/SampleHomeLinux.h"
#include "engine/Cleaner.h"
#include "platform/gui/UserAccount.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "shell/LaunchOptions.h"

#include "GuiTestSupport.h"
#include "ResultsFixture.h"

#include <gtest/gtest.h>

namespace dovrel {
namespace {

TEST(LinuxSampleResultsTest, NoInstalledAppIsOfferedAsALeftover) {
    test::resetSettings();
    test::setTimeFactors(0, 0);
    test::ResultsFixture results;
    const auto made = SampleHomeLinux::build(results.tmp / "sample", 0, UserAccount::loginName());
    const std::string root = made.system.native();
    const char* argv[] = {"dovrel-cleaner", "--system-root", root.c_str()};
    std::string error;
    const auto options = LaunchOptions::parse(3, argv, error);
    ASSERT_TRUE(options && options->systemRoot) << error;

    Cleaner& engine = results.engine;
    engine.setNextLocations(made.home, std::nullopt);
    ASSERT_TRUE(engine.takeNextLocations());
    engine.useSystemRoot(*options->systemRoot);
    engine.smart_clean_with_complete_handler({});
    ASSERT_EQ(engine.layout, HomeLayout::Kind::Linux);

    SmartCleanViewController& screen = results.open();
    SmartCleanOutlineModel* model = screen.outlineModel();
    constexpr int kLeftovers = 2;
    QStringList shown;
    for (int i = 0; i < model->rowCount(model->categoryIndex(kLeftovers)); ++i)
        shown << model->entryIndex(kLeftovers, i).data().toString();
    const QString all = shown.join(QStringLiteral(" | "));
    EXPECT_TRUE(all.contains(QStringLiteral("Game"))) << all.toStdString();         // removed Flatpak app
    EXPECT_TRUE(all.contains(QStringLiteral("removed-tool"))) << all.toStdString(); // removed snap
    for (const char* installed : {"Spotify", "spotify", "Maps", "hello-world"})
        EXPECT_FALSE(all.contains(QLatin1String(installed))) << installed << " in " << all.toStdString();
    test::setTimeFactors(1, 1);
}

} // namespace
} // namespace dovrel
