#include "screens/cleanup/SmartCleanupViewController.h"

#include "controls/Animator.h"
#include "controls/CategoryArtwork.h"
#include "controls/ProgressRing.h"
#include "controls/SmartProgressView.h"
#include "controls/TransitionLabel.h"
#include "engine/Cleaner.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Dispatch.h"
#include "platform/NotificationCenter.h"
#include "shell/AppDelegate.h"
#include "shell/NotificationNames.h"

#include <QLabel>
#include <QPointer>

namespace dovrel {

namespace {

constexpr QSize kStage(760, 480);
constexpr int kTransitionMs = 300;

} // namespace

SmartCleanupViewController::SmartCleanupViewController(std::function<Cleaner*()> cleaner, QWidget* parent)
    : Screen(parent), cleanerProvider_(std::move(cleaner)), stage_(new QWidget(this)) {
    setObjectName(QStringLiteral("SmartCleanupViewController"));
    stage_->setFixedSize(kStage);

    progressView_ = new SmartProgressView(stage_);
    progressView_->setObjectName(QStringLiteral("progressView"));
    const QSize ring = progressView_->sizeHint();
    progressView_->setGeometry((kStage.width() - ring.width()) / 2, 70, ring.width(), ring.height());

    image_ = new QLabel(stage_);
    image_->setGeometry((kStage.width() - 44) / 2, 70 + ring.height() / 2 - 62, 44, 44);

    smart_size_ = new TransitionLabel(stage_);
    smart_size_->setObjectName(QStringLiteral("smart_size"));
    smart_size_->setAlignment(Qt::AlignCenter);
    smart_size_->setStyleSheet(QStringLiteral("color: white; font-size: 28px; font-weight: 600;"));
    smart_size_->setGeometry((kStage.width() - 170) / 2, 70 + ring.height() / 2 - 10, 170, 40);
    smart_size_->setText(formatByteCount(0));

    smart_item_ = new TransitionLabel(stage_);
    smart_item_->setObjectName(QStringLiteral("smart_item"));
    smart_item_->setAlignment(Qt::AlignCenter);
    smart_item_->setStyleSheet(QStringLiteral("color: white; font-size: 17px;"));
    smart_item_->setGeometry(80, 70 + ring.height() + 30, kStage.width() - 160, 30);
    smart_item_->setText(tr("Removing the selected files..."));

    auto* caption = new QLabel(tr("Selected files are removed for good; nothing goes to the Trash."), stage_);
    caption->setProperty("role", QStringLiteral("caption"));
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(80, 70 + ring.height() + 64, kStage.width() - 160, 22);
}

void SmartCleanupViewController::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    stage_->move((width() - kStage.width()) / 2, (height() - kStage.height()) / 2);
}

void SmartCleanupViewController::viewDidLoad() {
    appDelegate = AppDelegate::shared();
    sharedCleaner = cleanerProvider_ ? cleanerProvider_() : Cleaner::sharedCleaner();

    // 1. The removal: on the global queue, not awaited, not bound to this
    // screen.
    cleanup_ = CleanupRun::shared().start(*sharedCleaner);
    smart_size_->setText(formatByteCount(sharedCleaner->wasCleaned));
    image_->setPixmap(CategoryArtwork::image(QStringLiteral("Smart trash"), 44, devicePixelRatioF()));

    // 3. Scheduled before the ring starts, so that with instant timing (all
    // delays 0) the steps still come in their order.
    Dispatch::main_after(lifetime(), std::chrono::milliseconds(kItemDelayMs), [this] {
        transitionItem();
        smart_item_->setText(tr("Cleanup complete..."));
    });

    // 2. and 4. The ring's animation belongs to the ring, which outlives
    // release() until the widget is deleted: the completion checks.
    progressView_->progress()->setStrokeEnd(0);
    QPointer<QObject> alive = lifetime();
    Animator::basic(
        progressView_->progress(), "strokeEnd", QVariant(), 1.0, kRingMs, Animator::easeInEaseOut(),
        [this, alive] {
            if (alive)
                ringFinished();
        },
        QString::fromLatin1(ringAnimationKey()));
}

void SmartCleanupViewController::ringFinished() {
    transitionSize();
    smart_size_->setText(tr("Done"));
    Dispatch::main_after(lifetime(), std::chrono::milliseconds(kLeaveDelayMs), [] {
        NotificationCenter::defaultCenter().post(
            QString::fromLatin1(NotificationNames::cleaned_view_controller));
    });
}

void SmartCleanupViewController::transitionItem() {
    smart_item_->addTransition(TransitionLabel::Kind::MoveInFromTop, kTransitionMs,
                               Animator::easeInEaseOut());
}

void SmartCleanupViewController::transitionSize() {
    smart_size_->addTransition(TransitionLabel::Kind::MoveInFromTop, kTransitionMs,
                               Animator::easeInEaseOut());
}

} // namespace dovrel
