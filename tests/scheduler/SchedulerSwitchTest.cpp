// The three writes of the reminder switch: preferences checkbox, offer sheet
// enable, offer sheet cancel.

#include "scheduler/SchedulerSwitch.h"
#include "platform/Defaults.h"
#include "scheduler/DesktopEntryReader.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace dovrel {
namespace {

namespace fs = std::filesystem;

class SchedulerSwitchTest : public ::testing::Test {
protected:
    SchedulerSwitchTest() {
        agent = test::FixtureTree(dir.path()).fileWith("dovrel-cleaner-scheduler", "#!/bin/sh\n");
        ::chmod(agent.c_str(), 0755);
    }

    SchedulerSwitch makeSwitch(const fs::path& agentPath) {
        return SchedulerSwitch(
            settings, suite,
            LoginItem(QStringLiteral("com.halvik.dovrel-cleaner-scheduler"), agentPath, dir / "config", {}));
    }
    SchedulerSwitch makeSwitch() { return makeSwitch(agent); }

    // What another process sees: fresh stores over the same files.
    bool storedBool(const char* key) const {
        return Defaults(QStringLiteral("app"), dir / "app.json").boolForKey(QString::fromLatin1(key));
    }
    bool storedHas(const char* key) const {
        return Defaults(QStringLiteral("app"), dir / "app.json").hasKey(QString::fromLatin1(key));
    }
    std::optional<QDateTime> storedDate() const {
        return Defaults(QStringLiteral("suite"), dir / "suite.json").dateForKey(QStringLiteral("Date"));
    }
    bool registered() const {
        auto entry = test::DesktopEntryReader::read(dir / "config" / "autostart" /
                                                    "com.halvik.dovrel-cleaner-scheduler.desktop");
        return entry && entry->value("Desktop Entry", "Hidden").value_or("false") != "true" &&
               entry->execArguments() == std::vector<std::string>{agent.native()};
    }

    test::TempDir dir;
    fs::path agent;
    Defaults settings{QStringLiteral("app"), dir / "app.json"};
    Defaults suite{QStringLiteral("suite"), dir / "suite.json"};
};

TEST_F(SchedulerSwitchTest, CheckboxRegistersAndSetsSchedulerOnly) {
    SchedulerSwitch sw = makeSwitch();
    sw.enable_scheduler(true);
    EXPECT_TRUE(registered());
    EXPECT_TRUE(storedBool("Scheduler"));
    EXPECT_FALSE(storedHas("EnableScheduler"));
    EXPECT_FALSE(storedDate()); // no "Date": the agent ends at once when started

    sw.enable_scheduler(false);
    EXPECT_FALSE(registered());
    EXPECT_TRUE(storedHas("Scheduler"));
    EXPECT_FALSE(storedBool("Scheduler"));
    EXPECT_FALSE(storedHas("EnableScheduler"));
}

TEST_F(SchedulerSwitchTest, OfferEnableRegistersSetsBothKeysAndStampsTheDate) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addMSecs(-1);
    makeSwitch().enable();
    const QDateTime after = QDateTime::currentDateTimeUtc().addMSecs(1);

    EXPECT_TRUE(registered());
    EXPECT_TRUE(storedBool("Scheduler"));
    EXPECT_TRUE(storedBool("EnableScheduler"));
    const std::optional<QDateTime> date = storedDate();
    ASSERT_TRUE(date);
    EXPECT_GE(*date, before);
    EXPECT_LE(*date, after);
    // The date lives in the shared suite only.
    EXPECT_FALSE(storedHas("Date"));
}

TEST_F(SchedulerSwitchTest, UntickingAfterTheOfferKeepsEnableSchedulerAndDate) {
    SchedulerSwitch sw = makeSwitch();
    sw.enable();
    const std::optional<QDateTime> stamped = storedDate();
    sw.enable_scheduler(false);
    EXPECT_FALSE(registered());
    EXPECT_FALSE(storedBool("Scheduler"));
    EXPECT_TRUE(storedBool("EnableScheduler"));
    EXPECT_EQ(storedDate(), stamped);
    // Ticking again renews neither.
    sw.enable_scheduler(true);
    EXPECT_TRUE(registered());
    EXPECT_EQ(storedDate(), stamped);
}

TEST_F(SchedulerSwitchTest, OfferCancelOnlyMarksTheOfferAnswered) {
    SchedulerSwitch sw = makeSwitch();
    sw.cancel();
    EXPECT_TRUE(storedBool("EnableScheduler"));
    EXPECT_FALSE(storedHas("Scheduler"));
    EXPECT_FALSE(registered());
    EXPECT_FALSE(storedDate());

    // Cancel when the reminder is already on leaves it on.
    sw.enable_scheduler(true);
    sw.cancel();
    EXPECT_TRUE(registered());
    EXPECT_TRUE(storedBool("Scheduler"));
}

TEST_F(SchedulerSwitchTest, SettingsAreWrittenEvenWhenRegistrationFails) {
    SchedulerSwitch sw = makeSwitch(dir / "no-such-agent");
    sw.enable();
    EXPECT_TRUE(storedBool("Scheduler"));
    EXPECT_TRUE(storedBool("EnableScheduler"));
    EXPECT_TRUE(storedDate());
    EXPECT_FALSE(fs::exists(dir / "config" / "autostart" / "com.halvik.dovrel-cleaner-scheduler.desktop"));
}

} // namespace
} // namespace dovrel
