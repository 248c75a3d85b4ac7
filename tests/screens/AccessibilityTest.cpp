// Every screen through Qt's accessibility interfaces, as a screen reader sees
// it: each control a user can reach has a name, and the controls, images and
// texts the road needs are there with their roles.

#include "engine/Cleaner.h"
#include "layout/HomeLayout.h"
#include "platform/Defaults.h"
#include "screens/access/SandboxViewController.h"
#include "screens/cleanup/CleanedViewController.h"
#include "screens/home/EnableSchedulerViewController.h"
#include "screens/home/HomeViewController.h"
#include "screens/preferences/PreferencesViewController.h"
#include "screens/results/SmartCleanViewController.h"

#include "AccessibleTree.h"
#include "FakeFolderPicker.h"
#include "GuiTestSupport.h"
#include "ResultsFixture.h"
#include "SchedulerFixture.h"

#include <gtest/gtest.h>

namespace dovrel {
namespace {

using R = QAccessible::Role;

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
    }
    void TearDown() override {
        test::spin();
        test::setTimeFactors(1, 1);
    }
    // Shows the screen offscreen at the window's size and checks it.
    static void check(Screen& screen, const std::vector<test::ExpectedNode>& expected) {
        screen.resize(780, 520);
        screen.loadViewIfNeeded();
        screen.show();
        test::spin();
        test::expectAccessible(&screen, expected);
    }
};

TEST_F(AccessibilityTest, FolderAccess) {
    // A macOS home: both folders are asked for.
    HomeLayout::setPreferred(Defaults::standard(), HomeLayout::Kind::MacOS);
    test::FakeFolderPicker picker;
    SandboxViewController screen(picker);
    check(screen, {{QStringLiteral("Allow Home Folder"), R::Button},
                   {QStringLiteral("Allow Applications Folder"), R::Button},
                   {QStringLiteral("Why does Dovrel Cleaner need access?"), R::Button},
                   {QStringLiteral("Home folder"), R::StaticText},
                   {QStringLiteral("Home folder"), R::Graphic},
                   {QStringLiteral("Allow access to your folders"), R::StaticText}});
}

TEST_F(AccessibilityTest, Home) {
    HomeViewController screen;
    std::vector<test::ExpectedNode> expected = {{QStringLiteral("Scan"), R::Button},
                                                {QStringLiteral("Time for a clean-up"), R::StaticText}};
    for (const QString& title : HomeViewController::categoryTitles())
        expected.push_back({title, R::Graphic});
    check(screen, expected);
}

TEST_F(AccessibilityTest, Preferences) {
    test::SchedulerFixture scheduler;
    test::FakeFolderPicker picker;
    Cleaner engine(std::nullopt);
    PreferencesViewController screen(scheduler.schedulerSwitch, &picker, [&] { return &engine; });
    check(screen, {{QStringLiteral("Remind me to clean up regularly"), R::CheckBox},
                   {QStringLiteral("Change Home Folder…"), R::Button},
                   {QStringLiteral("Change Applications Folder…"), R::Button},
                   {QStringLiteral("Not chosen"), R::StaticText},
                   {QStringLiteral("Close"), R::Button}});
}

TEST_F(AccessibilityTest, ReminderOffer) {
    test::SchedulerFixture scheduler;
    EnableSchedulerViewController screen(scheduler.schedulerSwitch);
    check(screen, {{QStringLiteral("Remind Me"), R::Button}, {QStringLiteral("Not Now"), R::Button}});
}

TEST_F(AccessibilityTest, Results) {
    test::ResultsFixture results;
    results.finish();
    SmartCleanViewController& screen = results.open();
    test::spin(50);
    test::expectAccessible(&screen, {{QStringLiteral("Remove the ticked items"), R::Button},
                                     {QStringLiteral("Scan results"), R::Tree},
                                     {QStringLiteral("Applications caches"), R::TreeItem},
                                     {QStringLiteral("Nothing found"), R::Cell}});
}

TEST_F(AccessibilityTest, Completion) {
    Cleaner engine(std::nullopt);
    CleanedViewController screen([&] { return &engine; });
    check(screen, {{QStringLiteral("Done"), R::Button},
                   {QStringLiteral("Scan Again"), R::Button},
                   {QStringLiteral("Cleanup finished"), R::Graphic}});
}

} // namespace
} // namespace dovrel
