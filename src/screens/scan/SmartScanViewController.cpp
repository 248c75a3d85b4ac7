#include "screens/scan/SmartScanViewController.h"

#include "controls/Animator.h"
#include "controls/CategoryArtwork.h"
#include "controls/ProgressRing.h"
#include "controls/SmartProgressView.h"
#include "controls/TransitionLabel.h"
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

    using N = NotificationNames;
    NotificationCenter& center = NotificationCenter::defaultCenter();
    QObject* owner = lifetime();
    center.addObserver(owner, QString::fromLatin1(N::smart_scan_logs), [this] { scan_logs(); });
    center.addObserver(owner, QString::fromLatin1(N::smart_scan_remainders), [this] { scan_remainders(); });
    center.addObserver(owner, QString::fromLatin1(N::smart_scan_browsers), [this] { scan_browsers(); });
    center.addObserver(owner, QString::fromLatin1(N::smart_scan_mails), [this] { scan_mails(); });
    center.addObserver(owner, QString::fromLatin1(N::smart_scan_installs), [this] { scan_installs(); });
    center.addObserver(owner, QString::fromLatin1(N::smart_scan_trash), [this] { scan_trash(); });

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
    transitionItem();
    smart_item()->setText(scanText(tr("Applications caches")));
    stage_->image()->setPixmap(
        CategoryArtwork::image(QStringLiteral("Smart cache"), 44, devicePixelRatioF()));
}

void SmartScanViewController::transitionItem() {
    smart_item()->addTransition(TransitionLabel::Kind::Fade, 100, Animator::easeInEaseOut());
}

void SmartScanViewController::transitionSize() {
    RingStage::moveInFromTop(smart_size());
    smart_size()->setText(formatByteCount(sharedCleaner->total_smart_size.load()));
}

void SmartScanViewController::step(const QString& category, const QString& image, double fraction) {
    transitionItem();
    smart_item()->setText(scanText(category));
    transitionSize();
    // An absolute value; the opening animation must not overwrite it later.
    Animator::stop(progressView()->progress(), kOpeningKey);
    progressView()->progress()->setStrokeEnd(fraction);
    stage_->image()->setPixmap(CategoryArtwork::image(image, 44, devicePixelRatioF()));
}

void SmartScanViewController::scan_logs() {
    step(tr("Applications logs"), QStringLiteral("Smart logs"), 0.5);
}
void SmartScanViewController::scan_remainders() {
    step(tr("Applications remainders"), QStringLiteral("Smart remainders"), 0.6);
}
void SmartScanViewController::scan_browsers() {
    step(tr("Browsers"), QStringLiteral("Smart browsers"), 0.7);
}
void SmartScanViewController::scan_mails() {
    step(tr("Mail attachments"), QStringLiteral("Smart mails"), 0.8);
}
void SmartScanViewController::scan_installs() {
    step(tr("Installation files"), QStringLiteral("Smart installs"), 0.9);
}
void SmartScanViewController::scan_trash() {
    step(tr("Trash Bin"), QStringLiteral("Smart trash"), 1.0);
}

} // namespace dovrel
