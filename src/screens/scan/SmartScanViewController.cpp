#include "screens/scan/SmartScanViewController.h"

#include "controls/Animator.h"
#include "controls/CategoryArtwork.h"
#include "controls/ProgressRing.h"
#include "controls/SmartProgressView.h"
#include "controls/TransitionLabel.h"
#include "engine/CategoryTable.h"
#include "engine/Cleaner.h"
#include "engine/CleanupRun.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/NotificationCenter.h"
#include "shell/AppDelegate.h"
#include "shell/NotificationNames.h"

#include <QLabel>

namespace dovrel {

namespace {

const QString kOpeningKey = QStringLiteral("opening");
constexpr int kItemFadeMs = 100;

} // namespace

SmartScanViewController::SmartScanViewController(std::function<Cleaner*()> cleaner, QWidget* parent)
    : Screen(parent), cleanerProvider_(std::move(cleaner)), stage_(new RingStage(this)) {
    setObjectName(QStringLiteral("SmartScanViewController"));
    caption_ = stage_->addCaption(lookingText());
    caption_->setObjectName(QStringLiteral("caption"));
}

void SmartScanViewController::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    stage_->centreIn(size());
}

QLabel* SmartScanViewController::image() const {
    return stage_->image();
}

QString SmartScanViewController::lookingText() {
    return tr("Looking for files you can safely remove…");
}

QString SmartScanViewController::waitingText() {
    return tr("Waiting for the last cleanup to finish…");
}

QString SmartScanViewController::scanText(const QString& localisedCategory) {
    return tr("Scan in \"%1\"").arg(localisedCategory);
}

void SmartScanViewController::viewDidLoad() {
    appDelegate = AppDelegate::shared();
    app_settings = &Defaults::standard();
    sharedCleaner = cleanerProvider_ ? cleanerProvider_() : Cleaner::sharedCleaner();

    // One scan per screen, and never while a cleanup removes files: the scan
    // would report what is being deleted. It starts now, or once the
    // cleanup has ended (dropped if this screen is gone by then).
    CleanupRun& cleanup = CleanupRun::shared();
    if (cleanup.isRunning())
        caption_->setText(waitingText());
    cleanup.whenIdle(lifetime(), [this] { startScan(); });

    // One handler per announced category (every one but the first).
    NotificationCenter& center = NotificationCenter::defaultCenter();
    QObject* owner = lifetime();
    for (const ScanCategory& category : CategoryTable::all())
        if (category.notification)
            center.addObserver(owner, QString::fromLatin1(category.notification),
                               [this, &category] { scan_category(category); });

    Animator::basic(progressView()->progress(), "strokeEnd", QVariant(), 0.5, 3000, Animator::easeOut(), {},
                    kOpeningKey);
}

void SmartScanViewController::startScan() {
    // The cleanup it waited for ended because the application is quitting.
    if (appDelegate && appDelegate->isFinishingCleanup())
        return;
    caption_->setText(lookingText());
    scanStarted_ = true;
    // The engine calls the completion on its worker; the notification is
    // posted from the main queue.
    Cleaner* cleaner = sharedCleaner;
    // A folder changed in the preferences counts from this scan on: no scan
    // and no cleanup runs now.
    cleaner->takeNextLocations();
    Dispatch::global_async([cleaner] {
        cleaner->smart_clean_with_complete_handler([] {
            Dispatch::main_async([] {
                NotificationCenter::defaultCenter().post(
                    QString::fromLatin1(NotificationNames::smart_clean_view_controller));
            });
        });
    });
}

void SmartScanViewController::viewWillAppear() {
    const ScanCategory& first = CategoryTable::all().front();
    transitionItem();
    smart_item()->setText(scanText(CategoryTable::label(first)));
    stage_->image()->setPixmap(
        CategoryArtwork::image(QString::fromLatin1(first.image), 44, devicePixelRatioF()));
}

void SmartScanViewController::transitionItem() {
    smart_item()->addTransition(TransitionLabel::Kind::Fade, kItemFadeMs, Animator::easeInEaseOut());
}

void SmartScanViewController::transitionSize() {
    RingStage::moveInFromTop(smart_size());
    smart_size()->setText(formatByteCount(sharedCleaner->total_smart_size.load()));
}

double SmartScanViewController::ringFraction(const ScanCategory& category) {
    // The opening animation covers the first half; each announced category
    // then adds a step, the last filling the ring.
    const double steps = static_cast<double>(CategoryTable::kCount - 1);
    return 0.5 + 0.5 * static_cast<double>(category.index() - 1) / (steps - 1);
}

void SmartScanViewController::scan_category(const ScanCategory& category) {
    transitionItem();
    smart_item()->setText(scanText(CategoryTable::label(category)));
    transitionSize();
    // An absolute value; the opening animation must not overwrite it later.
    Animator::stop(progressView()->progress(), kOpeningKey);
    progressView()->progress()->setStrokeEnd(ringFraction(category));
    // The picture changes half-way through the name's fade, when the new
    // name shows. The results may follow the last step at once and keep the
    // main thread busy: a frame painted before that must pair the old name
    // with the old picture, not "Installation files" with the Trash.
    const QString image = QString::fromLatin1(category.image);
    Dispatch::main_after(lifetime(), std::chrono::milliseconds(kItemFadeMs / 2), [this, image] {
        stage_->image()->setPixmap(CategoryArtwork::image(image, 44, devicePixelRatioF()));
    });
}

} // namespace dovrel
