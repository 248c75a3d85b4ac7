#include "controls/Animator.h"
#include "layout/HomeLayout.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/FolderPicker.h"
#include "platform/gui/UserAccount.h"
#include "platform/gui/Workspace.h"
#include "screens/access/SandboxViewController.h"
#include "shell/FolderGrants.h"

#include "FakeFolderPicker.h"
#include "GuiTestSupport.h"
#include "support/TempDir.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

class SandboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        home = tmp / UserAccount::loginName().toStdString();
        apps = tmp / "Applications";
        std::filesystem::create_directories(home);
        std::filesystem::create_directories(apps);
        for (const char* name : {"home_view_controller_for_launch", "sandbox_end_anim_complete"})
            NotificationCenter::defaultCenter().addObserver(
                &observer, QString::fromLatin1(name), [this, name] { posted << QString::fromLatin1(name); });
    }
    void TearDown() override {
        screen.reset();
        test::setTimeFactors(1, 1);
    }

    SandboxViewController& make() {
        screen = std::make_unique<SandboxViewController>(picker);
        screen->resize(780, 520);
        screen->loadViewIfNeeded();
        return *screen;
    }

    void grantApplications() {
        Defaults::standard().setData(QStringLiteral("Applications"), *Grant::create(apps));
    }

    std::optional<std::filesystem::path> stored(const char* key) const {
        auto data = Defaults::standard().dataForKey(QString::fromLatin1(key));
        return data ? Grant::storedPath(*data) : std::nullopt;
    }

    test::TempDir tmp;
    std::filesystem::path home, apps;
    test::FakeFolderPicker picker;
    QObject observer;
    QStringList posted;
    std::unique_ptr<SandboxViewController> screen;
};

TEST_F(SandboxTest, EachPanelHasItsOwnTitleAndStartFolder) {
    HomeLayout::setPreferred(Defaults::standard(), HomeLayout::Kind::MacOS); // both folders asked for
    SandboxViewController& s = make();
    s.allowHome()->click();
    s.allowApps()->click();
    ASSERT_EQ(picker.requests.size(), 2u);
    const FolderPicker::Request& homePanel = picker.requests[0];
    const FolderPicker::Request& appsPanel = picker.requests[1];
    EXPECT_EQ(homePanel.prompt, QStringLiteral("Allow"));
    EXPECT_NE(homePanel.title, appsPanel.title);
    EXPECT_NE(homePanel.title, QStringLiteral("Allow access"));
    // The home panel shows the user's home folder selected in the folder
    // that holds it; the other starts in the Applications folder expected.
    EXPECT_EQ(homePanel.startFolder, UserAccount::homeDirectoryForUser().parent_path());
    EXPECT_EQ(homePanel.selection, UserAccount::homeDirectoryForUser());
    EXPECT_EQ(appsPanel.startFolder, FolderGrants::expectedFolder(FolderGrants::Kind::Applications)
                                         .value_or(UserAccount::homeDirectoryForUser()));

    // Once a home is granted, a machine without an Applications folder of
    // its own starts the panel in the one beside that home.
    picker.answer = home;
    s.allowHome()->click();
    picker.answer.reset();
    s.allowApps()->click();
    ASSERT_EQ(picker.requests.size(), 4u);
    EXPECT_EQ(picker.requests[3].startFolder,
              FolderGrants::expectedFolder(FolderGrants::Kind::Applications).value_or(apps));
}

TEST_F(SandboxTest, CancellingChangesNothing) {
    SandboxViewController& s = make();
    s.allowHome()->click();
    EXPECT_FALSE(Defaults::standard().hasKey(QStringLiteral("home")));
    EXPECT_TRUE(s.allowHome()->isEnabled());
}

// A wrong pick is refused in words, stores nothing (so the next launch asks
// again), and the user can go on to pick the right folder.
TEST_F(SandboxTest, AWronglyNamedFolderIsRefusedOnScreenNotStoredAndCanBePickedAgain) {
    struct Case {
        const char* picked;
        bool home;
    };
    for (const Case& c : {Case{"someone-else", true}, Case{"Programs", false}}) {
        SCOPED_TRACE(c.picked);
        test::resetSettings();
        posted.clear();
        std::filesystem::create_directories(tmp / c.picked);
        // The other folder is granted already.
        Defaults::standard().setData(QString::fromLatin1(c.home ? "Applications" : "home"),
                                     *Grant::create(c.home ? apps : home));
        SandboxViewController& s = make();
        QPushButton* button = c.home ? s.allowHome() : s.allowApps();
        const char* key = c.home ? "home" : "Applications";
        picker.answer = tmp / c.picked;
        button->click();
        test::spin();
        EXPECT_FALSE(stored(key).has_value());
        EXPECT_TRUE(button->isEnabled());
        EXPECT_FALSE(s.isClosing());
        EXPECT_TRUE(posted.isEmpty());
        EXPECT_TRUE(s.message().contains(QString::fromLatin1(c.picked))) << s.message().toStdString();
        const QString expected = c.home ? UserAccount::loginName() : QStringLiteral("Applications");
        EXPECT_TRUE(s.message().contains(QStringLiteral("“%1”").arg(expected))) << s.message().toStdString();

        picker.answer = c.home ? home : apps;
        button->click();
        EXPECT_EQ(stored(key), picker.answer);
        EXPECT_TRUE(s.message().isEmpty());
        EXPECT_TRUE(s.isClosing());
    }
}

TEST_F(SandboxTest, AGrantedCardShowsTheFolderChosen) {
    SandboxViewController& s = make();
    EXPECT_TRUE(s.homeDetail().contains(UserAccount::loginName()));
    picker.answer = apps;
    s.allowApps()->click();
    // The path, shortened in the middle when it is long.
    EXPECT_TRUE(s.appsDetail().startsWith(QStringLiteral("/"))) << s.appsDetail().toStdString();
    EXPECT_TRUE(s.appsDetail().endsWith(QStringLiteral("/Applications")));
    picker.answer = home;
    s.allowHome()->click();
    EXPECT_TRUE(s.homeDetail().startsWith(QStringLiteral("/"))) << s.homeDetail().toStdString();
    EXPECT_TRUE(s.homeDetail().endsWith(QStringLiteral("/") + UserAccount::loginName()));
}

TEST_F(SandboxTest, ApplicationsThenHomeClosesTheScreen) {
    SandboxViewController& s = make();
    picker.answer = apps;
    s.allowApps()->click();
    EXPECT_EQ(stored("Applications"), apps);
    EXPECT_FALSE(s.allowApps()->isEnabled());
    EXPECT_TRUE(s.allowHome()->isEnabled());
    EXPECT_FALSE(s.isClosing()); // one grant never closes it
    EXPECT_TRUE(posted.isEmpty());

    picker.answer = home;
    s.allowHome()->click();
    EXPECT_EQ(stored("home"), home);
    EXPECT_TRUE(s.isClosing());
    test::spin(50);
    // The home screen is asked for before the overlay is cleared, once each.
    EXPECT_EQ(posted, (QStringList{QStringLiteral("home_view_controller_for_launch"),
                                   QStringLiteral("sandbox_end_anim_complete")}));
}

TEST_F(SandboxTest, OnlyTheFoldersTheHomeLayoutReadsAreAskedFor) {
    for (const HomeLayout::Kind kind : {HomeLayout::Kind::MacOS, HomeLayout::Kind::Linux}) {
        SCOPED_TRACE(HomeLayout::name(kind));
        test::resetSettings();
        posted.clear();
        HomeLayout::setPreferred(Defaults::standard(), kind);
        const bool asked = kind == HomeLayout::Kind::MacOS;
        SandboxViewController& s = make();
        EXPECT_EQ(s.asksForApplications(), asked);
        EXPECT_EQ(s.allowApps()->isVisibleTo(&s), asked);
        picker.answer = home;
        s.allowHome()->click();
        EXPECT_EQ(s.isClosing(), !asked) << "the home alone is enough for a Linux home";
        screen.reset();
    }
}

TEST_F(SandboxTest, HomeFirstThenApplicationsClosesToo) {
    Dispatch::setDelayFactor(1);
    SandboxViewController& s = make();
    picker.answer = home;
    s.allowHome()->click();
    EXPECT_FALSE(s.isClosing());
    picker.answer = apps;
    s.allowApps()->click();
    EXPECT_TRUE(s.isClosing());
    ASSERT_TRUE(test::waitFor([&] { return posted.size() == 2; }, 2000));
    test::spin(400); // past the 0.3 s step: still once
    EXPECT_EQ(posted.count(QStringLiteral("home_view_controller_for_launch")), 1);
}

TEST_F(SandboxTest, AHomeStepStillPendingWhenTheAnimationEndsLaterRunsOnce) {
    Dispatch::setDelayFactor(1);
    Animator::setDurationFactor(1); // the springs take longer than 0.3 s
    SandboxViewController& s = make();
    grantApplications();
    picker.answer = home;
    s.allowHome()->click();
    ASSERT_TRUE(test::waitFor([&] { return posted.size() == 2; }, 5000));
    EXPECT_EQ(posted.first(), QStringLiteral("home_view_controller_for_launch"));
}

TEST_F(SandboxTest, APickThatCannotBeGrantedRemovesTheOldValue) {
    SandboxViewController& s = make();
    picker.answer = home;
    s.allowHome()->click();
    ASSERT_TRUE(stored("home"));
    picker.answer = tmp / "gone" / UserAccount::loginName().toStdString(); // the right name, no folder
    s.allow_home(); // the button is disabled after the first, right pick
    EXPECT_EQ(picker.requests.size(), 2u);
    EXPECT_FALSE(Defaults::standard().hasKey(QStringLiteral("home")));
}

TEST_F(SandboxTest, OnLoadAValidHomeGrantDisablesItsButton) {
    Defaults::standard().setData(QStringLiteral("home"), *Grant::create(home));
    SandboxViewController& s = make();
    EXPECT_FALSE(s.allowHome()->isEnabled());
    EXPECT_TRUE(s.allowApps()->isEnabled());
}

TEST_F(SandboxTest, OnLoadAStaleOrWronglyNamedGrantLeavesTheButtonEnabled) {
    std::filesystem::create_directories(tmp / "other");
    Defaults::standard().setData(QStringLiteral("home"), *Grant::create(tmp / "other"));
    EXPECT_TRUE(make().allowHome()->isEnabled());
    Defaults::standard().setData(QStringLiteral("home"), *Grant::create(home));
    std::filesystem::create_directories(tmp / "fresh");
    std::filesystem::remove(home);
    std::filesystem::rename(tmp / "fresh", home); // same name, another folder: stale
    EXPECT_TRUE(make().allowHome()->isEnabled());
    Defaults::standard().setData(QStringLiteral("Applications"), *Grant::create(apps));
    EXPECT_FALSE(make().allowApps()->isEnabled());
}

// The explanation shows in the window, whether or not a browser can open the
// page; the page is one button further.
TEST_F(SandboxTest, HelpShowsTheExplanationAndOffersThePage) {
    QList<QUrl> opened;
    bool browser = false;
    Workspace::setURLOpener([&](const QUrl& url) {
        opened << url;
        return browser;
    });
    SandboxViewController& s = make();
    s.show();
    QTest::mouseClick(s.helpButton(), Qt::LeftButton);
    QMessageBox* box = s.helpBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(opened.isEmpty());
    QAbstractButton* web = nullptr;
    for (QAbstractButton* b : box->buttons())
        if (box->buttonRole(b) == QMessageBox::ActionRole)
            web = b;
    ASSERT_NE(web, nullptr);
    web->click();
    Workspace::setURLOpener({});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first().path(), QStringLiteral("/applications/sandbox"));
    // No browser took it: the screen says where the page is.
    EXPECT_TRUE(s.message().contains(opened.first().toString()));
    test::spin();
    EXPECT_EQ(s.helpBox(), nullptr);
}

} // namespace
} // namespace dovrel
