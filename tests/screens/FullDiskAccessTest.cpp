#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/SystemVersion.h"
#include "screens/ScreenCatalogue.h"
#include "screens/ScreenServices.h"
#include "screens/access/FullDiskAccessCheck.h"
#include "screens/access/PrivacyDiskAccessViewController.h"
#include "screens/access/PrivacyFullDiskPage.h"
#include "screens/access/PrivacyFullDiskPageController.h"
#include "screens/access/PrivacyFullDiskWindowController.h"
#include "shell/ScreenFactory.h"

#include "GuiTestSupport.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <unistd.h>

namespace dovrel {
namespace {

using Outcome = FullDiskAccessCheck::Outcome;

class FullDiskAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        ScreenCatalogue::registerAll(factory, ScreenServices{});
        std::filesystem::create_directories(home);
        Defaults::standard().setData(QStringLiteral("home"), *Grant::create(home));
    }
    void TearDown() override {
        window.reset();
        test::spin();
        test::setTimeFactors(1, 1);
        SystemVersion::setOverride(std::nullopt);
    }

    PrivacyFullDiskWindowController& open() {
        auto made = Storyboard(QStringLiteral("Main"), &factory)
                        .instantiateControllerWithIdentifier(QStringLiteral("PrivacyFullDiskAccess"));
        window.reset(static_cast<PrivacyFullDiskWindowController*>(made.release()));
        window->showWindow();
        return *window;
    }
    PrivacyDiskAccessViewController& content() { return *window->contentViewController(); }

    test::TempDir tmp;
    std::filesystem::path home = tmp / "me";
    test::FixtureTree tree{home};
    ScreenFactory factory;
    std::unique_ptr<PrivacyFullDiskWindowController> window;
};

TEST_F(FullDiskAccessTest, CheckOutcomes) {
    EXPECT_EQ(FullDiskAccessCheck::check(home), Outcome::Undecided);
    tree.fileWith("Library/Safari/CloudTabs.db", "tabs");
    EXPECT_EQ(FullDiskAccessCheck::check(home), Outcome::Granted);
    std::filesystem::remove(home / "Library/Safari/CloudTabs.db");
    tree.fifo("Library/Safari/CloudTabs.db"); // exists, never opened: a FIFO would block
    EXPECT_EQ(FullDiskAccessCheck::check(home), Outcome::Denied);
    std::filesystem::remove(home / "Library/Safari/CloudTabs.db");
    tree.folder("Library/Safari/CloudTabs.db");
    EXPECT_EQ(FullDiskAccessCheck::check(home), Outcome::Denied);
}

TEST_F(FullDiskAccessTest, AnUnreadableFileIsDenied) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const auto probe = tree.fileWith("Library/Safari/CloudTabs.db", "tabs");
    std::filesystem::permissions(probe, std::filesystem::perms::none);
    EXPECT_EQ(FullDiskAccessCheck::check(home), Outcome::Denied);
}

TEST_F(FullDiskAccessTest, OlderSystemsProbeTheBookmarks) {
    tree.fileWith("Library/Safari/Bookmarks.plist", "<plist/>");
    EXPECT_EQ(FullDiskAccessCheck::check(home), Outcome::Undecided);
    SystemVersion::setOverride(SystemVersion::Version{10, 14});
    EXPECT_EQ(FullDiskAccessCheck::probeFile(home), home / "Library/Safari/Bookmarks.plist");
    EXPECT_EQ(FullDiskAccessCheck::check(home), Outcome::Granted);
}

TEST_F(FullDiskAccessTest, WithoutAHomeGrantNothingIsDecided) {
    tree.fileWith("Library/Safari/CloudTabs.db", "tabs");
    Defaults::standard().removeObjectForKey(QStringLiteral("home"));
    EXPECT_EQ(FullDiskAccessCheck::run(Defaults::standard()), Outcome::Undecided);
}

TEST_F(FullDiskAccessTest, ConfirmWhenDeniedShakesAndRecordsFalse) {
    tree.fifo("Library/Safari/CloudTabs.db");
    Defaults::standard().setBool(QStringLiteral("PrivacyFullDisk"), true);
    open();
    content().confirm_button()->click();
    EXPECT_EQ(content().shakeCount(), 1);
    EXPECT_TRUE(Defaults::standard().hasKey(QStringLiteral("PrivacyFullDisk")));
    EXPECT_FALSE(Defaults::standard().boolForKey(QStringLiteral("PrivacyFullDisk")));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(FullDiskAccessTest, ConfirmWhenGrantedRecordsTrueAndCloses) {
    tree.fileWith("Library/Safari/CloudTabs.db", "tabs");
    open();
    content().confirm_button()->click();
    EXPECT_TRUE(Defaults::standard().boolForKey(QStringLiteral("PrivacyFullDisk")));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(content().shakeCount(), 0);
}

TEST_F(FullDiskAccessTest, ConfirmWhenUndecidedDoesNothing) {
    open();
    content().confirm_button()->click();
    EXPECT_FALSE(Defaults::standard().hasKey(QStringLiteral("PrivacyFullDisk")));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(content().shakeCount(), 0);
}

TEST_F(FullDiskAccessTest, BackgroundIsF9F9F9WhenShown) {
    open();
    EXPECT_EQ(content().palette().color(QPalette::Window), QColor(0xf9, 0xf9, 0xf9));
    EXPECT_TRUE(content().autoFillBackground());
}

TEST_F(FullDiskAccessTest, PagesMoveWithTheNavigationNotifications) {
    open();
    PrivacyFullDiskPageController* pages = content().pageController();
    const auto current = [&] {
        test::spin();
        return pages->selectedViewController() ? pages->selectedViewController()->identifier() : QString();
    };
    const auto click = [&](bool next) {
        auto* page = static_cast<PrivacyFullDiskPage*>(pages->selectedViewController());
        QPushButton* button = next ? page->nextButton() : page->backButton();
        ASSERT_NE(button, nullptr);
        button->click();
    };
    EXPECT_EQ(current(), QStringLiteral("PrivacyFullDiskPage1"));
    EXPECT_EQ(static_cast<PrivacyFullDiskPage*>(pages->selectedViewController())->backButton(), nullptr);
    click(true);
    EXPECT_EQ(current(), QStringLiteral("PrivacyFullDiskPage2"));
    click(false);
    EXPECT_EQ(current(), QStringLiteral("PrivacyFullDiskPage1"));
    click(true);
    click(true);
    EXPECT_EQ(current(), QStringLiteral("PrivacyFullDiskPage3"));
    EXPECT_EQ(static_cast<PrivacyFullDiskPage*>(pages->selectedViewController())->nextButton(), nullptr);
    NotificationCenter::defaultCenter().post(QStringLiteral("navigate_next_in_privacy_full_disk"));
    EXPECT_EQ(current(), QStringLiteral("PrivacyFullDiskPage3")); // past the end: stays
    click(false);
    EXPECT_EQ(current(), QStringLiteral("PrivacyFullDiskPage2"));
    NotificationCenter::defaultCenter().post(QStringLiteral("navigate_back_in_privacy_full_disk"));
    NotificationCenter::defaultCenter().post(QStringLiteral("navigate_back_in_privacy_full_disk"));
    EXPECT_EQ(current(), QStringLiteral("PrivacyFullDiskPage1"));
    EXPECT_EQ(pages->selectedIndex(), 0);
}

} // namespace
} // namespace dovrel
