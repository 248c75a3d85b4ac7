#include "screens/access/PrivacyDiskAccessViewController.h"

#include "controls/Animator.h"
#include "controls/CellButton.h"
#include "controls/PushButton.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/gui/HexColor.h"
#include "platform/gui/Workspace.h"
#include "screens/access/FullDiskAccessCheck.h"
#include "screens/access/PrivacyFullDiskPageController.h"
#include "shell/AppDelegate.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <sys/stat.h>

namespace dovrel {

PrivacyDiskAccessViewController::PrivacyDiskAccessViewController(Storyboard storyboard, QWidget* parent)
    : QWidget(parent), appDelegate(AppDelegate::shared()), app_settings(&Defaults::standard()) {
    setObjectName(QStringLiteral("PrivacyDiskAccessViewController"));
    setStyleSheet(QStringLiteral("QLabel { color: #2c2d33; }"
                                 "QLabel#stepCaption { color: #0a84ff; font-size: 12px; font-weight: 600; }"
                                 "QLabel#pageTitle { font-size: 20px; font-weight: 600; }"
                                 "QLabel#pageText { font-size: 13px; color: #4a4c57; }"
                                 "QPushButton { font-size: 13px; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 18);
    pages_ = new PrivacyFullDiskPageController(std::move(storyboard), this);
    layout->addWidget(pages_, 1);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(36, 0, 36, 0);
    settings_button_ = new PushButton(tr("Open Settings"), this);
    settings_button_->setObjectName(QStringLiteral("settings_button"));
    confirm_button_ = new CellButton(ButtonCell::Kind::DVRButtonCell, tr("Confirm"), this);
    confirm_button_->setObjectName(QStringLiteral("confirm_button"));
    row->addWidget(settings_button_);
    row->addStretch(1);
    row->addWidget(confirm_button_);
    layout->addLayout(row);
    connect(settings_button_, &QPushButton::clicked, this, &PrivacyDiskAccessViewController::open_settings);
    connect(confirm_button_, &QPushButton::clicked, this,
            &PrivacyDiskAccessViewController::confirm_disk_access);
}

void PrivacyDiskAccessViewController::showEvent(QShowEvent* event) {
    QPalette p = palette();
    p.setColor(QPalette::Window, HexColor::colorFromHexString(QStringLiteral("F9F9F9")));
    setPalette(p);
    setAutoFillBackground(true);
    QWidget::showEvent(event);
}

// There is no system settings pane for this here: the user needs to see the
// protected file (or, without it, the home folder) to change its permissions.
void PrivacyDiskAccessViewController::open_settings() {
    const Grant::Resolution home = Grant::resolve(*app_settings, QString::fromLatin1(Grant::kHomeKey));
    if (!home.resolved())
        return;
    const std::filesystem::path probe = FullDiskAccessCheck::probeFile(*home.folder);
    struct stat st {};
    if (::lstat(probe.c_str(), &st) == 0)
        Workspace::reveal(probe);
    else
        Workspace::openURL(Workspace::fileURL(*home.folder));
}

void PrivacyDiskAccessViewController::confirm_disk_access() {
    switch (FullDiskAccessCheck::run(*app_settings)) {
    case FullDiskAccessCheck::Outcome::Denied:
        shake();
        app_settings->setBool(QStringLiteral("PrivacyFullDisk"), false);
        app_settings->synchronize();
        break;
    case FullDiskAccessCheck::Outcome::Granted:
        app_settings->setBool(QStringLiteral("PrivacyFullDisk"), true);
        app_settings->synchronize();
        window()->close();
        break;
    case FullDiskAccessCheck::Outcome::Undecided:
        break;
    }
}

void PrivacyDiskAccessViewController::shake() {
    ++shakes_;
    QWidget* w = window();
    const QPoint at = w->pos();
    const auto x = [at](int dx) { return QVariant(at + QPoint(dx, 0)); };
    Animator::keyframes(w, "pos",
                        {{0.0, x(0)},
                         {0.15, x(-12)},
                         {0.3, x(12)},
                         {0.45, x(-9)},
                         {0.6, x(9)},
                         {0.75, x(-4)},
                         {0.9, x(4)},
                         {1.0, x(0)}},
                        450, {}, QStringLiteral("shake"));
}

} // namespace dovrel
