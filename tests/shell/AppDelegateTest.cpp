#include "shell/AppDelegate.h"
#include "platform/Defaults.h"
#include "platform/gui/HexColor.h"
#include "platform/gui/MainBundle.h"
#include "platform/gui/Reporting.h"
#include "shell/CleanerWindowController.h"
#include "shell/ScreenFactory.h"
#include "shell/ViewController.h"

#include "GuiTestSupport.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QMessageBox>

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
