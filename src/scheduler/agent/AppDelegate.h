#pragma once

#include "scheduler/agent/Clock.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

namespace dovrel {
class Defaults;
}

namespace dovrel::agent {

class DesktopNotifications;

// The reminder agent: decides at launch whether a cleanup is due and, if so,
// posts one notification an hour later whose "Launch" action starts the
// application that carries the agent in its bundle.
//
//   launch ── "Date" absent, or fewer than 21 whole days ago ──> terminate
//     │
//     └─ due: tick every 60 s ── more than 3600 s since launch ──> Notify (once, timer stopped)
//                                                                    │
//          Notify failed ──> log one line, terminate                 │ id returned (delivered)
//                                                                    ├─ 20 s later: CloseNotification(id)
//          ActionInvoked(id, "launch") ──> start the application, terminate (even if the start failed)
//          ActionInvoked(id, "default") (body click), other ids or keys ──> nothing
//
// The agent only reads the shared suite; it never writes settings. Whole days
// are elapsed 24-hour periods from "Date" to the launch, truncated toward
// zero: 20 days 23 hours count 20, and a "Date" after the launch counts
// negative (or 0 within a day). Everything runs on the thread that owns the
// object, through its event loop.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    static constexpr std::int64_t kDaysBeforeReminder = 21;
    static constexpr std::chrono::seconds kTimerPeriod{60};
    static constexpr std::chrono::seconds kWaitAfterLaunch{3600};
    static constexpr std::chrono::seconds kNotificationLifetime{20};
    static constexpr const char* kLaunchAction = "launch";

    // cleaner_settings: the suite shared with the application (read only).
    // agentBundle: the agent's own bundle, .../dovrel-cleaner-scheduler.app.
    // All referenced objects must outlive the delegate.
    AppDelegate(const Defaults& cleaner_settings, Clock& clock, DesktopNotifications& center,
                std::filesystem::path agentBundle, QObject* parent = nullptr);
    ~AppDelegate() override;

    // Whole 24-hour periods from `from` to `to`, truncated toward zero.
    static std::int64_t daysFrom(const QDateTime& from, const QDateTime& to);

    // The launch decision; call once, from the running event loop.
    void applicationDidFinishLaunching();
    // The 60-second tick.
    void scheduler_timer_proc();

    QDateTime launchDate() const { return launchDate_; }
    bool isTimerActive() const { return timer_->isActive(); }
    // The id of the delivered notification, once Notify returned one.
    std::optional<uint> notificationId() const { return notificationId_; }
    bool hasTerminated() const { return terminated_; }

signals:
    // The agent is done; the program should quit. Emitted at most once.
    void terminate();

private:
    void didDeliverNotification(uint id);
    void didFailToDeliver(const QString& message);
    void didActivateNotification(uint id, const QString& key);
    void finish();

    const Defaults& cleaner_settings_;
    Clock& clock_;
    DesktopNotifications& center_;
    std::filesystem::path agentBundle_;
    QDateTime launchDate_;
    std::unique_ptr<Timer> timer_;
    std::unique_ptr<Timer> removalTimer_;
    bool posted_ = false;
    bool terminated_ = false;
    std::optional<uint> notificationId_;
};

} // namespace dovrel::agent
