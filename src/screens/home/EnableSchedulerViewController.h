#pragma once

#include "shell/Screen.h"

class QPushButton;

namespace dovrel {

class SchedulerSwitch;

// The reminder offer ("EnableScheduler"), shown as a sheet of the home
// screen. Enable switches the reminders on and stamps the start date; cancel
// only records that the offer was answered. Both dismiss the sheet.
class EnableSchedulerViewController : public Screen {
    Q_OBJECT
public:
    explicit EnableSchedulerViewController(SchedulerSwitch& schedulerSwitch, QWidget* parent = nullptr);

    void enable();
    void cancel();

    QPushButton* enableButton() const { return enable_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    SchedulerSwitch& switch_;
    QPushButton* enable_;
    QPushButton* cancel_;
};

} // namespace dovrel
