#include "controls/Animator.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/FolderPicker.h"
#include "platform/gui/UserAccount.h"
#include "platform/gui/Workspace.h"
#include "screens/access/SandboxViewController.h"

#include "GuiTestSupport.h"
#include "support/TempDir.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

// Answers every request at once with the folder set in `answer`.
class FakePicker : public FolderPicker {
public:
    void pickFolder(QWidget*, const Request& request, Completion completion) override {
        requests.push_back(request);
        completion(answer);
    }
    std::vector<Request> requests;
    std::optional<std::filesystem::path> answer;
};

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
    FakePicker picker;
    QObject observer;
    QStringList posted;
    std::unique_ptr<SandboxViewController> screen;
};

TEST_F(SandboxTest, HomePanelIsTitledAllowAccessAndStartsInTheUsersHome) {
    make().allowHome()->click();
    ASSERT_EQ(picker.requests.size(), 1u);
    EXPECT_EQ(picker.requests[0].title, QStringLiteral("Allow access"));
    EXPECT_EQ(picker.requests[0].prompt, QStringLiteral("Allow"));
    EXPECT_EQ(picker.requests[0].startFolder, UserAccount::homeDirectoryForUser());
}

TEST_F(SandboxTest, ApplicationsPanelStartsInTheSystemsApplicationsFolderWhereOneExists) {
    make().allowApps()->click();
    ASSERT_EQ(picker.requests.size(), 1u);
    EXPECT_EQ(picker.requests[0].startFolder,
              UserAccount::localApplicationsDirectory().value_or(UserAccount::homeDirectoryForUser()));
}

TEST_F(SandboxTest, CancellingChangesNothing) {
    SandboxViewController& s = make();
    s.allowHome()->click();
    EXPECT_FALSE(Defaults::standard().hasKey(QStringLiteral("home")));
    EXPECT_TRUE(s.allowHome()->isEnabled());
}

TEST_F(SandboxTest, AWronglyNamedFolderIsStoredButTheScreenStays) {
    std::filesystem::create_directories(tmp / "someone-else");
    grantApplications();
    SandboxViewController& s = make();
    picker.answer = tmp / "someone-else";
    s.allowHome()->click();
    test::spin();
    EXPECT_EQ(stored("home"), tmp / "someone-else");
    EXPECT_TRUE(s.allowHome()->isEnabled());
    EXPECT_FALSE(s.isClosing());
    EXPECT_TRUE(posted.isEmpty());
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
    picker.answer = tmp / "gone";
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

TEST_F(SandboxTest, HelpLinkOpensTheSandboxPage) {
    QList<QUrl> opened;
    Workspace::setURLOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    make().open_sandbox_webpage();
    Workspace::setURLOpener({});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first().path(), QStringLiteral("/applications/sandbox"));
}

} // namespace
} // namespace dovrel
