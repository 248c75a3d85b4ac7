#pragma once

#include "shell/Screen.h"

#include <QStringList>

#include <memory>

class QLabel;

namespace dovrel {

class Defaults;
class ScanButton;

// The home screen ("Home"): a title, a line of text and the scan button.
// Each time it appears it
//  - on systems from 10.14: runs the protected-folder probe once ever
//    ("PrivacyAccess") and the Full Disk Access check every time, opening the
//    "PrivacyFullDiskAccess" window when access is missing (at once when the
//    probe ran before, else after 4 s);
//  - from the fifth launch, while neither "EnableScheduler" nor "Scheduler"
//    is set, presents the "EnableScheduler" sheet 1.5 s later.
// Delayed steps belong to this screen and are dropped if it is replaced.
class HomeViewController : public Screen {
    Q_OBJECT
public:
    explicit HomeViewController(QWidget* parent = nullptr);

    void viewDidLoad() override;
    void viewDidAppear() override;
    // What the seven category images stand for, in the scan's order (their
    // names and tooltips).
    static QStringList categoryTitles();

    // The scan button's action: posts "smart_scan_view_controller".
    void search();
    void privacy_for_directories();
    void privacy_full_disk_access();

    Defaults* app_settings = nullptr;
    QLabel* label() const { return label_; }
    QLabel* text() const { return text_; }
    ScanButton* scan() const { return scan_; }
    Screen* privacy_windowcontroller() const { return privacy_windowcontroller_.get(); }

    // The folders the probe lists, relative to the home folder, in order.
    static const char* const kProbeFolders[4];

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void openPrivacyWindow();
    void presentSchedulerOffer();

    QWidget* stage_;
    QWidget* titleBox_;
    QWidget* textBox_;
    QLabel* label_;
    QLabel* text_;
    ScanButton* scan_;
    std::unique_ptr<Screen> privacy_windowcontroller_;
    bool probeStartedNow_ = false;
};

} // namespace dovrel
