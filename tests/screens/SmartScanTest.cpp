#include "catalogue/Application.h"
#include "catalogue/Cache.h"
#include "catalogue/Remainders.h"
#include "controls/CategoryArtwork.h"
#include "controls/ProgressRing.h"
#include "controls/SmartProgressView.h"
#include "controls/TransitionLabel.h"
#include "engine/Cleaner.h"
#include "platform/ByteCountFormatter.h"
#include "platform/NotificationCenter.h"
#include "screens/scan/SmartScanViewController.h"

#include "GuiTestSupport.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QLabel>
#include <QThreadPool>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

class SmartScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        test::FixtureTree::makeHomeSkeleton(home);
        NotificationCenter::defaultCenter().addObserver(
            &observer, QStringLiteral("smart_clean_view_controller"), [this] {
                ++finished;
                ringAtFinish = screen ? screen->progressView()->progress()->strokeEnd() : -1;
            });
    }
    void TearDown() override {
        QThreadPool::globalInstance()->waitForDone(30000);
        test::spin(20);
        screen.reset();
        test::setTimeFactors(1, 1);
    }

    std::unique_ptr<SmartScanViewController> make(Cleaner* engine) {
        auto s = std::make_unique<SmartScanViewController>([engine] { return engine; });
        s->resize(780, 520);
        s->loadViewIfNeeded();
        s->viewWillAppear();
        return s;
    }
    static void post(const char* name) {
        NotificationCenter::defaultCenter().post(QString::fromLatin1(name));
    }

    test::TempDir tmp;
    std::filesystem::path home = tmp / "me";
    QObject observer;
    int finished = 0;
    double ringAtFinish = -1;
    std::unique_ptr<SmartScanViewController> screen;
};

TEST_F(SmartScanTest, EveryStepNamesItsCategorySetsTheRingAndShowsTheTotal) {
    // An engine without a home: its scan finds nothing, quickly.
    Cleaner engine(std::nullopt);
    screen = make(&engine);
    EXPECT_EQ(screen->smart_item()->text(), QStringLiteral("Scan in \"Applications caches\""));
    EXPECT_DOUBLE_EQ(screen->progressView()->progress()->strokeEnd(), 0.5); // opening, instant in tests
    ASSERT_TRUE(test::waitFor([&] { return finished == 1; }, 30000));

    // Replay the steps with a known total.
    engine.total_smart_size = 1'500'000;
    struct Step {
        const char* notification;
        const char* text;
        double ring;
    };
    const Step steps[] = {
        {"smart_scan_logs", "Scan in \"Applications logs\"", 0.5},
        {"smart_scan_remainders", "Scan in \"Applications remainders\"", 0.6},
        {"smart_scan_browsers", "Scan in \"Browsers\"", 0.7},
        {"smart_scan_mails", "Scan in \"Mail attachments\"", 0.8},
        {"smart_scan_installs", "Scan in \"Installation files\"", 0.9},
        {"smart_scan_trash", "Scan in \"Trash Bin\"", 1.0},
    };
    screen->progressView()->progress()->setStrokeEnd(0.1); // steps never read the ring
    for (const Step& step : steps) {
        SCOPED_TRACE(step.notification);
        post(step.notification);
        EXPECT_EQ(screen->smart_item()->text(), QString::fromUtf8(step.text));
        EXPECT_DOUBLE_EQ(screen->progressView()->progress()->strokeEnd(), step.ring);
        EXPECT_EQ(screen->smart_size()->text(), formatByteCount(1'500'000));
    }
}

// A frame painted right after a step (the results may then keep the main
// thread busy) shows a name and a picture of the same category.
TEST_F(SmartScanTest, ThePictureChangesWithTheName) {
    Cleaner engine(std::nullopt);
    screen = make(&engine);
    ASSERT_TRUE(test::waitFor([&] { return finished == 1; }, 30000));
    test::setTimeFactors(1, 1);
    const auto shows = [&](const char* image) {
        return screen->image()->pixmap().toImage() ==
               CategoryArtwork::image(QString::fromLatin1(image), 44, screen->devicePixelRatioF()).toImage();
    };
    post("smart_scan_installs");
    ASSERT_TRUE(
        test::waitFor([&] { return !screen->smart_item()->isTransitioning() && shows("Smart installs"); }));
    post("smart_scan_trash");
    QCoreApplication::processEvents();
    if (screen->smart_item()->transitionProgress() < 0.5) { // the old name still shows
        EXPECT_TRUE(shows("Smart installs"));
    }
    EXPECT_TRUE(
        test::waitFor([&] { return !screen->smart_item()->isTransitioning() && shows("Smart trash"); }));
}

TEST_F(SmartScanTest, AnEmptyHomeRunsAllStepsWithTheZeroTextAndPostsTheResultsOnce) {
    Cleaner engine(home);
    QStringList seen;
    QObject watcher;
    for (const char* name : {"smart_scan_logs", "smart_scan_remainders", "smart_scan_browsers",
                             "smart_scan_mails", "smart_scan_installs", "smart_scan_trash"})
        NotificationCenter::defaultCenter().addObserver(&watcher, QString::fromLatin1(name), [&, name] {
            seen << QString::fromLatin1(name);
            EXPECT_EQ(screen->smart_size()->text(), formatByteCount(0));
        });
    screen = make(&engine);
    ASSERT_TRUE(test::waitFor([&] { return finished >= 1; }, 30000));
    test::spin(100);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(seen.size(), 6);
    EXPECT_DOUBLE_EQ(ringAtFinish, 1.0); // the Trash step was handled first
    EXPECT_EQ(screen->smart_item()->text(), QStringLiteral("Scan in \"Trash Bin\""));
}

TEST_F(SmartScanTest, ASecondScanHasItsOwnScreenAndTheFirstNoLongerListens) {
    Cleaner engine(home);
    screen = make(&engine);
    ASSERT_TRUE(test::waitFor([&] { return finished == 1; }, 30000));
    std::unique_ptr<SmartScanViewController> first = std::move(screen);
    first->release(); // taken out of its layer
    first->progressView()->progress()->setStrokeEnd(0.25);
    screen = make(&engine);
    ASSERT_TRUE(test::waitFor([&] { return finished == 2; }, 30000));
    test::spin(100);
    EXPECT_EQ(finished, 2); // one per screen
    EXPECT_DOUBLE_EQ(first->progressView()->progress()->strokeEnd(), 0.25);
    EXPECT_DOUBLE_EQ(screen->progressView()->progress()->strokeEnd(), 1.0);
}

// A folder changed in the preferences reaches the engine when a scan starts,
// and that scan already looks there.
TEST_F(SmartScanTest, TheScanTakesTheFoldersNotedForIt) {
    const std::filesystem::path other = tmp / "other";
    test::FixtureTree::makeHomeSkeleton(other);
    test::FixtureTree(other).file(".Trash/old.bin", 4321);
    Application application(std::nullopt, std::nullopt);
    Cache cache(std::nullopt, std::nullopt, &application);
    Remainders remainders(std::nullopt, std::nullopt, &cache, &application);
    Cleaner engine(std::nullopt, &cache, &remainders);
    engine.setNextLocations(other, std::nullopt);
    screen = make(&engine);
    ASSERT_TRUE(test::waitFor([&] { return finished == 1; }, 30000));
    EXPECT_EQ(engine.url_home, other);
    EXPECT_FALSE(engine.hasNextLocations());
    EXPECT_EQ(engine.totalTrashSize, 4321);
    EXPECT_EQ(cache.url_home, other);
}

} // namespace
} // namespace dovrel
