#pragma once

namespace dovrel {

// Names shared by the reminder switch in the application and the reminder
// agent: the login-item identifier and the settings keys.
struct SchedulerKeys {
    // Identifier of the agent as a login item (also its bundle identifier).
    static constexpr const char* kAgentIdentifier = "com.halvik.dovrel-cleaner-scheduler";
    // Standard settings of the application.
    static constexpr const char* kScheduler = "Scheduler";
    static constexpr const char* kEnableScheduler = "EnableScheduler";
    // Shared suite: the moment from which reminders are counted.
    static constexpr const char* kDate = "Date";
};

} // namespace dovrel
