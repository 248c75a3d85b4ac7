#pragma once

#include "shell/Screen.h"

class QCheckBox;

namespace dovrel {

class Defaults;
class SchedulerSwitch;

// The preferences screen ("Preferences"): one checkbox that switches the
// cleanup reminders on and off. Ticked on load when "Scheduler" is set.
class PreferencesViewController : public Screen {
    Q_OBJECT
public:
    explicit PreferencesViewController(SchedulerSwitch& schedulerSwitch, QWidget* parent = nullptr);

    void viewDidLoad() override;
    // The checkbox's action.
    void enable_scheduler();

    Defaults* app_settings = nullptr;
    QCheckBox* scheduler_button() const { return scheduler_button_; }

private:
    SchedulerSwitch& switch_;
    QCheckBox* scheduler_button_;
};

} // namespace dovrel
