#pragma once

#include "shell/Screen.h"

namespace dovrel {

class PrivacyDiskAccessViewController;

// The Full Disk Access window ("PrivacyFullDiskAccess"): a window of its own
// whose content is PrivacyDiskAccessViewController.
class PrivacyFullDiskWindowController : public Screen {
    Q_OBJECT
public:
    explicit PrivacyFullDiskWindowController(QWidget* parent = nullptr);

    void viewDidLoad() override;
    // Shows and raises the window.
    void showWindow();

    PrivacyDiskAccessViewController* contentViewController() const { return content_; }

private:
    PrivacyDiskAccessViewController* content_ = nullptr;
};

} // namespace dovrel
