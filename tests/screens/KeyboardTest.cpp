// The first screens in the real window with the keyboard alone: where the
// focus starts, where Tab goes, and what Return presses.

#include "layout/HomeLayout.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/UserAccount.h"
#include "screens/ScreenCatalogue.h"
#include "screens/ScreenServices.h"
#include "shell/CleanerWindowController.h"
#include "shell/ScreenFactory.h"

#include "FakeFolderPicker.h"
#include "GuiTestSupport.h"
#include "SchedulerFixture.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        Defaults::standard().setBool(QStringLiteral("PrivacyAccess"), true);
        services.folderPicker = &picker;
        services.schedulerSwitch = &scheduler.schedulerSwitch;
        ScreenCatalogue::registerAll(factory, services);
        NotificationCenter::defaultCenter().addObserver(
            &observer, QStringLiteral("smart_scan_view_controller"), [this] { ++scans; });
    }
    void TearDown() override {
        window.reset();
        test::spin();
        test::setTimeFactors(1, 1);
    }
    static void grant(const char* key, const std::filesystem::path& folder) {
        std::filesystem::create_directories(folder);
        Defaults::standard().setData(QString::fromLatin1(key), *Grant::create(folder));
    }
    bool open() {
        window = std::make_unique<CleanerWindowController>(factory);
        window->windowDidLoad();
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    static QString focused() {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QStringLiteral("(none)");
    }
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    test::TempDir tmp;
    test::FakeFolderPicker picker;
    test::SchedulerFixture scheduler;
    ScreenServices services;
    ScreenFactory factory;
    QObject observer;
    int scans = 0;
    std::unique_ptr<CleanerWindowController> window;
};

TEST_F(KeyboardTest, FolderAccessStartsOnTheHomeButtonTabsOnAndReturnOpensThePanel) {
    // A macOS home: both folders are asked for.
    HomeLayout::setPreferred(Defaults::standard(), HomeLayout::Kind::MacOS);
    ASSERT_TRUE(open());
    EXPECT_EQ(focused(), QStringLiteral("allowHome"));
    press(Qt::Key_Return);
    EXPECT_EQ(picker.requests.size(), 1u); // cancelled by the fake
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), QStringLiteral("allowApps"));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), QStringLiteral("help"));
    press(Qt::Key_Return);
    EXPECT_EQ(picker.requests.size(), 1u);
    test::spin();
    EXPECT_TRUE(QApplication::activeModalWidget() != nullptr); // the explanation
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    test::spin();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(KeyboardTest, HomeStartsOnTheScanButtonAndReturnStartsTheScan) {
    grant("home", tmp / UserAccount::loginName().toStdString());
    grant("Applications", tmp / "Applications");
    ASSERT_TRUE(open());
    EXPECT_EQ(focused(), QStringLiteral("scan"));
    press(Qt::Key_Return);
    EXPECT_EQ(scans, 1);
}

} // namespace
} // namespace dovrel
