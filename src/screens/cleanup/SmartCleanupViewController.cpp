#include "screens/cleanup/SmartCleanupViewController.h"

#include "controls/Animator.h"
#include "controls/CategoryArtwork.h"
#include "controls/ProgressRing.h"
#include "controls/RingStage.h"
#include "controls/SmartProgressView.h"
#include "controls/TransitionLabel.h"
#include "engine/Cleaner.h"
#include "engine/CleaningMode.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/NotificationCenter.h"
#include "shell/AppDelegate.h"
#include "shell/NotificationNames.h"

#include <QLabel>
#include <QPointer>

namespace dovrel {

SmartCleanupViewController::SmartCleanupViewController(std::function<Cleaner*()> cleaner, QWidget* parent)
    : Screen(parent), cleanerProvider_(std::move(cleaner)), stage_(new RingStage(this)) {
    setObjectName(QStringLiteral("SmartCleanupViewController"));
    // The cleanup starting with this screen reads the same stored mode.
    const bool toTrash = CleaningMode::stored(Defaults::standard()) == CleaningMode::Mode::Trash;
    stage_->smart_item()->setText(toTrash ? tr("Moving the selected files to the Trash...")
                                          : tr("Removing the selected files..."));
    stage_->addCaption(toTrash
                           ? tr("Selected files go to the Trash; what was in the Trash is removed for good.")
                           : tr("Selected files are removed for good; nothing goes to the Trash."));
}

void SmartCleanupViewController::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    stage_->centreIn(size());
}

void SmartCleanupViewController::viewDidLoad() {
    appDelegate = AppDelegate::shared();
    sharedCleaner = cleanerProvider_ ? cleanerProvider_() : Cleaner::sharedCleaner();

    // 1. The removal: on the global queue, not awaited, not bound to this
    // screen.
    cleanup_ = CleanupRun::shared().start(*sharedCleaner);
    smart_size()->setText(formatByteCountInList(sharedCleaner->wasCleaned));
    stage_->image()->setPixmap(
        CategoryArtwork::image(QStringLiteral("Smart trash"), 44, devicePixelRatioF()));

    // 3. Scheduled before the ring starts, so that with instant timing (all
    // delays 0) the steps still come in their order.
    Dispatch::main_after(lifetime(), std::chrono::milliseconds(kItemDelayMs), [this] {
        transitionItem();
        smart_item()->setText(tr("Cleanup complete..."));
    });

    // 2. and 4. The ring's animation belongs to the ring, which outlives
    // release() until the widget is deleted: the completion checks.
    progressView()->progress()->setStrokeEnd(0);
    QPointer<QObject> alive = lifetime();
    Animator::basic(
        progressView()->progress(), "strokeEnd", QVariant(), 1.0, kRingMs, Animator::easeInEaseOut(),
        [this, alive] {
            if (alive)
                ringFinished();
        },
        QString::fromLatin1(ringAnimationKey()));
}

void SmartCleanupViewController::ringFinished() {
    transitionSize();
    smart_size()->setText(tr("Done"));
    Dispatch::main_after(lifetime(), std::chrono::milliseconds(kLeaveDelayMs), [] {
        NotificationCenter::defaultCenter().post(
            QString::fromLatin1(NotificationNames::cleaned_view_controller));
    });
}

void SmartCleanupViewController::transitionItem() {
    RingStage::moveInFromTop(smart_item());
}

void SmartCleanupViewController::transitionSize() {
    RingStage::moveInFromTop(smart_size());
}

} // namespace dovrel
