#pragma once

#include "controls/RingStage.h"
#include "shell/Screen.h"

#include <functional>

class QLabel;

namespace dovrel {

class AppDelegate;
class Cleaner;
class Defaults;
struct ScanCategory;

// The smart-scan screen ("SmartScan"): starts one smart scan when it loads
// and follows it. Each progress notification of the engine (CategoryTable)
// names the next category, refreshes the running total and sets the ring:
//
//   appear                  Scan in "Applications caches"      ring -> 0.5 over 3 s
//   smart_scan_logs         Scan in "Applications logs"        0.5
//   smart_scan_remainders   Scan in "Applications remainders"  0.6
//   smart_scan_browsers     Scan in "Browsers"                 0.7
//   smart_scan_mails        Scan in "Mail attachments"         0.8
//   smart_scan_installs     Scan in "Installation files"       0.9
//   smart_scan_trash        Scan in "Trash Bin"                1.0
//   scan finished           posts "smart_clean_view_controller" once
//
// While a cleanup is still removing files (CleanupRun), the screen shows its
// ring and a waiting line and starts the scan only when the cleanup has
// ended, so a scan never reports what is being deleted (and not at all when
// that cleanup ended because the application is quitting).
//
// The scan runs on the global queue and is not bound to this screen: its
// completion posts from the main queue even if the screen is gone. The
// observers die with the screen, so a later scan's notifications never reach
// an earlier screen.
class SmartScanViewController : public Screen {
    Q_OBJECT
public:
    // `cleaner` gives the engine to run (the shared one when empty).
    explicit SmartScanViewController(std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);

    void viewDidLoad() override;
    void viewWillAppear() override;

    // The handler of a category's notification: its label, image and the
    // running total, the ring at ringFraction().
    void scan_category(const ScanCategory& category);
    // 0.5 for the second category up to 1.0 for the last.
    static double ringFraction(const ScanCategory& category);

    void transitionItem();
    void transitionSize();

    // "Scan in "<category>"", both parts localised.
    static QString scanText(const QString& localisedCategory);
    // The line under the ring while scanning / while waiting for a cleanup.
    static QString lookingText();
    static QString waitingText();

    // The scan has been started (false while waiting for a cleanup).
    bool scanStarted() const { return scanStarted_; }
    QLabel* caption() const { return caption_; }

    AppDelegate* appDelegate = nullptr;
    Defaults* app_settings = nullptr;
    Cleaner* sharedCleaner = nullptr;

    TransitionLabel* smart_item() const { return stage_->smart_item(); }
    TransitionLabel* smart_size() const { return stage_->smart_size(); }
    SmartProgressView* progressView() const { return stage_->progressView(); }
    // The category's picture above the name.
    QLabel* image() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void startScan();

    std::function<Cleaner*()> cleanerProvider_;
    RingStage* stage_;
    QLabel* caption_;
    bool scanStarted_ = false;
};

} // namespace dovrel
