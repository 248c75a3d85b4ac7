#include "platform/Defaults.h"
#include "screens/home/EnableSchedulerViewController.h"
#include "screens/preferences/PreferencesViewController.h"
#include "shell/Screen.h"

#include "GuiTestSupport.h"
#include "SchedulerFixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

class SchedulerScreensTest : public ::testing::Test {
protected:
    void SetUp() override { test::resetSettings(); }
    void TearDown() override { test::spin(); }

    // Presents the offer the way the home screen does and returns it.
    EnableSchedulerViewController* present() {
        auto sheet = std::make_unique<EnableSchedulerViewController>(scheduler.schedulerSwitch);
        EnableSchedulerViewController* raw = sheet.get();
        host.presentViewControllerAsSheet(std::move(sheet));
        return raw;
    }
    static Defaults& settings() { return Defaults::standard(); }

    test::SchedulerFixture scheduler;
    Screen host;
};

TEST_F(SchedulerScreensTest, EnableSwitchesOnStampsTheDateAndDismisses) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    EnableSchedulerViewController* sheet = present();
    ASSERT_EQ(host.presentedSheet(), sheet);
    sheet->enableButton()->click();
    EXPECT_TRUE(settings().boolForKey(QStringLiteral("Scheduler")));
    EXPECT_TRUE(settings().boolForKey(QStringLiteral("EnableScheduler")));
    const auto date = Defaults::sharedSuite().dateForKey(QStringLiteral("Date"));
    ASSERT_TRUE(date.has_value());
    EXPECT_GE(*date, before);
    EXPECT_TRUE(scheduler.registered());
    test::spin();
    EXPECT_EQ(host.presentedSheet(), nullptr);
}

TEST_F(SchedulerScreensTest, CancelOnlyRecordsTheAnswer) {
    present()->cancelButton()->click();
    EXPECT_TRUE(settings().boolForKey(QStringLiteral("EnableScheduler")));
    EXPECT_FALSE(settings().hasKey(QStringLiteral("Scheduler")));
    EXPECT_FALSE(Defaults::sharedSuite().hasKey(QStringLiteral("Date")));
    EXPECT_FALSE(scheduler.registered());
    test::spin();
    EXPECT_EQ(host.presentedSheet(), nullptr);
}

TEST_F(SchedulerScreensTest, PreferencesCheckboxFollowsAndSwitchesTheReminder) {
    {
        PreferencesViewController prefs(scheduler.schedulerSwitch);
        prefs.loadViewIfNeeded();
        EXPECT_FALSE(prefs.scheduler_button()->isChecked());
        prefs.scheduler_button()->click();
        EXPECT_TRUE(settings().boolForKey(QStringLiteral("Scheduler")));
        EXPECT_TRUE(scheduler.registered());
        EXPECT_FALSE(Defaults::sharedSuite().hasKey(QStringLiteral("Date"))); // only the offer stamps it
        EXPECT_FALSE(settings().hasKey(QStringLiteral("EnableScheduler")));
    }
    PreferencesViewController again(scheduler.schedulerSwitch);
    again.loadViewIfNeeded();
    EXPECT_TRUE(again.scheduler_button()->isChecked());
    again.scheduler_button()->click();
    EXPECT_FALSE(settings().boolForKey(QStringLiteral("Scheduler")));
    EXPECT_FALSE(scheduler.registered());
}

} // namespace
} // namespace dovrel
