#pragma once

#include "engine/CleanupRun.h"
#include "shell/Screen.h"

#include <filesystem>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace dovrel {

class AppDelegate;
class Cleaner;
struct RemovalReport;
class SmallWaitProgress;
class TransitionLabel;

// The completion screen ("Cleaned"). It loads showing the size the user
// chose (the engine's wasCleaned) and plays its opening animation. When the
// report of the cleanup arrives (at once if it already has; later while the
// screen is shown) the figure changes to the bytes actually freed (after a
// move into the Trash: what emptying it will free, and the line says
// "moved to the Trash") and, if
// some locations could not be removed, a line says how many and offers
// their list (location and reason). The all-time total "TotallyCleaned" is
// not this screen's business: the cleanup adds what it freed itself, once,
// whether or not this screen is ever shown.
//
//   done:      posts "home_view_controller"
//   find_now:  posts "home_end_anim_complete", then "smart_scan_view_controller"
class CleanedViewController : public Screen {
    Q_OBJECT
public:
    // `cleaner` gives the engine whose hand-over is shown (the shared one
    // when empty). The report comes from CleanupRun::shared().
    explicit CleanedViewController(std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);

    void viewDidLoad() override;

    void done();
    void find_now();

    // Shows what the cleanup did (also called by the screen itself).
    void showReport(const RemovalReport& report);
    // Opens or closes the list of the locations that could not be removed.
    void setFailureListShown(bool shown);

    AppDelegate* appDelegate = nullptr;
    Cleaner* sharedCleaner = nullptr;

    TransitionLabel* was_cleaned_size() const { return was_cleaned_size_; }
    QLabel* label() const { return label_; }
    QLabel* imageview() const { return imageview_; }
    QPushButton* search_button() const { return search_button_; }
    QPushButton* done_button() const { return done_button_; }
    // "n locations could not be removed." (hidden when all went).
    QLabel* failures() const { return failures_; }
    QPushButton* failureListButton() const { return failureListButton_; }
    QTreeWidget* failureList() const { return failureList_; }
    // "Still removing..." while the cleanup runs.
    QLabel* status() const { return status_; }
    QWidget* statusSpinner() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutStage();
    QString displayed(const std::filesystem::path& location) const;

    std::function<Cleaner*()> cleanerProvider_;
    QWidget* stage_;
    QLabel* imageview_;
    QWidget* headline_;
    TransitionLabel* was_cleaned_size_;
    QLabel* label_;
    QLabel* status_;
    SmallWaitProgress* statusSpinner_;
    QLabel* failures_;
    QPushButton* failureListButton_;
    QTreeWidget* failureList_;
    QPushButton* search_button_;
    QPushButton* done_button_;
};

} // namespace dovrel
