// The reminder agent's decisions and its conversation with the notification
// service, on a private bus with a fake service and a clock moved by hand.

#include "scheduler/agent/AppDelegate.h"
#include "platform/Defaults.h"
#include "platform/Translations.h"
#include "scheduler/EventPump.h"
#include "scheduler/FakeClock.h"
#include "scheduler/FakeNotificationServer.h"
#include "scheduler/PrivateSessionBus.h"
#include "scheduler/SchedulerSwitch.h"
#include "scheduler/TestBundle.h"
#include "scheduler/agent/DesktopNotifications.h"
#include "support/TempDir.h"

#include <QFile>
#include <QSignalSpy>
#include <QTimeZone>
#include <QUrl>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>

using namespace std::chrono_literals;

namespace dovrel {
namespace {

using agent::AppDelegate;
using agent::DesktopNotifications;
using test::EventPump;
using test::FakeClock;
using test::FakeNotificationServer;

QStringList& capturedWarnings() {
    static QStringList lines;
    return lines;
}

void captureWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg)
        capturedWarnings().append(message);
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

const QDateTime kLaunch = QDateTime(QDate(2024, 3, 10), QTime(9, 0), QTimeZone::utc());

// One agent as the program wires it, with everything it touches replaced:
// the shared suite is a temporary file, the clock is fake, the bus private.
class AgentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(bus.address().isEmpty()) << bus.error().toStdString();
        capturedWarnings().clear();
        previousHandler = qInstallMessageHandler(captureWarnings);
    }
    void TearDown() override {
        qInstallMessageHandler(previousHandler);
        if (agentConnection)
            QDBusConnection::disconnectFromBus(agentConnection->name());
    }

    void startServer() { server = std::make_unique<FakeNotificationServer>(bus.connect()); }

    void makeAgent() {
        actions.reset();
        terminated.reset();
        delegate.reset();
        center.reset();
        center = std::make_unique<DesktopNotifications>([this] {
            ++connectionRequests;
            if (agentConnection)
                QDBusConnection::disconnectFromBus(agentConnection->name());
            agentConnection = bus.connect();
            return *agentConnection;
        });
        delegate = std::make_unique<AppDelegate>(suite, clock, *center, bundle.agentBundle());
        terminated = std::make_unique<QSignalSpy>(delegate.get(), &AppDelegate::terminate);
        actions = std::make_unique<QSignalSpy>(center.get(), &DesktopNotifications::actionInvoked);
    }

    // Launches the agent with "Date" set `age` before the launch.
    void launchWithDateAge(std::chrono::seconds age) {
        suite.setDate(QStringLiteral("Date"), kLaunch.addSecs(-age.count()));
        makeAgent();
        delegate->applicationDidFinishLaunching();
    }

    // A due agent that has posted its notification and seen it delivered.
    uint deliveredNotification() {
        startServer();
        EXPECT_TRUE(server->isRegistered());
        launchWithDateAge(30 * 24h);
        clock.advance(3660s);
        EXPECT_TRUE(EventPump::until([&] { return delegate->notificationId().has_value(); }));
        return delegate->notificationId().value_or(0);
    }

    test::PrivateSessionBus bus;
    test::TempDir dir;
    test::TestBundle bundle{dir.path()};
    Defaults suite{QStringLiteral("suite"), dir / "suite.json"};
    FakeClock clock{kLaunch};
    std::unique_ptr<FakeNotificationServer> server;
    std::optional<QDBusConnection> agentConnection;
    int connectionRequests = 0;
    std::unique_ptr<DesktopNotifications> center;
    std::unique_ptr<AppDelegate> delegate;
    std::unique_ptr<QSignalSpy> terminated;
    std::unique_ptr<QSignalSpy> actions;
    QtMessageHandler previousHandler = nullptr;
};

TEST(AgentDays, CountsElapsedDaysTruncatedTowardZero) {
    const QDateTime t = kLaunch;
    EXPECT_EQ(AppDelegate::daysFrom(t, t.addSecs((20 * 24 + 23) * 3600)), 20);
    EXPECT_EQ(AppDelegate::daysFrom(t, t.addSecs(21 * 24 * 3600 - 1)), 20);
    EXPECT_EQ(AppDelegate::daysFrom(t, t.addDays(21)), 21);
    EXPECT_EQ(AppDelegate::daysFrom(t, t.addSecs(-23 * 3600)), 0);
    EXPECT_EQ(AppDelegate::daysFrom(t, t.addSecs(-25 * 3600)), -1);
    EXPECT_EQ(AppDelegate::daysFrom(t, t.addDays(-30)), -30);
    // Time zones of the two moments do not matter, only the instants.
    EXPECT_EQ(AppDelegate::daysFrom(t.toOffsetFromUtc(5 * 3600), t.addDays(21)), 21);
}

TEST_F(AgentTest, QuitsAtOnceWhenNotDueWithoutTouchingTheBus) {
    struct Case {
        const char* what;
        std::optional<std::chrono::seconds> age; // absent: no "Date"
        bool wrongType = false;                  // "Date" stored as an integer
    };
    for (const Case& c :
         {Case{"absent", std::nullopt}, Case{"of another type", std::nullopt, true},
          Case{"20 days 23 hours", 20 * 24h + 23h}, Case{"one second short of 21 days", 21 * 24h - 1s},
          Case{"in the future", -3 * 24h}, Case{"far in the future", -400 * 24h}}) {
        SCOPED_TRACE(c.what);
        suite.removeObjectForKey(QStringLiteral("Date"));
        if (c.age)
            suite.setDate(QStringLiteral("Date"), kLaunch.addSecs(-c.age->count()));
        else if (c.wrongType)
            suite.setInteger(QStringLiteral("Date"), 1);
        makeAgent();
        delegate->applicationDidFinishLaunching();
        EXPECT_EQ(terminated->count(), 1);
        EXPECT_FALSE(delegate->isTimerActive());
        EXPECT_EQ(connectionRequests, 0);
        EXPECT_EQ(delegate->launchDate(), kLaunch);
    }
    EXPECT_TRUE(capturedWarnings().isEmpty()) << capturedWarnings().join(u'\n').toStdString();
}

TEST_F(AgentTest, WaitsWithTheTimerFrom21Days) {
    startServer();
    for (auto age : {21 * 24h, 21 * 24h + 1h, 365 * 24h}) {
        launchWithDateAge(age);
        EXPECT_EQ(terminated->count(), 0);
        EXPECT_TRUE(delegate->isTimerActive());
        EXPECT_EQ(connectionRequests, 1);
        connectionRequests = 0;
    }
}

TEST_F(AgentTest, PostsExactlyOneNotificationAtTheFirstTickAfterTheHour) {
    startServer();
    ASSERT_TRUE(server->isRegistered());
    launchWithDateAge(21 * 24h);

    // Ticks at 60 s, 120 s, ... 3600 s: exactly an hour is not more than an hour.
    clock.advance(3600s);
    EXPECT_TRUE(delegate->isTimerActive());
    EventPump::forMs(100);
    EXPECT_TRUE(server->notifications().isEmpty());

    clock.advance(60s);
    EXPECT_FALSE(delegate->isTimerActive());
    ASSERT_TRUE(EventPump::until([&] { return server->notifications().size() == 1; }));

    const FakeNotificationServer::Notification& n = server->notifications().front();
    EXPECT_EQ(n.summary, QStringLiteral("It's time for cleanup your Mac"));
    EXPECT_EQ(n.body, QStringLiteral("Launch Dovrel cleaner and perform cleanup of your Mac."));
    EXPECT_EQ(n.actions, (QStringList{QStringLiteral("launch"), QStringLiteral("Launch")}));
    EXPECT_EQ(n.replacesId, 0u);
    EXPECT_EQ(n.expireTimeout, -1);
    EXPECT_EQ(n.appName, QStringLiteral("Test scheduler"));
    EXPECT_EQ(QUrl(n.appIcon).toLocalFile(), QFile::decodeName(bundle.agentIcon().c_str()));
    EXPECT_EQ(n.hints.value(QStringLiteral("sound-name")).toString(), QStringLiteral("message-new-instant"));

    // Hours later there is still only the one, and the agent is still there.
    clock.advance(5h);
    EventPump::forMs(100);
    EXPECT_EQ(server->notifications().size(), 1);
    EXPECT_EQ(terminated->count(), 0);
}

// In a German session the reminder speaks German, with the action's key unchanged.
TEST_F(AgentTest, TheReminderComesInTheSessionsLanguage) {
    const Translations german(QLocale(QLocale::German, QLocale::Austria));
    ASSERT_TRUE(german.hasApplicationTranslation());
    ASSERT_NE(deliveredNotification(), 0u);
    ASSERT_EQ(server->notifications().size(), 1);
    const FakeNotificationServer::Notification& n = server->notifications().front();
    EXPECT_EQ(n.summary, QStringLiteral("Zeit, Ihren Mac aufzuräumen"));
    EXPECT_EQ(n.body, QStringLiteral("Starten Sie Dovrel Cleaner und räumen Sie Ihren Mac auf."));
    EXPECT_EQ(n.actions, (QStringList{QStringLiteral("launch"), QStringLiteral("Starten")}));
}

TEST_F(AgentTest, RemovesTheDeliveredNotificationTwentySecondsLater) {
    const uint id = deliveredNotification();
    ASSERT_NE(id, 0u);
    EXPECT_EQ(id, server->notifications().front().id);

    clock.advance(19s);
    EventPump::forMs(100);
    EXPECT_TRUE(server->closed().isEmpty());

    clock.advance(1s);
    ASSERT_TRUE(EventPump::until([&] { return !server->closed().isEmpty(); }));
    EXPECT_EQ(server->closed(), QList<uint>{id});
    clock.advance(1h);
    EventPump::forMs(50);
    EXPECT_EQ(server->closed().size(), 1);
}

TEST_F(AgentTest, OnlyItsOwnLaunchButtonStartsTheApplicationAndQuits) {
    const uint id = deliveredNotification();
    ASSERT_NE(id, 0u);

    // A click on the body, then another notification's "Launch" button.
    server->invokeAction(id, QStringLiteral("default"));
    server->invokeAction(id + 100, QStringLiteral("launch"));
    ASSERT_TRUE(EventPump::until([&] { return actions->count() == 2; }));
    EXPECT_EQ(terminated->count(), 0);
    EXPECT_FALSE(bundle.launched());

    server->invokeAction(id, QStringLiteral("launch"));
    ASSERT_TRUE(EventPump::until([&] { return terminated->count() == 1; }));
    EXPECT_TRUE(EventPump::until([&] { return bundle.launched(); }));

    // Nothing more happens once it has quit.
    server->invokeAction(id, QStringLiteral("launch"));
    ASSERT_TRUE(EventPump::until([&] { return actions->count() == 4; }));
    EXPECT_EQ(terminated->count(), 1);
}

TEST_F(AgentTest, AFailedLaunchStillQuits) {
    const uint id = deliveredNotification();
    ASSERT_NE(id, 0u);
    std::filesystem::remove(bundle.appExecutable());

    server->invokeAction(id, QStringLiteral("launch"));
    ASSERT_TRUE(EventPump::until([&] { return terminated->count() == 1; }));
    EXPECT_FALSE(bundle.launched());
}

TEST_F(AgentTest, NoNotificationServiceLogsOneLineAndQuits) {
    launchWithDateAge(30 * 24h);
    EXPECT_TRUE(delegate->isTimerActive());
    clock.advance(3660s);
    ASSERT_TRUE(EventPump::until([&] { return terminated->count() == 1; }));
    ASSERT_EQ(capturedWarnings().size(), 1);
    EXPECT_FALSE(capturedWarnings().front().contains(u'\n'));
    EXPECT_TRUE(capturedWarnings().front().contains(QStringLiteral("notification service")));
    EXPECT_FALSE(delegate->notificationId());
}

TEST_F(AgentTest, NoSessionBusLogsOneLineAndQuitsAtLaunch) {
    suite.setDate(QStringLiteral("Date"), kLaunch.addDays(-30));
    center = std::make_unique<DesktopNotifications>([this] {
        agentConnection = QDBusConnection::connectToBus(QStringLiteral("unix:path=") +
                                                            QFile::decodeName((dir / "no-bus").c_str()),
                                                        QStringLiteral("dovrel-test-no-bus"));
        return *agentConnection;
    });
    delegate = std::make_unique<AppDelegate>(suite, clock, *center, bundle.agentBundle());
    QSignalSpy quit(delegate.get(), &AppDelegate::terminate);
    delegate->applicationDidFinishLaunching();
    EXPECT_EQ(quit.count(), 1);
    EXPECT_FALSE(delegate->isTimerActive());
    ASSERT_EQ(capturedWarnings().size(), 1);
    EXPECT_TRUE(capturedWarnings().front().contains(QStringLiteral("session bus")));
}

TEST_F(AgentTest, NeverWritesTheSharedSuite) {
    suite.setDate(QStringLiteral("Date"), kLaunch.addDays(-30));
    const std::string before = readBytes(suite.file());
    const auto mtime = std::filesystem::last_write_time(suite.file());
    startServer();
    makeAgent();
    delegate->applicationDidFinishLaunching();
    clock.advance(3660s);
    ASSERT_TRUE(EventPump::until([&] { return delegate->notificationId().has_value(); }));
    server->invokeAction(*delegate->notificationId(), QStringLiteral("launch"));
    ASSERT_TRUE(EventPump::until([&] { return terminated->count() == 1; }));
    EXPECT_EQ(readBytes(suite.file()), before);
    EXPECT_EQ(std::filesystem::last_write_time(suite.file()), mtime);
}

// The offer sheet stamps "Date"; the agent stays quiet for 21 days after it.
TEST_F(AgentTest, QuietFor21DaysAfterTheOfferSheetEnabledIt) {
    Defaults settings(QStringLiteral("app"), dir / "app.json");
    SchedulerSwitch(settings, suite,
                    LoginItem(QStringLiteral("id"), bundle.appExecutable(), dir / "config", {}))
        .enable();
    const std::optional<QDateTime> stamped = suite.dateForKey(QStringLiteral("Date"));
    ASSERT_TRUE(stamped);
    startServer();

    FakeClock early(stamped->addDays(21).addSecs(-60));
    makeAgent();
    AppDelegate atTwentyDays(suite, early, *center, bundle.agentBundle());
    QSignalSpy quitEarly(&atTwentyDays, &AppDelegate::terminate);
    atTwentyDays.applicationDidFinishLaunching();
    EXPECT_EQ(quitEarly.count(), 1);

    FakeClock due(stamped->addDays(21));
    AppDelegate atTwentyOneDays(suite, due, *center, bundle.agentBundle());
    QSignalSpy quitDue(&atTwentyOneDays, &AppDelegate::terminate);
    atTwentyOneDays.applicationDidFinishLaunching();
    EXPECT_EQ(quitDue.count(), 0);
    EXPECT_TRUE(atTwentyOneDays.isTimerActive());
}

} // namespace
} // namespace dovrel
