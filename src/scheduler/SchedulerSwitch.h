#pragma once

#include "scheduler/LoginItem.h"

#include <filesystem>

namespace dovrel {

class Defaults;

// The reminder switch of the application: registers or unregisters the
// reminder agent as login item and keeps the settings in step with it.
// Screens call one operation per user action:
//
//   preferences checkbox      enable_scheduler(ticked)
//   offer sheet, enable       enable()
//   offer sheet, cancel       cancel()
//
// The result of the registration is not examined: the settings are written as
// if it had succeeded, as the reminder's state is defined by "Scheduler".
// The switch does not own the settings stores; they must outlive it.
class SchedulerSwitch {
public:
    // The application's standard settings, the suite shared with the agent,
    // and the agent's registration inside the running application's bundle.
    SchedulerSwitch();
    // Explicit stores and registration (tests, tools).
    SchedulerSwitch(Defaults& app_settings, Defaults& cleaner_settings, LoginItem loginItem);
    // Explicit stores and agent executable, registered for the current user.
    SchedulerSwitch(Defaults& app_settings, Defaults& cleaner_settings,
                    const std::filesystem::path& agentExecutable);

    // Preferences checkbox: register (ticked) or unregister the agent, set
    // "Scheduler" to the state, synchronise. Leaves "EnableScheduler" and the
    // shared "Date" alone.
    void enable_scheduler(bool ticked);

    // Offer sheet, enable: register the agent; set "EnableScheduler" and
    // "Scheduler" to true; synchronise; store now under "Date" in the shared
    // suite; synchronise the suite.
    void enable();

    // Offer sheet, cancel: set "EnableScheduler" to true and synchronise.
    // "Scheduler" and the registration stay as they were.
    void cancel();

    const LoginItem& loginItem() const { return loginItem_; }

    // Where the agent sits for the running application.
    static std::filesystem::path defaultAgentExecutable();

private:
    Defaults& app_settings_;
    Defaults& cleaner_settings_;
    LoginItem loginItem_;
};

} // namespace dovrel
