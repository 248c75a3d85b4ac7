#include "screens/access/PrivacyFullDiskWindowController.h"

#include "screens/access/PrivacyDiskAccessViewController.h"

#include <QVBoxLayout>

namespace dovrel {

PrivacyFullDiskWindowController::PrivacyFullDiskWindowController(QWidget* parent) : Screen(parent) {
    setObjectName(QStringLiteral("PrivacyFullDiskAccess"));
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Full Disk Access"));
    setFixedSize(560, 360);
}

void PrivacyFullDiskWindowController::viewDidLoad() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content_ = new PrivacyDiskAccessViewController(storyboard(), this);
    layout->addWidget(content_);
}

void PrivacyFullDiskWindowController::showWindow() {
    loadViewIfNeeded();
    show();
    raise();
    activateWindow();
}

} // namespace dovrel
