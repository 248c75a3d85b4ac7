#pragma once

#include "controls/RingStage.h"
#include "engine/CleanupRun.h"
#include "shell/Screen.h"

#include <functional>

namespace dovrel {

class AppDelegate;
class Cleaner;

// The cleanup progress screen ("SmartCleanup"). When it loads it starts the
// removal of the engine's hand-over list (CleanupRun: on the global queue,
// not awaited, through the safe removal) and plays a fixed sequence, timed
// from the load:
//
//   0.0 s   ring's stroke end -> 1 over 2.0 s, ease-in-ease-out
//   1.5 s   smart_item slides in "Cleanup complete..."
//   2.0 s   (ring done) smart_size slides in "Done"
//   3.5 s   posts "cleaned_view_controller"
//
// The sequence takes the same time however long the removal takes; the
// removal goes on after the screen is gone. Every pending step is bound to
// lifetime(): a released screen is neither touched nor posts anything.
class SmartCleanupViewController : public Screen {
    Q_OBJECT
public:
    // `cleaner` gives the engine whose hand-over is removed (the shared one
    // when empty). The removal runs on CleanupRun::shared().
    explicit SmartCleanupViewController(std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);

    void viewDidLoad() override;

    // Make the next text change of smart_item / smart_size move in from the
    // top (0.3 s, ease-in-ease-out).
    void transitionItem();
    void transitionSize();

    AppDelegate* appDelegate = nullptr;
    Cleaner* sharedCleaner = nullptr;

    SmartProgressView* progressView() const { return stage_->progressView(); }
    TransitionLabel* smart_item() const { return stage_->smart_item(); }
    TransitionLabel* smart_size() const { return stage_->smart_size(); }
    // The cleanup this screen started (0 before it loaded).
    CleanupRun::Id cleanup() const { return cleanup_; }

    static constexpr int kItemDelayMs = 1500;
    static constexpr int kRingMs = 2000;
    static constexpr int kLeaveDelayMs = 1500;
    static const char* ringAnimationKey() { return "cleanup"; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ringFinished();

    std::function<Cleaner*()> cleanerProvider_;
    CleanupRun::Id cleanup_ = 0;
    RingStage* stage_;
};

} // namespace dovrel
