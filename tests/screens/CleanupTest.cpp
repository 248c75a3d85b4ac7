#include "controls/Animator.h"
#include "controls/ProgressRing.h"
#include "controls/SmartProgressView.h"
#include "controls/TransitionLabel.h"
#include "engine/CleaningMode.h"
#include "platform/ByteCountFormatter.h"
#include "platform/gui/Reporting.h"
#include "screens/cleanup/CleanedViewController.h"
#include "screens/cleanup/SmartCleanupViewController.h"
#include "screens/scan/SmartScanViewController.h"
#include "shell/AppDelegate.h"
#include "shell/CleanerWindowController.h"

#include "CleanupFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QVariantAnimation>

namespace dovrel {
namespace {

class CleanupTest : public test::CleanupFixture {
protected:
    std::unique_ptr<SmartCleanupViewController> progressScreen() {
        auto s = std::make_unique<SmartCleanupViewController>([this] { return &engine; });
        s->resize(780, 520);
        s->loadViewIfNeeded();
        return s;
    }
    static CleanedViewController* cleaned(Screen* s) { return qobject_cast<CleanedViewController*>(s); }
};

TEST_F(CleanupTest, TheSequenceKeepsItsStepsAndLengthWhileTheRemovalIsHeldBack) {
    // Half speed: 0.75 s, 1.0 s, 1.75 s; far apart enough for their order.
    test::setTimeFactors(0.5, 0.5);
    const auto folder = tree.folder("Library/Caches/com.example.app");
    for (int i = 0; i < 20; ++i)
        tree.file("Library/Caches/com.example.app/f" + std::to_string(i), 100);
    handOver({folder}, 2000);
    calls.hold();

    struct AtPost {
        QString item, size;
        double ring = -1;
        bool removing = false;
    };
    std::vector<AtPost> posts;
    QObject observer;
    std::unique_ptr<SmartCleanupViewController> screen;
    NotificationCenter::defaultCenter().addObserver(
        &observer, QStringLiteral("cleaned_view_controller"), [&] {
            posts.push_back({screen->smart_item()->text(), screen->smart_size()->text(),
                             screen->progressView()->progress()->strokeEnd(),
                             CleanupRun::shared().isRunning()});
        });
    screen = progressScreen();
    ASSERT_TRUE(calls.waitUntilHeld()); // the removal started and is held inside the folder
    EXPECT_EQ(screen->smart_size()->text(), formatByteCountInList(2000));
    QVariantAnimation* ring =
        Animator::running(screen->progressView()->progress(),
                          QString::fromLatin1(SmartCleanupViewController::ringAnimationKey()));
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->duration(), 1000); // 2.0 s at half speed
    EXPECT_EQ(ring->easingCurve(), Animator::easeInEaseOut());
    EXPECT_EQ(ring->endValue().toDouble(), 1.0);

    // 1.5 s: the item slides in while the ring is still filling.
    ASSERT_TRUE(
        test::waitFor([&] { return screen->smart_item()->text() == QStringLiteral("Cleanup complete..."); }));
    EXPECT_LT(screen->progressView()->progress()->strokeEnd(), 1.0);
    EXPECT_EQ(screen->smart_size()->text(), formatByteCountInList(2000));
    // 2.0 s: "Done" when the ring is full; 1.5 s later the completion screen is asked for.
    ASSERT_TRUE(test::waitFor([&] { return screen->smart_size()->text() == QStringLiteral("Done"); }));
    EXPECT_EQ(screen->progressView()->progress()->strokeEnd(), 1.0);
    EXPECT_TRUE(posts.empty());
    ASSERT_TRUE(test::waitFor([&] { return !posts.empty(); }));
    test::spin(50);
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].item, QStringLiteral("Cleanup complete..."));
    EXPECT_EQ(posts[0].size, QStringLiteral("Done"));
    EXPECT_EQ(posts[0].ring, 1.0);
    EXPECT_TRUE(posts[0].removing); // the sequence did not wait for the removal
    EXPECT_TRUE(exists(folder / "f19"));
}

TEST_F(CleanupTest, AReplacedScreenIsLeftAloneAndItsRemovalGoesOn) {
    test::setTimeFactors(0.05, 0.05);
    const auto log = tree.file("Library/Logs/old.log", 4096);
    handOver({log}, 4096);
    const std::int64_t before = totallyCleaned();
    calls.hold();
    int posted = 0;
    QObject observer;
    NotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("cleaned_view_controller"),
                                                    [&] { ++posted; });
    auto screen = progressScreen();
    const QString item = screen->smart_item()->text();
    screen->release(); // replaced before any step
    test::spin(400);   // well past the whole sequence
    EXPECT_EQ(posted, 0);
    EXPECT_EQ(screen->smart_item()->text(), item);
    EXPECT_EQ(screen->smart_size()->text(), formatByteCountInList(4096)); // no "Done"
    screen.reset();
    calls.release();
    ASSERT_TRUE(CleanupRun::shared().waitUntilIdle(std::chrono::seconds(30)));
    EXPECT_FALSE(exists(log));
    EXPECT_EQ(totallyCleaned(), before + 4096);
}

// The completion screen shows the chosen size, then what was freed and what
// could not be removed; "TotallyCleaned" grows by what was freed, once,
// whenever the report arrives.
TEST_F(CleanupTest, TheCompletionScreenShowsWhatWasFreedAndTheTotalGrowsOnceWheneverTheReportArrives) {
    enum class Arrival { BeforeTheScreen, WhileShown, AfterItIsGone };
    for (Arrival arrival : {Arrival::BeforeTheScreen, Arrival::WhileShown, Arrival::AfterItIsGone}) {
        SCOPED_TRACE(static_cast<int>(arrival));
        const auto app = tree.folder("Library/Caches/com.example.app");
        tree.file("Library/Caches/com.example.app/a", 700'000);
        tree.file("Library/Caches/com.example.app/b/c", 300'000);
        const auto trashed = tree.file(".Trash/movie.mov", 500'000);
        const auto vanished = tree.file("Library/Logs/vanished.log", 1000);
        const auto stuck = tree.folder("Library/Logs/stuck");
        tree.file("Library/Logs/stuck/locked.bin", 200'000);
        calls.failName("locked.bin", EACCES);
        handOver({app, trashed, vanished, stuck}, 1'501'000 + 200'000);
        std::filesystem::remove(vanished); // deleted since the scan
        const std::int64_t before = totallyCleaned();
        root();

        if (arrival == Arrival::BeforeTheScreen) {
            CleanupRun::shared().start(engine);
            ASSERT_TRUE(CleanupRun::shared().waitUntilIdle(std::chrono::seconds(30)));
            post("cleaned_view_controller");
        } else {
            calls.hold();
            post("smart_cleanup_view_controller");
            ASSERT_EQ(contentId(), QStringLiteral("SmartCleanup"));
            ASSERT_TRUE(test::waitFor([&] { return contentId() == QStringLiteral("Cleaned"); }));
            CleanedViewController* screen = cleaned(content());
            ASSERT_NE(screen, nullptr);
            EXPECT_EQ(screen->was_cleaned_size()->text(),
                      formatByteCountInList(1'701'000)); // what was chosen
            EXPECT_FALSE(screen->status()->isHidden());
            EXPECT_FALSE(screen->statusSpinner()->isHidden()); // turning beside it
            EXPECT_TRUE(screen->failures()->isHidden());
            if (arrival == Arrival::AfterItIsGone) {
                QTest::mouseClick(screen->done_button(), Qt::LeftButton);
                test::spin();
                EXPECT_EQ(homesMade, 1);
            }
            calls.release();
            ASSERT_TRUE(CleanupRun::shared().waitUntilIdle(std::chrono::seconds(30)));
            if (arrival == Arrival::AfterItIsGone)
                post("cleaned_view_controller"); // a later completion screen finds the report
        }
        CleanedViewController* screen = cleaned(content());
        ASSERT_NE(screen, nullptr);
        ASSERT_TRUE(test::waitFor(
            [&] { return screen->was_cleaned_size()->text() == formatByteCountInList(1'500'000); }));
        EXPECT_TRUE(screen->status()->isHidden());
        EXPECT_TRUE(screen->statusSpinner()->isHidden());
        EXPECT_FALSE(exists(app));
        EXPECT_FALSE(exists(trashed));
        EXPECT_TRUE(std::filesystem::is_empty(home / ".Trash")); // gone for good, not moved
        EXPECT_TRUE(exists(stuck / "locked.bin"));

        // The one location that stayed, with its reason, behind "Show List".
        EXPECT_FALSE(screen->failures()->isHidden());
        EXPECT_EQ(screen->failures()->text(), QStringLiteral("1 location could not be removed."));
        EXPECT_TRUE(screen->failureList()->isHidden());
        QTest::mouseClick(screen->failureListButton(), Qt::LeftButton);
        EXPECT_FALSE(screen->failureList()->isHidden());
        ASSERT_EQ(screen->failureList()->topLevelItemCount(), 1);
        EXPECT_EQ(screen->failureList()->topLevelItem(0)->text(0), QStringLiteral("~/Library/Logs/stuck"));
        EXPECT_TRUE(screen->failureList()->topLevelItem(0)->text(1).contains(QStringLiteral("ermission")));

        test::spin(50);
        EXPECT_EQ(totallyCleaned(), before + 1'500'000); // freed, not chosen; once
        std::filesystem::remove_all(stuck);
        vc.reset();
        test::spin();
    }
}

TEST_F(CleanupTest, InTrashModeTheCompletionScreenSaysMovedAndOnlyWhatWasRemovedJoinsTheTotal) {
    ASSERT_TRUE(CleaningMode::store(Defaults::standard(), CleaningMode::Mode::Trash));
    const auto app = tree.folder("Library/Caches/com.example.app");
    tree.file("Library/Caches/com.example.app/a", 700'000);
    tree.file("Library/Caches/com.example.app/b/c", 300'000);
    const auto trashed = tree.file(".Trash/movie.mov", 500'000);
    handOver({app, trashed}, 1'500'000);
    const std::int64_t before = totallyCleaned();
    root();
    // The progress screen says where the files go before anything goes.
    const SmartCleanupViewController progress([this] { return &engine; });
    QStringList texts;
    for (const QLabel* l : progress.findChildren<QLabel*>())
        texts << l->text();
    EXPECT_TRUE(texts.contains(
        QStringLiteral("Selected files go to the Trash; what was in the Trash is removed for good.")))
        << texts.join(QLatin1Char('|')).toStdString();

    post("smart_cleanup_view_controller");
    ASSERT_TRUE(test::waitFor([&] { return contentId() == QStringLiteral("Cleaned"); }));
    ASSERT_TRUE(CleanupRun::shared().waitUntilIdle(std::chrono::seconds(30)));
    CleanedViewController* screen = cleaned(content());
    ASSERT_NE(screen, nullptr);
    ASSERT_TRUE(test::waitFor([&] { return screen->status()->isHidden(); })); // report shown
    // The figure is what emptying the Trash will free; the Trash's own item
    // went for good and is named apart.
    EXPECT_EQ(screen->was_cleaned_size()->text(), formatByteCountInList(1'000'000));
    EXPECT_EQ(screen->label()->text(),
              QStringLiteral("moved to the Trash, freed when it is emptied; %1 removed for good")
                  .arg(formatByteCountInList(500'000)));
    EXPECT_TRUE(screen->failures()->isHidden());
    EXPECT_FALSE(exists(app));
    EXPECT_TRUE(exists(home / ".Trash/com.example.app/b/c"));
    EXPECT_FALSE(exists(trashed));
    test::spin(50);
    EXPECT_EQ(totallyCleaned(), before + 500'000); // moving frees nothing
}

TEST_F(CleanupTest, TwoCleanupsOfOneAndThreeMegabytesRaiseTheTotalByFour) {
    Defaults::standard().setInteger(QStringLiteral("TotallyCleaned"), 123);
    root();
    for (std::int64_t size : {1'000'000, 3'000'000}) {
        const auto file = tree.file("Library/Logs/" + std::to_string(size) + ".log", size);
        handOver({file}, size);
        post("smart_cleanup_view_controller");
        ASSERT_TRUE(test::waitFor([&] { return contentId() == QStringLiteral("Cleaned"); }));
        ASSERT_TRUE(CleanupRun::shared().waitUntilIdle(std::chrono::seconds(30)));
        ASSERT_TRUE(test::waitFor([&] { return cleaned(content())->status()->isHidden(); })); // report shown
        EXPECT_EQ(cleaned(content())->was_cleaned_size()->text(), formatByteCountInList(size));
        EXPECT_TRUE(cleaned(content())->failures()->isHidden());
        EXPECT_FALSE(exists(file));
        post("home_view_controller");
    }
    test::spin(50);
    EXPECT_EQ(totallyCleaned(), 123 + 4'000'000);
}

TEST_F(CleanupTest, ScanAgainGoesStraightToTheScanScreenAndDoneGoesHome) {
    ViewController& v = root();
    post("cleaned_view_controller");
    ASSERT_NE(cleaned(content()), nullptr);
    QTest::mouseClick(cleaned(content())->search_button(), Qt::LeftButton);
    EXPECT_EQ(content(), nullptr); // cleared at once
    ASSERT_TRUE(test::waitFor([&] { return v.viewcontrollerA() != nullptr; }));
    EXPECT_EQ(v.viewcontrollerA()->identifier(), QStringLiteral("SmartScan"));
    EXPECT_EQ(homesMade, 0);
    ASSERT_TRUE(test::waitFor([&] { return v.viewcontrollerA() == nullptr; }, 30000)); // scan finished

    post("cleaned_view_controller");
    QTest::mouseClick(cleaned(content())->done_button(), Qt::LeftButton);
    EXPECT_EQ(homesMade, 1);
    EXPECT_EQ(contentId(), QStringLiteral("Home"));
}

TEST_F(CleanupTest, ANewScanWaitsForTheRunningRemovalAndNeverReportsWhatItDeletes) {
    const auto doomed = tree.file("Library/Logs/doomed.log", 9000);
    const auto kept = tree.file("Library/Logs/kept.log", 10);
    handOver({doomed}, 9000);
    calls.hold();
    CleanupRun::shared().start(engine);
    ASSERT_TRUE(calls.waitUntilHeld());

    int steps = 0, finished = 0;
    QObject observer;
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(&observer, QStringLiteral("smart_scan_logs"), [&] { ++steps; });
    center.addObserver(&observer, QStringLiteral("smart_clean_view_controller"), [&] { ++finished; });
    SmartScanViewController scan([this] { return &engine; });
    scan.resize(780, 520);
    scan.loadViewIfNeeded();
    scan.viewWillAppear();
    test::spin(200);
    EXPECT_FALSE(scan.scanStarted());
    EXPECT_EQ(steps + finished, 0);
    EXPECT_EQ(scan.caption()->text(), SmartScanViewController::waitingText());
    EXPECT_DOUBLE_EQ(scan.progressView()->progress()->strokeEnd(), 0.5); // the ring is shown meanwhile

    calls.release();
    ASSERT_TRUE(test::waitFor([&] { return finished == 1; }, 30000));
    EXPECT_TRUE(scan.scanStarted());
    EXPECT_EQ(scan.caption()->text(), SmartScanViewController::lookingText());
    ASSERT_NE(engine.apps_logs_item, nullptr);
    ASSERT_TRUE(engine.apps_logs_item->items.has_value());
    std::vector<std::filesystem::path> listed;
    for (const ResultEntry& e : *engine.apps_logs_item->items)
        listed.push_back(std::get<std::shared_ptr<LargeFile>>(e)->url_file);
    EXPECT_EQ(listed, std::vector<std::filesystem::path>{kept});
}

class NoReporting : public Reporting {
public:
    void sendTrackingReport() override {}
    void setupIssuesController(bool) override {}
    std::optional<QString> takePendingIssueReport() override { return std::nullopt; }
    void showFeedbackDialog(QWidget*, int) override {}
};

TEST_F(CleanupTest, AScanWaitingForACleanupDoesNotStartWhenTheApplicationQuitsMeanwhile) {
    const auto log = tree.file("Library/Logs/old.log", 100);
    handOver({log}, 100);
    NoReporting reporting;
    AppDelegate delegate(reporting);
    int quits = 0;
    delegate.setTerminateHandler([&] { ++quits; });
    CleanerWindowController window(factory);
    delegate.attachMainWindow(&window);
    window.show();
    calls.hold();
    CleanupRun::shared().start(engine);
    ASSERT_TRUE(calls.waitUntilHeld());
    SmartScanViewController scan([this] { return &engine; });
    scan.loadViewIfNeeded();
    EXPECT_FALSE(window.close()); // finishing the cleanup first
    calls.release();
    ASSERT_TRUE(test::waitFor([&] { return quits == 1; }, 30000));
    EXPECT_FALSE(scan.scanStarted());
    EXPECT_FALSE(exists(log));
}

} // namespace
} // namespace dovrel
