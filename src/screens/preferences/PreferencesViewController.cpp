#include "screens/preferences/PreferencesViewController.h"

#include "platform/Defaults.h"
#include "scheduler/SchedulerSwitch.h"
#include "screens/preferences/LayoutChoice.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace dovrel {

PreferencesViewController::PreferencesViewController(SchedulerSwitch& schedulerSwitch, QWidget* parent)
    : Screen(parent), switch_(schedulerSwitch) {
    setObjectName(QStringLiteral("PreferencesViewController"));
    setWindowTitle(tr("Preferences"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(8);
    auto* title = new QLabel(tr("Reminders"), this);
    title->setProperty("role", QStringLiteral("title"));
    title->setStyleSheet(QStringLiteral("font-size: 18px;"));
    layout->addWidget(title);
    scheduler_button_ = new QCheckBox(tr("Remind me to clean up regularly"), this);
    scheduler_button_->setObjectName(QStringLiteral("scheduler_button"));
    layout->addWidget(scheduler_button_);
    auto* hint = new QLabel(tr("A small helper starts with your session and tells you when it is time "
                               "for a clean-up."),
                            this);
    hint->setProperty("role", QStringLiteral("caption"));
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(new LayoutChoice(Defaults::standard(), this));
    layout->addStretch(1);
    setFixedSize(420, 210);
    connect(scheduler_button_, &QCheckBox::clicked, this, &PreferencesViewController::enable_scheduler);
}

void PreferencesViewController::viewDidLoad() {
    app_settings = &Defaults::standard();
    if (app_settings->boolForKey(QStringLiteral("Scheduler")))
        scheduler_button_->setChecked(true);
}

void PreferencesViewController::enable_scheduler() {
    switch_.enable_scheduler(scheduler_button_->isChecked());
}

} // namespace dovrel
