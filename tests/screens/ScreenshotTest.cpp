// Pictures of every screen in the application's own look, saved under
// <build>/screenshots/ for people to look at. Each also checks that the
// picture shows the window colour where nothing else is drawn.

#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "platform/Translations.h"
#include "platform/gui/FolderPicker.h"
#include "platform/gui/ItemInfoWindow.h"
#include "platform/gui/PreviewPanel.h"
#include "platform/gui/UserAccount.h"
#include "screens/ScreenCatalogue.h"
#include "screens/ScreenServices.h"
#include "shell/AppStyle.h"
#include "shell/CleanerWindowController.h"
#include "shell/ScreenFactory.h"
#include "shell/ViewController.h"

#include "GuiTestSupport.h"
#include "SchedulerFixture.h"

#include "controls/Animator.h"
#include "controls/ProgressRing.h"
#include "controls/SmartProgressView.h"
#include "controls/TransitionLabel.h"
#include "engine/CategoryTable.h"
#include "engine/Cleaner.h"
#include "engine/CleanupRun.h"
#include "screens/cleanup/CleanedViewController.h"
#include "screens/cleanup/SmartCleanupViewController.h"
#include "screens/home/HomeViewController.h"
#include "screens/preferences/PreferencesViewController.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartCleanOutlineView.h"
#include "screens/results/SmartCleanViewController.h"
#include "screens/scan/SmartScanViewController.h"
#include "shell/FinishingCleanupNotice.h"
#include "support/HeldRemovalSyscalls.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QThreadPool>
#include <QVariantAnimation>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

class NoPicker : public FolderPicker {
public:
    void pickFolder(QWidget*, const Request&, Completion completion) override { completion(std::nullopt); }
};

class ScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        AppStyle::apply(*qApp);
        test::FixtureTree tree(home);
        test::FixtureTree::makeHomeSkeleton(home);
        tree.file("Library/Logs/DiagnosticReports/report.log", 12'400'000);
        tree.file("Library/Logs/install.log", 2'100'000);
        tree.file(".Trash/old-movie.mov", 5'000'000);
        std::filesystem::create_directories(apps);
        services.folderPicker = &picker;
        services.schedulerSwitch = &scheduler.schedulerSwitch;
        services.cleaner = [this] { return &engine; };
        ScreenCatalogue::registerAll(factory, services);
    }
    void TearDown() override {
        QThreadPool::globalInstance()->waitForDone(30000);
        test::spin(50);
        window.reset();
        test::spin();
        qApp->setStyleSheet(QString());
        test::setTimeFactors(1, 1);
    }
    void grantBoth() {
        Defaults::standard().setData(QStringLiteral("home"), *Grant::create(home));
        Defaults::standard().setData(QStringLiteral("Applications"), *Grant::create(apps));
        Defaults::standard().setBool(QStringLiteral("PrivacyAccess"), true);
    }
    CleanerWindowController& openWindow() {
        window = std::make_unique<CleanerWindowController>(factory);
        window->windowDidLoad();
        window->show();
        test::spin(30);
        return *window;
    }
    static void expectWindowColourAtCorner(const QImage& image) {
        const QColor corner = image.pixelColor(image.width() - 3, image.height() - 3);
        EXPECT_LT(std::abs(corner.red() - 0x51), 40);
        EXPECT_LT(std::abs(corner.blue() - 0x60), 40);
    }

    test::SchedulerFixture scheduler;
    std::filesystem::path home = scheduler.tmp / UserAccount::loginName().toStdString();
    std::filesystem::path apps = scheduler.tmp / "Applications";
    Cleaner engine{home};
    NoPicker picker;
    ScreenServices services;
    ScreenFactory factory;
    std::unique_ptr<CleanerWindowController> window;
};

TEST_F(ScreenshotTest, FolderAccess) {
    Defaults::standard().setData(QStringLiteral("home"), *Grant::create(home));
    CleanerWindowController& w = openWindow();
    ASSERT_NE(w.contentViewController()->viewcontrollerA(), nullptr);
    const auto file = test::saveScreenshot(&w, QStringLiteral("01-folder-access"));
    expectWindowColourAtCorner(QImage(QString::fromStdString(file.string())));
}

TEST_F(ScreenshotTest, Home) {
    grantBoth();
    CleanerWindowController& w = openWindow();
    ASSERT_NE(w.contentViewController()->viewcontrollerC(), nullptr);
    const auto file = test::saveScreenshot(&w, QStringLiteral("02-home"));
    expectWindowColourAtCorner(QImage(QString::fromStdString(file.string())));
}

TEST_F(ScreenshotTest, ScanInProgress) {
    grantBoth();
    CleanerWindowController& w = openWindow();
    bool taken = false;
    QObject observer;
    // Mid-scan: after the leftovers, while browsers are searched.
    NotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("smart_scan_browsers"), [&] {
        test::saveScreenshot(&w, QStringLiteral("03-scan"));
        taken = true;
    });
    NotificationCenter::defaultCenter().post(QStringLiteral("smart_scan_view_controller"));
    ASSERT_TRUE(test::waitFor([&] { return taken; }, 30000));
}

TEST_F(ScreenshotTest, ScanTextsMidTransition) {
    grantBoth();
    CleanerWindowController& w = openWindow();
    bool taken = false;
    QObject observer;
    // Halfway through both transitions: the old status line is gone before
    // the new one fades in, the new total moves in over the ring, and no box
    // or band is drawn behind either.
    NotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("smart_scan_browsers"), [&] {
        auto* scan = qobject_cast<SmartScanViewController*>(w.contentViewController()->viewcontrollerA());
        ASSERT_NE(scan, nullptr);
        Animator::setDurationFactor(1);
        scan->scan_category(CategoryTable::at(CategoryId::mails));
        Animator::setDurationFactor(0);
        for (auto [label, ms] : {std::pair{scan->smart_item(), 70}, std::pair{scan->smart_size(), 150}}) {
            QVariantAnimation* a = Animator::running(label, QStringLiteral("transition"));
            ASSERT_NE(a, nullptr);
            a->setCurrentTime(ms);
        }
        test::saveScreenshot(&w, QStringLiteral("03-scan-transition"));
        taken = true;
    });
    NotificationCenter::defaultCenter().post(QStringLiteral("smart_scan_view_controller"));
    ASSERT_TRUE(test::waitFor([&] { return taken; }, 30000));
}

TEST_F(ScreenshotTest, ReminderOfferSheet) {
    grantBoth();
    Defaults::standard().setInteger(QStringLiteral("appLaunchCount"), 5);
    CleanerWindowController& w = openWindow();
    Screen* home = w.contentViewController()->viewcontrollerC();
    ASSERT_NE(home, nullptr);
    ASSERT_TRUE(test::waitFor([&] { return home->presentedSheet() != nullptr; }, 3000));
    test::spin(30);
    test::saveScreenshot(home->presentedSheet()->window(), QStringLiteral("04-reminder-offer"));
    test::saveScreenshot(&w, QStringLiteral("04-reminder-offer-window"));
}

TEST_F(ScreenshotTest, FullDiskAccessWindow) {
    grantBoth();
    test::FixtureTree(home).fifo("Library/Safari/CloudTabs.db");
    CleanerWindowController& w = openWindow();
    auto* homeScreen = w.contentViewController()->viewcontrollerC();
    ASSERT_NE(homeScreen, nullptr);
    QWidget* fda = nullptr;
    ASSERT_TRUE(test::waitFor(
        [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == QStringLiteral("PrivacyFullDiskAccess") && top->isVisible())
                    fda = top;
            return fda != nullptr;
        },
        3000));
    test::spin(30);
    test::saveScreenshot(fda, QStringLiteral("05-full-disk-access"));
    NotificationCenter::defaultCenter().post(QStringLiteral("navigate_next_in_privacy_full_disk"));
    test::spin(30);
    test::saveScreenshot(fda, QStringLiteral("06-full-disk-access-page2"));
}

TEST_F(ScreenshotTest, Preferences) {
    grantBoth();
    CleanerWindowController& w = openWindow();
    w.showPreferences();
    ASSERT_NE(w.preferencesWindow(), nullptr);
    test::spin(30);
    test::saveScreenshot(w.preferencesWindow(), QStringLiteral("07-preferences"));
    auto* prefs = qobject_cast<PreferencesViewController*>(w.preferencesWindow());
    if (prefs == nullptr)
        prefs = w.preferencesWindow()->findChild<PreferencesViewController*>();
    ASSERT_NE(prefs, nullptr);
    prefs->scheduler_button()->setChecked(true); // the look only; the action is not sent
    prefs->scheduler_button()->clearFocus();
    test::spin(30);
    test::saveScreenshot(w.preferencesWindow(), QStringLiteral("07-preferences-on"));
}

TEST_F(ScreenshotTest, CleanupProgressAndCompletion) {
    grantBoth();
    test::FixtureTree tree(home);
    tree.file("Library/Caches/com.example.locked/cache.db", 800'000);
    tree.file("Library/Caches/com.example.busy/index", 300'000);
    test::HeldRemovalSyscalls calls(CleanupRun::shared());
    calls.failName("cache.db", EACCES);
    calls.failName("index", EBUSY);
    engine.files = {home / "Library/Logs/DiagnosticReports", home / "Library/Logs/install.log",
                    home / ".Trash/old-movie.mov", home / "Library/Caches/com.example.locked",
                    home / "Library/Caches/com.example.busy"};
    engine.wasCleaned = 12'400'000 + 2'100'000 + 5'000'000 + 800'000 + 300'000;
    CleanerWindowController& w = openWindow();
    test::setTimeFactors(0.5, 0.5);
    calls.hold();
    NotificationCenter::defaultCenter().post(QStringLiteral("smart_cleanup_view_controller"));
    auto* progress = qobject_cast<SmartCleanupViewController*>(w.contentViewController()->viewcontrollerC());
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(test::waitFor([&] { return progress->progressView()->progress()->strokeEnd() >= 0.45; }));
    test::saveScreenshot(&w, QStringLiteral("10-cleanup-progress"));
    ASSERT_TRUE(test::waitFor([&] { return progress->smart_size()->text() == QStringLiteral("Done"); }));
    test::spin(200); // the slide-in is over
    test::saveScreenshot(&w, QStringLiteral("11-cleanup-done"));

    ASSERT_TRUE(test::waitFor([&] { return w.contentViewController()->viewcontrollerC() != progress; }));
    auto* done = qobject_cast<CleanedViewController*>(w.contentViewController()->viewcontrollerC());
    ASSERT_NE(done, nullptr);
    test::spin(600); // opening animation
    test::saveScreenshot(&w, QStringLiteral("12-cleaned-while-removing"));
    w.showFinishingCleanup();
    test::spin(150);
    test::saveScreenshot(&w, QStringLiteral("15-quit-finishing-cleanup"));
    w.finishingNotice()->hide();

    calls.release();
    ASSERT_TRUE(CleanupRun::shared().waitUntilIdle(std::chrono::seconds(30)));
    ASSERT_TRUE(test::waitFor([&] { return !done->failures()->isHidden(); }));
    test::spin(300);
    done->search_button()->setFocus(Qt::TabFocusReason);
    const auto file = test::saveScreenshot(&w, QStringLiteral("13-cleaned"));
    expectWindowColourAtCorner(QImage(QString::fromStdString(file.string())));
    QTest::mouseClick(done->failureListButton(), Qt::LeftButton);
    test::spin(50);
    test::saveScreenshot(&w, QStringLiteral("14-cleaned-failure-list"));
}

TEST_F(ScreenshotTest, ResultsOutline) {
    test::FixtureTree tree(home);
    tree.file("Library/Logs/" + std::string("r\xe9sum\xe9-sync.log"), 730'000); // not UTF-8
    tree.file("Library/Safari/LocalStorage/https_example.localstorage", 3'400'000);
    tree.file("Library/Containers/com.apple.mail/Data/Library/Mail Downloads/4F2A/Invoice.pdf", 1'250'000);
    tree.file("Downloads/Installer.dmg", 48'000'000);
    grantBoth();
    CleanerWindowController& w = openWindow();
    NotificationCenter::defaultCenter().post(QStringLiteral("smart_scan_view_controller"));
    SmartCleanViewController* results = nullptr;
    ASSERT_TRUE(test::waitFor(
        [&] {
            results = qobject_cast<SmartCleanViewController*>(w.contentViewController()->viewcontrollerC());
            return results != nullptr;
        },
        30000));
    EXPECT_EQ(w.contentViewController()->viewcontrollerA(), nullptr); // the scan overlay is gone
    // The automatic expansion opens browsers, mails and the Trash.
    const SmartCleanOutlineModel* model = results->outlineModel();
    ASSERT_TRUE(
        test::waitFor([&] { return results->outlineview()->isExpanded(model->categoryIndex(6)); }, 3000));
    EXPECT_TRUE(results->outlineview()->isExpanded(model->categoryIndex(3)));
    EXPECT_TRUE(results->outlineview()->isExpanded(model->categoryIndex(4)));

    // One category open, one entry unticked, the pointer over a category row.
    for (int c = 0; c < 7; ++c)
        results->outlineview()->collapse(model->categoryIndex(c));
    results->outlineview()->expand(model->categoryIndex(1));
    results->select_item(model->entryIndex(1, 1), false);
    results->outlineview()->setMouseInsideRow(model->categoryIndex(5));
    test::spin(30);
    EXPECT_EQ(results->tickState(1), SmartCleanViewController::Tick::Mixed);
    const auto file = test::saveScreenshot(&w, QStringLiteral("08-results"));
    expectWindowColourAtCorner(QImage(QString::fromStdString(file.string())));
    // Reached by the keyboard: the focused row shows the focus ring.
    results->outlineview()->setFocus(Qt::TabFocusReason);
    test::spin(30);
    test::saveScreenshot(&w, QStringLiteral("08-results-keyboard"));
}

TEST_F(ScreenshotTest, PreviewAndInformationWindows) {
    struct Source : QObject, PreviewPanelDataSource {
        std::filesystem::path item;
        int numberOfPreviewItemsInPreviewPanel(PreviewPanel*) override { return 1; }
        std::optional<std::filesystem::path> previewItemAtIndex(PreviewPanel*, int) override { return item; }
    } source;
    source.item =
        test::FixtureTree(home).fileWith("Library/Logs/today.log", "09:00 started\n09:01 synced 12 items\n");
    PreviewPanel* panel = PreviewPanel::sharedPreviewPanel();
    panel->setDataSource(&source, &source);
    panel->makeKeyAndOrderFront();
    ASSERT_TRUE(test::waitFor([&] { return panel->isLoaded(); }, 5000));
    test::saveScreenshot(panel, QStringLiteral("09-preview"));
    panel->close();

    ItemInfoWindow* info = ItemInfoWindow::showInfo(home / "Library/Logs");
    ASSERT_TRUE(test::waitFor([&] { return info->isLoaded(); }, 5000));
    test::spin(20);
    const auto file = test::saveScreenshot(info, QStringLiteral("10-information"));
    info->close();
    const QImage image(QString::fromStdString(file.string()));
    const QColor middle = image.pixelColor(image.width() / 2, image.height() - 5);
    EXPECT_GT(middle.lightness(), 40); // the window's own colour, not black
}

// A German session: the screens' texts and the engine's category names come
// from the German translation, while sizes keep the byte-count format's
// digits and point.
TEST_F(ScreenshotTest, GermanTextsOnHomeAndResults) {
    struct LocaleScope {
        QLocale previous;
        explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
        ~LocaleScope() { QLocale::setDefault(previous); }
    } german(QLocale(QLocale::German, QLocale::Germany));
    const Translations translations;
    ASSERT_TRUE(translations.hasApplicationTranslation());
    // Qt's own texts (standard buttons) come from its German translation.
    ASSERT_TRUE(translations.hasQtTranslation());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    grantBoth();

    CleanerWindowController& w = openWindow();
    auto* homeScreen = qobject_cast<HomeViewController*>(w.contentViewController()->viewcontrollerC());
    ASSERT_NE(homeScreen, nullptr);
    test::spin(30);
    test::saveScreenshot(&w, QStringLiteral("02-home-de"));
    EXPECT_EQ(homeScreen->label()->text(), QStringLiteral("Zeit zum Aufräumen"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Dovrel Cleaner"));

    NotificationCenter::defaultCenter().post(QStringLiteral("smart_scan_view_controller"));
    SmartCleanViewController* results = nullptr;
    ASSERT_TRUE(test::waitFor(
        [&] {
            results = qobject_cast<SmartCleanViewController*>(w.contentViewController()->viewcontrollerC());
            return results != nullptr;
        },
        30000));
    test::spin(30);
    test::saveScreenshot(&w, QStringLiteral("08-results-de"));
    const SmartCleanOutlineModel* model = results->outlineModel();
    EXPECT_EQ(model->categoryIndex(0).data().toString(), QStringLiteral("Programm-Caches"));
    EXPECT_EQ(model->categoryIndex(1).data().toString(), QStringLiteral("Programm-Protokolle"));
    EXPECT_EQ(model->categoryIndex(6).data().toString(), QStringLiteral("Papierkorb"));
    // 12.4 MB + 2.1 MB of logs.
    EXPECT_EQ(model->categoryIndex(1, SmartCleanOutlineModel::SizeColumn).data().toString(),
              QStringLiteral("14.5 MB"));
}

} // namespace
} // namespace dovrel
