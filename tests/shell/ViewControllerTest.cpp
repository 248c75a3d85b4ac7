#include "shell/ViewController.h"
#include "controls/AnimationView.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "shell/Screen.h"
#include "shell/ScreenFactory.h"

#include "GuiTestSupport.h"
#include "support/TempDir.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

// A screen that records its life cycle.
class ProbeScreen : public Screen {
public:
    void viewDidLoad() override { ++loads; }
    void viewWillAppear() override { ++willAppear; }
    void viewDidAppear() override { ++didAppear; }
    int loads = 0, willAppear = 0, didAppear = 0;
};

class ViewControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        for (const char* id : {"Sandbox", "Home", "Cleaned"})
            registerProbe(QStringLiteral("Main"), QString::fromLatin1(id));
        for (const char* id : {"SmartScan", "SmartClean", "SmartCleanup"})
            registerProbe(QStringLiteral("SmartClean"), QString::fromLatin1(id));
    }
    void TearDown() override {
        vc.reset();
        test::spin();
        test::setTimeFactors(1, 1);
    }

    void registerProbe(const QString& storyboard, const QString& id) {
        factory.registerScreen(storyboard, id, [this, id] {
            ++made[id];
            return std::make_unique<ProbeScreen>();
        });
    }

    void grant(const char* key, const std::filesystem::path& folder) {
        std::filesystem::create_directories(folder);
        Defaults::standard().setData(QString::fromLatin1(key), *Grant::create(folder));
    }

    ViewController& load() {
        vc = std::make_unique<ViewController>(factory);
        vc->resize(780, 520);
        vc->viewDidLoad();
        return *vc;
    }

    static QString id(Screen* screen) { return screen ? screen->identifier() : QStringLiteral("<none>"); }
    static void post(const char* name) {
        NotificationCenter::defaultCenter().post(QString::fromLatin1(name));
    }
    int screensIn(QWidget* layer) const {
        test::spin();
        return static_cast<int>(layer->findChildren<Screen*>(Qt::FindDirectChildrenOnly).size());
    }

    test::TempDir tmp;
    ScreenFactory factory;
    QHash<QString, int> made;
    std::unique_ptr<ViewController> vc;
};

TEST_F(ViewControllerTest, WithoutGrantsTheFolderAccessScreenComesUp) {
    ViewController& v = load();
    EXPECT_EQ(id(v.viewcontrollerA()), QStringLiteral("Sandbox"));
    EXPECT_EQ(v.viewcontrollerC(), nullptr);
    EXPECT_TRUE(v.animationView()->lastAnimation().isEmpty()); // placed without animation
}

TEST_F(ViewControllerTest, OnlyTheHomeGrantIsNotEnough) {
    grant("home", tmp / "me");
    ViewController& v = load();
    EXPECT_EQ(id(v.viewcontrollerA()), QStringLiteral("Sandbox"));
    EXPECT_EQ(v.viewcontrollerC(), nullptr);
}

TEST_F(ViewControllerTest, OnlyTheApplicationsGrantIsNotEnough) {
    grant("Applications", tmp / "Applications");
    EXPECT_EQ(id(load().viewcontrollerA()), QStringLiteral("Sandbox"));
}

TEST_F(ViewControllerTest, BothGrantsShowTheHomeScreen) {
    grant("home", tmp / "me");
    grant("Applications", tmp / "Applications");
    ViewController& v = load();
    EXPECT_EQ(id(v.viewcontrollerC()), QStringLiteral("Home"));
    EXPECT_EQ(v.viewcontrollerA(), nullptr);
    EXPECT_TRUE(v.animationView()->lastAnimation().isEmpty());
    auto* home = static_cast<ProbeScreen*>(v.viewcontrollerC());
    EXPECT_EQ(home->loads, 1);
    EXPECT_EQ(home->willAppear, 1);
    EXPECT_EQ(home->didAppear, 1);
}

TEST_F(ViewControllerTest, AStaleGrantStillCounts) {
    grant("home", tmp / "me");
    grant("Applications", tmp / "Applications");
    // Same path, another folder (made before the old one goes, so its inode differs).
    std::filesystem::create_directories(tmp / "me2");
    std::filesystem::remove(tmp / "me");
    std::filesystem::rename(tmp / "me2", tmp / "me");
    ASSERT_EQ(Grant::resolve(Defaults::standard(), QStringLiteral("home")).status, Grant::Status::Stale);
    EXPECT_EQ(id(load().viewcontrollerC()), QStringLiteral("Home"));
}

TEST_F(ViewControllerTest, AFolderDeletedSinceShowsTheFolderAccessScreen) {
    grant("home", tmp / "me");
    grant("Applications", tmp / "Applications");
    std::filesystem::remove(tmp / "Applications");
    ViewController& v = load();
    EXPECT_EQ(id(v.viewcontrollerA()), QStringLiteral("Sandbox"));
    EXPECT_EQ(v.viewcontrollerC(), nullptr);
}

TEST_F(ViewControllerTest, EachPlacingNotificationFillsItsLayerWithItsAnimation) {
    ViewController& v = load();
    struct Row {
        const char* notification;
        const char* identifier;
        bool overlay;
        const char* animation;
    };
    const Row rows[] = {
        {"home_view_controller_for_launch", "Home", false, ""},
        {"home_view_controller", "Home", false, "home"},
        {"smart_cleanup_view_controller", "SmartCleanup", false, "delete"},
        {"cleaned_view_controller", "Cleaned", false, "cleaned"},
        {"smart_clean_view_controller", "SmartClean", false, "page"},
    };
    for (const Row& row : rows) {
        const int before = v.animationView()->animationCount();
        post(row.notification);
        SCOPED_TRACE(row.notification);
        Screen* placed = row.overlay ? v.viewcontrollerA() : v.viewcontrollerC();
        EXPECT_EQ(id(placed), QString::fromLatin1(row.identifier));
        EXPECT_EQ(screensIn(v.containerView()), 1);
        if (*row.animation) {
            EXPECT_EQ(v.animationView()->animationCount(), before + 1);
            EXPECT_EQ(v.animationView()->lastAnimation(), QString::fromLatin1(row.animation));
        } else {
            EXPECT_EQ(v.animationView()->animationCount(), before);
        }
    }
}

TEST_F(ViewControllerTest, ClearingNotificationsEmptyTheirLayer) {
    ViewController& v = load(); // Sandbox in the overlay
    post("home_view_controller_for_launch");
    ASSERT_TRUE(v.viewcontrollerA() && v.viewcontrollerC());
    // Something else left in the content layer goes too.
    new QLabel(QStringLiteral("stray"), v.containerView());

    post("sandbox_end_anim_complete");
    EXPECT_EQ(v.viewcontrollerA(), nullptr);
    EXPECT_EQ(screensIn(v.popview()), 0);
    EXPECT_NE(v.viewcontrollerC(), nullptr);

    post("home_end_anim_complete");
    EXPECT_EQ(v.viewcontrollerC(), nullptr);
    test::spin();
    EXPECT_TRUE(v.containerView()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty());

    post("scan_end_anim_complete"); // an empty layer: harmless
    EXPECT_EQ(v.viewcontrollerA(), nullptr);
}

TEST_F(ViewControllerTest, ScanScreenComesATenthOfASecondAfterTheHomeScreenLeaves) {
    test::setTimeFactors(1, 0);
    ViewController& v = load();
    post("sandbox_end_anim_complete");
    post("home_view_controller");
    QPointer<Screen> home = v.viewcontrollerC();
    post("smart_scan_view_controller");
    // At once: the home screen is gone and nothing is there yet.
    EXPECT_EQ(v.viewcontrollerC(), nullptr);
    EXPECT_EQ(v.viewcontrollerA(), nullptr);
    ASSERT_TRUE(home);
    EXPECT_TRUE(home->isReleased());
    EXPECT_EQ(made.value(QStringLiteral("SmartScan")), 0);
    ASSERT_TRUE(test::waitFor([&] { return v.viewcontrollerA() != nullptr; }, 2000));
    EXPECT_EQ(id(v.viewcontrollerA()), QStringLiteral("SmartScan"));
    EXPECT_EQ(v.viewcontrollerC(), nullptr);
    EXPECT_EQ(v.animationView()->lastAnimation(), QStringLiteral("scan"));
}

TEST_F(ViewControllerTest, ResultsArriveOnlyAfterTheOverlayWasCleared) {
    ViewController& v = load();
    post("smart_scan_view_controller");
    ASSERT_TRUE(test::waitFor([&] { return v.viewcontrollerA() != nullptr; }, 2000));
    QString seenInContent = QStringLiteral("unset");
    bool overlayEmpty = false;
    QObject observer;
    NotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("scan_end_anim_complete"), [&] {
        seenInContent = id(v.viewcontrollerC());
        overlayEmpty = v.viewcontrollerA() == nullptr;
    });
    post("smart_clean_view_controller");
    EXPECT_EQ(seenInContent, QStringLiteral("<none>")); // the clearing came first
    EXPECT_TRUE(overlayEmpty);
    EXPECT_EQ(id(v.viewcontrollerC()), QStringLiteral("SmartClean"));
    EXPECT_EQ(v.viewcontrollerA(), nullptr);
}

TEST_F(ViewControllerTest, HomeTwiceLeavesOneFreshHomeScreen) {
    ViewController& v = load();
    post("home_view_controller");
    QPointer<Screen> first = v.viewcontrollerC();
    post("home_view_controller");
    EXPECT_NE(v.viewcontrollerC(), first.data());
    EXPECT_EQ(made.value(QStringLiteral("Home")), 2);
    EXPECT_EQ(screensIn(v.containerView()), 1);
    EXPECT_FALSE(first); // deleted once the event loop ran
}

TEST_F(ViewControllerTest, AReplacedScreensDelayedStepNeverTouchesIt) {
    test::setTimeFactors(1, 0);
    int stepsRun = 0;
    factory.registerScreen(QStringLiteral("Main"), QStringLiteral("Home"), [&stepsRun] {
        struct Delayed : Screen {
            int* counter = nullptr;
            void viewDidAppear() override {
                Dispatch::main_after(lifetime(), std::chrono::milliseconds(50), [this] { ++*counter; });
            }
        };
        auto screen = std::make_unique<Delayed>();
        screen->counter = &stepsRun;
        return screen;
    });
    ViewController& v = load();
    post("home_view_controller");    // its step is due in 50 ms
    post("cleaned_view_controller"); // replaced at once
    test::spin(300);
    EXPECT_EQ(stepsRun, 0);
    post("home_view_controller");
    ASSERT_TRUE(test::waitFor([&] { return stepsRun == 1; }, 2000)); // a screen that stays runs its step
    EXPECT_EQ(id(v.viewcontrollerC()), QStringLiteral("Home"));
}

TEST_F(ViewControllerTest, UnregisteredScreensPlaceNothingButTheOverlayIsStillCleared) {
    factory.unregisterScreen(QStringLiteral("SmartClean"), QStringLiteral("SmartClean"));
    ViewController& v = load();
    post("home_view_controller");
    QPointer<Screen> home = v.viewcontrollerC();
    post("sandbox_view_controller");
    ASSERT_NE(v.viewcontrollerA(), nullptr);
    post("smart_clean_view_controller");
    EXPECT_EQ(v.viewcontrollerA(), nullptr);     // cleared as before the results
    EXPECT_EQ(v.viewcontrollerC(), home.data()); // nothing replaced it
    EXPECT_EQ(v.animationView()->lastAnimation(), QStringLiteral("home"));
}

TEST_F(ViewControllerTest, AnEmptyOverlayLetsClicksThrough) {
    ViewController& v = load();
    EXPECT_FALSE(v.popview()->isHidden()); // the folder-access screen
    post("sandbox_end_anim_complete");
    EXPECT_TRUE(v.popview()->isHidden());
}

} // namespace
} // namespace dovrel
