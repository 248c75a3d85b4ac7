#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/SystemVersion.h"
#include "screens/ScreenCatalogue.h"
#include "screens/ScreenServices.h"
#include "screens/home/HomeViewController.h"
#include "shell/ScreenFactory.h"

#include "GuiTestSupport.h"
#include "SchedulerFixture.h"

#include "controls/ScanButton.h"

#include <QLabel>
#include <QThreadPool>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

class HomeTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        services.schedulerSwitch = &scheduler.schedulerSwitch;
        ScreenCatalogue::registerAll(factory, services);
        std::filesystem::create_directories(home);
        settings().setData(QStringLiteral("home"), *Grant::create(home));
    }
    void TearDown() override {
        QThreadPool::globalInstance()->waitForDone(5000); // the probe writes the settings
        screen.reset();
        test::spin();
        test::setTimeFactors(1, 1);
        SystemVersion::setOverride(std::nullopt);
    }
    static Defaults& settings() { return Defaults::standard(); }

    HomeViewController& appear() {
        auto made = Storyboard(QStringLiteral("Main"), &factory)
                        .instantiateControllerWithIdentifier(QStringLiteral("Home"));
        screen.reset(static_cast<HomeViewController*>(made.release()));
        screen->resize(780, 520);
        screen->loadViewIfNeeded();
        screen->viewWillAppear();
        screen->show();
        screen->viewDidAppear();
        return *screen;
    }
    // Lets the probe's worker and the delayed steps run.
    void settle() {
        test::waitFor([] { return Defaults::standard().boolForKey(QStringLiteral("PrivacyAccess")); }, 2000);
        test::spin(20);
    }
    bool offerShown() const { return screen->presentedSheet() != nullptr; }

    test::SchedulerFixture scheduler;
    ScreenServices services;
    ScreenFactory factory;
    std::filesystem::path home = scheduler.tmp / "me";
    test::FixtureTree tree{home};
    std::unique_ptr<HomeViewController> screen;
};

TEST_F(HomeTest, NoOfferOnTheFourthLaunch) {
    settings().setInteger(QStringLiteral("appLaunchCount"), 4);
    appear();
    settle();
    EXPECT_FALSE(offerShown());
}

TEST_F(HomeTest, FromTheFifthLaunchTheOfferComesAfterADelay) {
    Dispatch::setDelayFactor(0.05); // 1.5 s -> 75 ms
    settings().setInteger(QStringLiteral("appLaunchCount"), 5);
    appear();
    EXPECT_FALSE(offerShown()); // not at once
    ASSERT_TRUE(test::waitFor([&] { return offerShown(); }, 2000));
    EXPECT_EQ(screen->presentedSheet()->identifier(), QStringLiteral("EnableScheduler"));
}

TEST_F(HomeTest, NoOfferOnceAnsweredOrWithRemindersOn) {
    settings().setInteger(QStringLiteral("appLaunchCount"), 12);
    settings().setBool(QStringLiteral("Scheduler"), true);
    appear();
    settle();
    EXPECT_FALSE(offerShown());
    settings().setBool(QStringLiteral("Scheduler"), false);
    settings().setBool(QStringLiteral("EnableScheduler"), true);
    appear();
    settle();
    EXPECT_FALSE(offerShown());
}

TEST_F(HomeTest, AReplacedHomeScreenPresentsNoOffer) {
    Dispatch::setDelayFactor(0.05);
    settings().setInteger(QStringLiteral("appLaunchCount"), 5);
    appear().release();
    test::spin(300);
    EXPECT_FALSE(offerShown());
}

TEST_F(HomeTest, TheFolderProbeRunsOnceAndIsRecorded) {
    tree.folder("Desktop");
    tree.fifo("Downloads"); // not a folder: never opened, never blocks
    appear();
    ASSERT_TRUE(
        test::waitFor([] { return Defaults::standard().boolForKey(QStringLiteral("PrivacyAccess")); }, 3000));
}

TEST_F(HomeTest, GrantedAccessRecordsTrueAndOpensNoWindow) {
    tree.fileWith("Library/Safari/CloudTabs.db", "tabs");
    appear();
    settle();
    EXPECT_TRUE(settings().boolForKey(QStringLiteral("PrivacyFullDisk")));
    EXPECT_EQ(screen->privacy_windowcontroller(), nullptr);
}

TEST_F(HomeTest, MissingAccessRecordsFalseAtOnceAndOpensTheWindowAtOnceAfterTheFirstProbe) {
    tree.fifo("Library/Safari/CloudTabs.db");
    settings().setBool(QStringLiteral("PrivacyAccess"), true);
    Dispatch::setDelayFactor(1);
    appear();
    EXPECT_TRUE(settings().hasKey(QStringLiteral("PrivacyFullDisk")));
    EXPECT_FALSE(settings().boolForKey(QStringLiteral("PrivacyFullDisk")));
    ASSERT_TRUE(test::waitFor([&] { return screen->privacy_windowcontroller() != nullptr; }, 1000));
    EXPECT_EQ(screen->privacy_windowcontroller()->identifier(), QStringLiteral("PrivacyFullDiskAccess"));
    EXPECT_TRUE(screen->privacy_windowcontroller()->isVisible());
}

TEST_F(HomeTest, OnTheFirstAppearanceTheWindowWaitsFourSeconds) {
    tree.fifo("Library/Safari/CloudTabs.db");
    Dispatch::setDelayFactor(0.1); // 4 s -> 400 ms
    appear();
    settle(); // the probe is done by now, yet the decision was taken before it
    EXPECT_EQ(screen->privacy_windowcontroller(), nullptr);
    test::spin(150);
    EXPECT_EQ(screen->privacy_windowcontroller(), nullptr);
    EXPECT_TRUE(test::waitFor([&] { return screen->privacy_windowcontroller() != nullptr; }, 3000));
}

TEST_F(HomeTest, WithoutAProbeFileNothingIsWritten) {
    settings().setBool(QStringLiteral("PrivacyAccess"), true);
    appear();
    test::spin(20);
    EXPECT_FALSE(settings().hasKey(QStringLiteral("PrivacyFullDisk")));
    EXPECT_EQ(screen->privacy_windowcontroller(), nullptr);
}

TEST_F(HomeTest, OlderSystemsRunNeitherPrivacyStep) {
    SystemVersion::setOverride(SystemVersion::Version{10, 13});
    tree.fifo("Library/Safari/Bookmarks.plist");
    appear();
    test::spin(100);
    EXPECT_FALSE(settings().hasKey(QStringLiteral("PrivacyAccess")));
    EXPECT_FALSE(settings().hasKey(QStringLiteral("PrivacyFullDisk")));
}

TEST_F(HomeTest, ScanButtonPostsOncePerPress) {
    int posts = 0;
    QObject observer;
    NotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("smart_scan_view_controller"),
                                                    [&] { ++posts; });
    HomeViewController& h = appear();
    h.scan()->click();
    EXPECT_EQ(posts, 1);
    h.scan()->click();
    EXPECT_EQ(posts, 2);
}

TEST_F(HomeTest, OpeningSpringsEndAtTheirPlaces) {
    HomeViewController& h = appear();
    EXPECT_EQ(h.label()->x(), 19);
    EXPECT_EQ(h.text()->x(), 62);
}

} // namespace
} // namespace dovrel
