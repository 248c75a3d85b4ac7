#include "screens/home/EnableSchedulerViewController.h"

#include "controls/CellButton.h"
#include "controls/DVTShadowLabel.h"
#include "scheduler/SchedulerSwitch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dovrel {

EnableSchedulerViewController::EnableSchedulerViewController(SchedulerSwitch& schedulerSwitch,
                                                             QWidget* parent)
    : Screen(parent), switch_(schedulerSwitch) {
    setObjectName(QStringLiteral("EnableSchedulerViewController"));
    setWindowTitle(tr("Cleanup reminders"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 20);
    layout->setSpacing(10);
    auto* title = new DVTShadowLabel(tr("Remind me to clean up?"), this);
    title->setProperty("role", QStringLiteral("title"));
    title->setStyleSheet(QStringLiteral("font-size: 20px;"));
    layout->addWidget(title);
    auto* text = new QLabel(tr("Dovrel Cleaner can remind you to clean up every few weeks. The reminder "
                               "starts with your session; you can switch it off in Preferences at any time."),
                            this);
    text->setProperty("role", QStringLiteral("text"));
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addSpacing(8);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    cancel_ = new CellButton(ButtonCell::Kind::CleanButtonCell, tr("Not Now"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    enable_ = new CellButton(ButtonCell::Kind::PushButtonCell, tr("Remind Me"), this);
    enable_->setObjectName(QStringLiteral("enable"));
    enable_->setDefault(true);
    row->addWidget(cancel_);
    row->addWidget(enable_);
    layout->addLayout(row);
    setFixedWidth(440);
    connect(enable_, &QPushButton::clicked, this, &EnableSchedulerViewController::enable);
    connect(cancel_, &QPushButton::clicked, this, &EnableSchedulerViewController::cancel);
}

void EnableSchedulerViewController::enable() {
    switch_.enable();
    dismissController();
}

void EnableSchedulerViewController::cancel() {
    switch_.cancel();
    dismissController();
}

} // namespace dovrel
