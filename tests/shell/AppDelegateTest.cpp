#include "shell/AppDelegate.h"
#include "engine/CleanupRun.h"
#include "platform/Defaults.h"
#include "platform/gui/HexColor.h"
#include "platform/gui/MainBundle.h"
#include "platform/gui/Reporting.h"
#include "shell/CleanerWindowController.h"
#include "shell/FinishingCleanupNotice.h"
#include "shell/ScreenFactory.h"
#include "shell/ViewController.h"

#include "GuiTestSupport.h"
#include "support/FixtureTree.h"
#include "support/HeldRemovalSyscalls.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

class FakeReporting : public Reporting {
public:
    void sendTrackingReport() override { ++trackingReports; }
    void setupIssuesController(bool unhandled) override {
        ++issueSetups;
        reportingUnhandled = unhandled;
    }
    std::optional<QString> takePendingIssueReport() override { return std::exchange(pending, std::nullopt); }
    void showFeedbackDialog(QWidget* parent, int mode) override {
        ++feedbackDialogs;
        feedbackParent = parent;
        feedbackMode = mode;
    }

    int trackingReports = 0;
    int issueSetups = 0;
    bool reportingUnhandled = false;
    std::optional<QString> pending;
    int feedbackDialogs = 0;
    QWidget* feedbackParent = reinterpret_cast<QWidget*>(1);
    int feedbackMode = -1;
};

class AppDelegateTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        bundle = tmp / "dovrel-cleaner.app";
        std::filesystem::create_directories(bundle / "Contents" / "MacOS");
        MainBundle::setExecutableFolderOverride(bundle / "Contents" / "MacOS");
    }
    void TearDown() override { MainBundle::setExecutableFolderOverride(std::nullopt); }

    void putReceipt(std::int64_t size) {
        test::FixtureTree tree(bundle);
        tree.file("Contents/_MASReceipt/receipt", size);
    }

    test::TempDir tmp;
    std::filesystem::path bundle;
    FakeReporting reporting;
};

TEST_F(AppDelegateTest, FirstLaunchCountsOne) {
    AppDelegate delegate(reporting);
    delegate.applicationDidFinishLaunching();
    EXPECT_EQ(Defaults::standard().integerForKey(QStringLiteral("appLaunchCount")), 1);
    EXPECT_EQ(delegate.app_settings, &Defaults::standard());
}

TEST_F(AppDelegateTest, TenthLaunchLeavesTen) {
    for (int i = 0; i < 10; ++i) {
        AppDelegate delegate(reporting);
        delegate.applicationDidFinishLaunching();
    }
    EXPECT_EQ(Defaults::standard().integerForKey(QStringLiteral("appLaunchCount")), 10);
}

TEST_F(AppDelegateTest, UsageReportOnlyWithAReceiptLargerThanZero) {
    {
        AppDelegate delegate(reporting);
        delegate.applicationDidFinishLaunching(); // no receipt
    }
    EXPECT_EQ(reporting.trackingReports, 0);
    putReceipt(0);
    {
        AppDelegate delegate(reporting);
        delegate.applicationDidFinishLaunching();
    }
    EXPECT_EQ(reporting.trackingReports, 0);
    putReceipt(120);
    {
        AppDelegate delegate(reporting);
        delegate.applicationDidFinishLaunching();
    }
    EXPECT_EQ(reporting.trackingReports, 1);
    // The issue reporter starts at every launch, reporting unhandled issues.
    EXPECT_EQ(reporting.issueSetups, 3);
    EXPECT_TRUE(reporting.reportingUnhandled);
}

TEST_F(AppDelegateTest, ACrashReportOfTheLastRunIsShown) {
    reporting.pending = QStringLiteral("Signal: 11");
    AppDelegate delegate(reporting);
    delegate.applicationDidFinishLaunching();
    ASSERT_TRUE(delegate.shownIssueReport().has_value());
    EXPECT_EQ(*delegate.shownIssueReport(), QStringLiteral("Signal: 11"));
    EXPECT_TRUE(test::waitFor([] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                box->close();
                return true;
            }
        return false;
    }));
}

TEST_F(AppDelegateTest, FeedbackActionOpensTheDialogWithoutParentInModeZero) {
    AppDelegate delegate(reporting);
    EXPECT_EQ(AppDelegate::shared(), &delegate);
    delegate.showFeedbackDialog(nullptr);
    EXPECT_EQ(reporting.feedbackDialogs, 1);
    EXPECT_EQ(reporting.feedbackParent, nullptr);
    EXPECT_EQ(reporting.feedbackMode, 0);
}

TEST_F(AppDelegateTest, ClosingTheMainWindowQuits) {
    ScreenFactory factory; // no screens: the window stays empty
    AppDelegate delegate(reporting);
    int quits = 0;
    delegate.setTerminateHandler([&] { ++quits; });
    CleanerWindowController window(factory);
    delegate.attachMainWindow(&window);
    window.windowDidLoad();
    window.show();
    EXPECT_EQ(quits, 0);
    window.close();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(delegate.applicationShouldTerminateAfterLastWindowClosed());
}

// Quitting while a cleanup runs: the window stays and says it is finishing;
// the location in hand is finished (or, asked again, the removal stops at
// the next entry); what went is counted; then the application ends.
TEST_F(AppDelegateTest, QuittingMidCleanupFinishesTheLocationInHandCountsItAndThenQuits) {
    struct Case {
        const char* name;
        bool askTwice;
    };
    for (const Case& c : {Case{"close once", false}, Case{"close twice", true}}) {
        SCOPED_TRACE(c.name);
        test::TempDir home;
        test::FixtureTree tree(home.path());
        test::FixtureTree::makeHomeSkeleton(home.path());
        for (int i = 0; i < 8; ++i)
            tree.file("Library/Caches/big/f" + std::to_string(i), 1000);
        const auto next = tree.file("Library/Caches/next.bin", 5000);
        CleanupRun& run = CleanupRun::shared();
        test::HeldRemovalSyscalls calls(run);
        const std::int64_t before = Defaults::standard().integerForKey(QStringLiteral("TotallyCleaned"));

        ScreenFactory factory;
        AppDelegate delegate(reporting);
        int quits = 0;
        delegate.setTerminateHandler([&] { ++quits; });
        CleanerWindowController window(factory);
        delegate.attachMainWindow(&window);
        window.show();

        calls.hold();
        const CleanupRun::Id id = run.start(home.path(), {{home / "Library/Caches/big", {}}, {next, {}}});
        ASSERT_TRUE(calls.waitUntilHeld());
        EXPECT_FALSE(window.close());
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(quits, 0);
        EXPECT_TRUE(delegate.isFinishingCleanup());
        ASSERT_NE(window.finishingNotice(), nullptr);
        EXPECT_TRUE(window.finishingNotice()->isVisible());
        if (c.askTwice) {
            EXPECT_FALSE(window.close());
            EXPECT_FALSE(window.finishingNotice()->stopButton()->isEnabled());
        }
        calls.release();
        ASSERT_TRUE(test::waitFor([&] { return quits == 1; }, 30000));
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(run.isRunning());

        const auto report = run.report(id);
        ASSERT_NE(report, nullptr);
        ByteCount left = 0;
        for (int i = 0; i < 8; ++i)
            if (std::filesystem::exists(home / "Library/Caches/big" / ("f" + std::to_string(i))))
                left += 1000;
        // Once: the location in hand entirely; twice: it stops inside it.
        EXPECT_EQ(left == 0, !c.askTwice);
        EXPECT_EQ(report->bytesFreed, 8000 - left);
        EXPECT_TRUE(std::filesystem::exists(next)); // not started
        Defaults::standard().synchronize();
        EXPECT_EQ(Defaults::standard().integerForKey(QStringLiteral("TotallyCleaned")), before + 8000 - left);
    }
}

TEST_F(AppDelegateTest, MainWindowHasItsColourAndMovesByItsBackground) {
    ScreenFactory factory;
    CleanerWindowController window(factory);
    EXPECT_FALSE(window.isMovableByWindowBackground());
    window.windowDidLoad();
    EXPECT_EQ(window.palette().color(QPalette::Window),
              HexColor::colorFromHexString(QStringLiteral("515360")));
    EXPECT_TRUE(window.isMovableByWindowBackground());
    EXPECT_TRUE(window.hasMouseTracking());
    ASSERT_NE(window.contentViewController(), nullptr);
}

} // namespace
} // namespace dovrel
