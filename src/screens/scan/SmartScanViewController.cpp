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

constexpr QSize kStage(760, 480);
const QString kOpeningKey = QStringLiteral("opening");

} // namespace

SmartScanViewController::SmartScanViewController(std::function<Cleaner*()> cleaner, QWidget* parent)
    : Screen(parent), cleanerProvider_(std::move(cleaner)), stage_(new QWidget(this)) {
    setObjectName(QStringLiteral("SmartScanViewController"));
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

    caption_ = new QLabel(lookingText(), stage_);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setProperty("role", QStringLiteral("caption"));
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setGeometry(80, 70 + ring.height() + 64, kStage.width() - 160, 22);
}

void SmartScanViewController::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    stage_->move((width() - kStage.width()) / 2, (height() - kStage.height()) / 2);
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

    Animator::basic(progressView_->progress(), "strokeEnd", QVariant(), 0.5, 3000, Animator::easeOut(), {},
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
    smart_item_->setText(scanText(tr("Applications caches")));
    image_->setPixmap(CategoryArtwork::image(QStringLiteral("Smart cache"), 44, devicePixelRatioF()));
}

void SmartScanViewController::transitionItem() {
    smart_item_->addTransition(TransitionLabel::Kind::Fade, 100, Animator::easeInEaseOut());
}

void SmartScanViewController::transitionSize() {
    smart_size_->addTransition(TransitionLabel::Kind::MoveInFromTop, 300, Animator::easeInEaseOut());
    smart_size_->setText(formatByteCount(sharedCleaner->total_smart_size.load()));
}

void SmartScanViewController::step(const QString& category, const QString& image, double fraction) {
    transitionItem();
    smart_item_->setText(scanText(category));
    transitionSize();
    // An absolute value; the opening animation must not overwrite it later.
    Animator::stop(progressView_->progress(), kOpeningKey);
    progressView_->progress()->setStrokeEnd(fraction);
    image_->setPixmap(CategoryArtwork::image(image, 44, devicePixelRatioF()));
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
