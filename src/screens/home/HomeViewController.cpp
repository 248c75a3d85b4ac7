#include "screens/home/HomeViewController.h"

#include "controls/Animator.h"
#include "controls/CategoryArtwork.h"
#include "controls/DVTShadowLabel.h"
#include "controls/RtlMirror.h"
#include "controls/ScanButton.h"
#include "controls/TextFit.h"
#include "fs/DirectoryReader.h"
#include "fs/UniqueFd.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/SystemVersion.h"
#include "screens/access/FullDiskAccessCheck.h"
#include "shell/NotificationNames.h"

#include <QLabel>

#include <fcntl.h>
#include <unistd.h>

namespace dovrel {

namespace {

constexpr QSize kStage(760, 480);
constexpr double kOpeningSpeed = 20;
constexpr double kOpeningBounciness = 16;

// Lists one folder a single level deep and forgets what it saw. Only a
// directory is ever opened.
void listOnce(const std::filesystem::path& folder) {
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK));
    if (!fd)
        return;
    DirectoryReader reader(fd.get());
    DirectoryReader::Entry entry{};
    while (reader.next(entry)) {
    }
}

} // namespace

const char* const HomeViewController::kProbeFolders[4] = {"Desktop", "Downloads", "Documents",
                                                          "Pictures/Photos Library.photoslibrary"};

HomeViewController::HomeViewController(QWidget* parent) : Screen(parent), stage_(new QWidget(this)) {
    setObjectName(QStringLiteral("HomeViewController"));
    stage_->setFixedSize(kStage);

    // Each label sits in its own container; the opening springs move them
    // horizontally inside it.
    titleBox_ = new QWidget(stage_);
    titleBox_->setGeometry(40, 150, 400, 52);
    label_ = new DVTShadowLabel(tr("Time for a clean-up"), titleBox_);
    label_->setProperty("role", QStringLiteral("title"));
    label_->setGeometry(19, 6, 370, 40);
    TextFit::shrinkToWidth(label_);

    textBox_ = new QWidget(stage_);
    textBox_->setGeometry(-3, 206, 440, 100);
    text_ = new QLabel(tr("Smart Scan looks through caches, logs, leftovers of removed applications, "
                          "browser data, mail attachments, installers and the Trash."),
                       textBox_);
    text_->setProperty("role", QStringLiteral("text"));
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setGeometry(62, 0, 340, 90);

    // What a scan looks through, as a row of the category images.
    const QStringList categories = CategoryArtwork::names();
    const QStringList titles = categoryTitles();
    for (int i = 0; i < categories.size(); ++i) {
        auto* icon = new QLabel(stage_);
        icon->setObjectName(categories.at(i));
        icon->setPixmap(CategoryArtwork::image(categories.at(i), 30, devicePixelRatioF()));
        icon->setGeometry(59 + i * 40, 320, 30, 30);
        const QString title = titles.value(i);
        icon->setToolTip(title);
        icon->setAccessibleName(title);
    }

    scan_ = new ScanButton(stage_);
    scan_->setObjectName(QStringLiteral("scan"));
    scan_->setText(tr("Scan"));
    scan_->setGeometry(480, 130, 200, 200);
    scan_->setFocusPolicy(Qt::StrongFocus);
    scan_->setAccessibleName(tr("Scan"));
    scan_->setAccessibleDescription(tr("Starts a smart scan"));
    connect(scan_, &ScanButton::clicked, this, &HomeViewController::search);
    // Return starts the scan, as Space on the focused button does.
    setDefaultButton(scan_);
    setFocusProxy(scan_);
    // Right to left, the stage and the boxes the labels move in mirror.
    for (QWidget* container : {stage_, titleBox_, textBox_})
        RtlMirror::install(container);
}

QStringList HomeViewController::categoryTitles() {
    return {tr("Applications caches"),
            tr("Applications logs"),
            tr("Applications remainders"),
            tr("Browsers"),
            tr("Mail attachments"),
            tr("Installation files"),
            tr("Trash Bin")};
}

void HomeViewController::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    stage_->move((width() - kStage.width()) / 2, (height() - kStage.height()) / 2);
}

void HomeViewController::viewDidLoad() {
    app_settings = &Defaults::standard();
    Animator::spring(label_, "pos", QPoint(-10, label_->y()), QPoint(19, label_->y()), kOpeningSpeed,
                     kOpeningBounciness);
    Animator::spring(text_, "pos", QPoint(82, text_->y()), QPoint(62, text_->y()), kOpeningSpeed,
                     kOpeningBounciness);
}

void HomeViewController::viewDidAppear() {
    scan_->setFocus();
    if (SystemVersion::isAtLeast(10, 14)) {
        probeStartedNow_ = !app_settings->boolForKey(QStringLiteral("PrivacyAccess"));
        if (probeStartedNow_)
            privacy_for_directories();
        privacy_full_disk_access();
        probeStartedNow_ = false;
    }
    const std::int64_t launches = app_settings->integerForKey(QStringLiteral("appLaunchCount"));
    const bool answered = app_settings->boolForKey(QStringLiteral("EnableScheduler"));
    const bool on = app_settings->boolForKey(QStringLiteral("Scheduler"));
    if (launches >= 5 && !answered && !on)
        Dispatch::main_after(lifetime(), std::chrono::milliseconds(1500),
                             [this] { presentSchedulerOffer(); });
}

void HomeViewController::search() {
    NotificationCenter::defaultCenter().post(
        QString::fromLatin1(NotificationNames::smart_scan_view_controller));
}

void HomeViewController::privacy_for_directories() {
    const Grant::Resolution home = Grant::resolve(*app_settings, QString::fromLatin1(Grant::kHomeKey));
    std::optional<std::filesystem::path> folder = home.folder;
    Defaults* settings = app_settings;
    // The listings only make the system ask for access; what they find, and
    // whether they fail, does not matter.
    Dispatch::global_async([folder, settings] {
        if (folder)
            for (const char* name : kProbeFolders)
                listOnce(*folder / name);
        settings->setBool(QStringLiteral("PrivacyAccess"), true);
        settings->synchronize();
    });
}

void HomeViewController::privacy_full_disk_access() {
    switch (FullDiskAccessCheck::run(*app_settings)) {
    case FullDiskAccessCheck::Outcome::Denied: {
        // A probe started by this appearance counts as not done yet, even if
        // its worker was quick enough to record it already.
        const bool probed = !probeStartedNow_ && app_settings->boolForKey(QStringLiteral("PrivacyAccess"));
        Dispatch::main_after(lifetime(), std::chrono::milliseconds(probed ? 0 : 4000),
                             [this] { openPrivacyWindow(); });
        app_settings->setBool(QStringLiteral("PrivacyFullDisk"), false);
        app_settings->synchronize();
        break;
    }
    case FullDiskAccessCheck::Outcome::Granted:
        app_settings->setBool(QStringLiteral("PrivacyFullDisk"), true);
        app_settings->synchronize();
        break;
    case FullDiskAccessCheck::Outcome::Undecided:
        break;
    }
}

void HomeViewController::openPrivacyWindow() {
    std::unique_ptr<Screen> made =
        storyboard().instantiateControllerWithIdentifier(QStringLiteral("PrivacyFullDiskAccess"));
    if (!made)
        return;
    made->loadViewIfNeeded();
    privacy_windowcontroller_ = std::move(made);
    // The window controller is a window of its own (it has no parent).
    privacy_windowcontroller_->show();
    privacy_windowcontroller_->raise();
    privacy_windowcontroller_->activateWindow();
}

void HomeViewController::presentSchedulerOffer() {
    presentViewControllerAsSheet(
        storyboard().instantiateControllerWithIdentifier(QStringLiteral("EnableScheduler")));
}

} // namespace dovrel
