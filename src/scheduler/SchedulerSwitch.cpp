#include "scheduler/SchedulerSwitch.h"

#include "platform/Defaults.h"
#include "scheduler/BundleLayout.h"
#include "scheduler/SchedulerKeys.h"

#include <QDateTime>

namespace dovrel {

namespace {
QString key(const char* name) {
    return QString::fromLatin1(name);
}
} // namespace

SchedulerSwitch::SchedulerSwitch()
    : SchedulerSwitch(Defaults::standard(), Defaults::sharedSuite(), defaultAgentExecutable()) {}

SchedulerSwitch::SchedulerSwitch(Defaults& app_settings, Defaults& cleaner_settings, LoginItem loginItem)
    : app_settings_(app_settings), cleaner_settings_(cleaner_settings), loginItem_(std::move(loginItem)) {}

SchedulerSwitch::SchedulerSwitch(Defaults& app_settings, Defaults& cleaner_settings,
                                 const std::filesystem::path& agentExecutable)
    : SchedulerSwitch(app_settings, cleaner_settings,
                      LoginItem::forCurrentUser(key(SchedulerKeys::kAgentIdentifier), agentExecutable)) {}

std::filesystem::path SchedulerSwitch::defaultAgentExecutable() {
    const std::filesystem::path bundle = BundleLayout::bundleOfExecutable(BundleLayout::currentExecutable());
    return BundleLayout::agentExecutable(bundle);
}

void SchedulerSwitch::enable_scheduler(bool ticked) {
    loginItem_.setEnabled(ticked);
    app_settings_.setBool(key(SchedulerKeys::kScheduler), ticked);
    app_settings_.synchronize();
}

void SchedulerSwitch::enable() {
    loginItem_.setEnabled(true);
    app_settings_.setBool(key(SchedulerKeys::kEnableScheduler), true);
    app_settings_.setBool(key(SchedulerKeys::kScheduler), true);
    app_settings_.synchronize();
    cleaner_settings_.setDate(key(SchedulerKeys::kDate), QDateTime::currentDateTimeUtc());
    cleaner_settings_.synchronize();
}

void SchedulerSwitch::cancel() {
    app_settings_.setBool(key(SchedulerKeys::kEnableScheduler), true);
    app_settings_.synchronize();
}

} // namespace dovrel
