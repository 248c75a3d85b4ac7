#pragma once

#include "shell/Storyboard.h"

#include <QWidget>

class QPushButton;

namespace dovrel {

class AppDelegate;
class Defaults;
class PrivacyFullDiskPageController;

// Content of the Full Disk Access window: the instruction pages, a button
// that opens what the user needs to allow access, and a confirm button that
// runs the Full Disk Access check:
//   denied     the window shakes, "PrivacyFullDisk" = false, it stays open
//   granted    "PrivacyFullDisk" = true and the window closes
//   undecided  nothing happens
// Painted on "F9F9F9" each time it is about to be shown.
class PrivacyDiskAccessViewController : public QWidget {
    Q_OBJECT
public:
    PrivacyDiskAccessViewController(Storyboard storyboard, QWidget* parent = nullptr);

    void open_settings();
    void confirm_disk_access();

    AppDelegate* appDelegate = nullptr;
    Defaults* app_settings = nullptr;
    QPushButton* confirm_button() const { return confirm_button_; }
    QPushButton* settings_button() const { return settings_button_; }
    PrivacyFullDiskPageController* pageController() const { return pages_; }

    // Number of shakes played (diagnostics, tests).
    int shakeCount() const { return shakes_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void shake();

    PrivacyFullDiskPageController* pages_;
    QPushButton* confirm_button_;
    QPushButton* settings_button_;
    int shakes_ = 0;
};

} // namespace dovrel
