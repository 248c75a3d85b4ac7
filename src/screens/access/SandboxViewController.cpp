#include "screens/access/SandboxViewController.h"

#include "controls/Animator.h"
#include "controls/CellButton.h"
#include "controls/DVTShadowLabel.h"
#include "controls/RtlMirror.h"
#include "controls/VisualCleanButton.h"
#include "layout/HomeLayout.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/FolderPicker.h"
#include "platform/gui/UserAccount.h"
#include "platform/gui/Workspace.h"
#include "shell/FolderGrants.h"
#include "shell/NotificationNames.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QVariant>

namespace dovrel {

namespace {

constexpr QSize kStage(760, 480);
constexpr double kCloseSpeed = 12;
constexpr double kCloseBounciness = 4;

// A folder drawn in the window's blues, with a house or an app grid on it.
QPixmap folderArt(bool home, qreal dpr) {
    const QSize size(120, 96);
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath back;
    back.addRoundedRect(QRectF(6, 10, 108, 80), 10, 10);
    back.addRoundedRect(QRectF(6, 4, 46, 20), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x8b, 0xd6));
    p.drawPath(back.simplified());
    QLinearGradient front(0, 22, 0, 90);
    front.setColorAt(0, QColor(0x5a, 0xc8, 0xfa));
    front.setColorAt(1, QColor(0x2b, 0x9c, 0xf0));
    p.setBrush(front);
    p.drawRoundedRect(QRectF(6, 22, 108, 68), 10, 10);
    p.setPen(QPen(QColor(255, 255, 255, 230), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (home) {
        p.drawPolyline(QPolygonF({QPointF(44, 58), QPointF(60, 43), QPointF(76, 58)}));
        p.drawPolyline(QPolygonF({QPointF(49, 54), QPointF(49, 76), QPointF(71, 76), QPointF(71, 54)}));
    } else {
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRoundedRect(QRectF(40 + c * 15, 44 + r * 15, 10, 10), 3, 3);
    }
    return pixmap;
}

// A card for one folder; returns the line under its title.
QLabel* tile(QWidget* parent, bool home, const QString& title, const QString& detail, int x) {
    auto* box = new VisualCleanButton(parent);
    box->setGeometry(x, 0, 240, 170);
    box->setAccessibleName(title);
    auto* art = new QLabel(box);
    art->setPixmap(folderArt(home, parent->devicePixelRatioF()));
    art->setAccessibleName(title);
    art->setGeometry(60, 14, 120, 96);
    auto* name = new QLabel(title, box);
    name->setProperty("role", QStringLiteral("text"));
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(0, 114, 240, 22);
    auto* hint = new QLabel(detail, box);
    hint->setProperty("role", QStringLiteral("caption"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setGeometry(8, 138, 224, 20);
    return hint;
}

} // namespace

SandboxViewController::SandboxViewController(FolderPicker& picker, QWidget* parent)
    : Screen(parent), picker_(picker), stage_(new QWidget(this)) {
    setObjectName(QStringLiteral("SandboxViewController"));
    stage_->setFixedSize(kStage);

    label_ = new DVTShadowLabel(tr("Allow access to your folders"), stage_);
    label_->setProperty("role", QStringLiteral("title"));
    label_->setAlignment(Qt::AlignCenter);
    label_->setGeometry(0, 36, kStage.width(), 40);

    text_ = new QLabel(tr("Dovrel Cleaner looks for clutter only where you let it. Please choose your "
                          "home folder and the Applications folder."),
                       stage_);
    text_->setProperty("role", QStringLiteral("text"));
    text_->setAlignment(Qt::AlignCenter);
    text_->setWordWrap(true);
    text_->setGeometry(110, 84, 540, 48);

    directory_view_ = new QWidget(stage_);
    directory_view_->setGeometry(120, 150, 520, 170);
    const QString login = UserAccount::loginName();
    homeDetail_ = tile(directory_view_, true, tr("Home folder"), tr("the folder named “%1”").arg(login), 0);
    appsDetail_ =
        tile(directory_view_, false, tr("Applications"), tr("the folder named “Applications”"), 280);

    buttons_view_ = new QWidget(stage_);
    buttons_view_->setGeometry(120, 336, 520, 44);
    allowHome_ = new CellButton(ButtonCell::Kind::PushButtonCell, tr("Allow Home Folder"), buttons_view_);
    allowHome_->setObjectName(QStringLiteral("allowHome"));
    allowHome_->setGeometry(0, 2, 240, 40);
    allowApps_ =
        new CellButton(ButtonCell::Kind::PushButtonCell, tr("Allow Applications Folder"), buttons_view_);
    allowApps_->setObjectName(QStringLiteral("allowApps"));
    allowApps_->setGeometry(280, 2, 240, 40);
    connect(allowHome_, &QPushButton::clicked, this, &SandboxViewController::allow_home);
    connect(allowApps_, &QPushButton::clicked, this, &SandboxViewController::allow_applications);

    // Why a pick was refused; read out by screen readers when it changes.
    message_ = new QLabel(stage_);
    message_->setObjectName(QStringLiteral("message"));
    message_->setProperty("role", QStringLiteral("caption"));
    message_->setStyleSheet(QStringLiteral("color: #ffd479;"));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setGeometry(60, 382, 640, 36);
    message_->hide();

    info_text_ = new QWidget(stage_);
    info_text_->setGeometry(130, 424, 500, 28);
    help_ = new QPushButton(tr("Why does Dovrel Cleaner need access?"), info_text_);
    help_->setObjectName(QStringLiteral("help"));
    help_->setProperty("role", QStringLiteral("link"));
    help_->setFlat(true);
    help_->setCursor(Qt::PointingHandCursor);
    help_->setGeometry(0, 0, 500, 28);
    connect(help_, &QPushButton::clicked, this, &SandboxViewController::open_sandbox_webpage);

    setTabOrder(allowHome_, allowApps_);
    setTabOrder(allowApps_, help_);
    // Right to left, what is placed by arithmetic mirrors.
    for (QWidget* container :
         std::initializer_list<QWidget*>{stage_, directory_view_, buttons_view_, info_text_})
        RtlMirror::install(container);
}

QUrl SandboxViewController::sandboxWebpage() {
    return QUrl(QStringLiteral("https://www.halvik.com/applications/sandbox"));
}

void SandboxViewController::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    stage_->move((width() - kStage.width()) / 2, (height() - kStage.height()) / 2);
}

void SandboxViewController::askForApplications(bool ask) {
    asksForApplications_ = ask;
    appsDetail_->parentWidget()->setVisible(ask);
    allowApps_->setVisible(ask);
    const int homeX = ask ? 0 : 140;
    homeDetail_->parentWidget()->move(homeX, 0);
    allowHome_->move(homeX, allowHome_->y());
    text_->setText(ask ? tr("Dovrel Cleaner looks for clutter only where you let it. Please choose your "
                            "home folder and the Applications folder.")
                       : tr("Dovrel Cleaner looks for clutter only where you let it. Please choose your "
                            "home folder."));
}

void SandboxViewController::viewDidLoad() {
    app_settings = &Defaults::standard();
    const FolderGrants::State home = FolderGrants::state(*app_settings, FolderGrants::Kind::Home);
    const FolderGrants::State apps = FolderGrants::state(*app_settings, FolderGrants::Kind::Applications);
    const auto usable = [](const FolderGrants::State& s) {
        return s.status == Grant::Status::Resolved && s.rightName;
    };
    askForApplications(HomeLayout::needsApplicationsGrant(
        usable(home) ? *home.folder : UserAccount::homeDirectoryForUser(), *app_settings));
    if (usable(home))
        markGranted(Kind::Home, *home.folder);
    else if (usable(apps))
        markGranted(Kind::Applications, *apps.folder);
    // Return presses the first button still to be pressed.
    QPushButton* first = allowHome_->isEnabled() ? allowHome_ : allowApps_;
    setDefaultButton(first);
    first->setFocus();
}

void SandboxViewController::markGranted(Kind kind, const std::filesystem::path& folder) {
    QPushButton* button = kind == Kind::Home ? allowHome_ : allowApps_;
    button->setEnabled(false);
    button->setText(kind == Kind::Home ? tr("✓ Home Folder Allowed") : tr("✓ Applications Allowed"));
    QLabel* detail = kind == Kind::Home ? homeDetail_ : appsDetail_;
    const QString path = FolderGrants::displayPath(folder);
    detail->setText(detail->fontMetrics().elidedText(path, Qt::ElideMiddle, detail->width()));
    detail->setToolTip(path);
    detail->setAccessibleName(path);
    QPushButton* other = kind == Kind::Home ? allowApps_ : allowHome_;
    if (other->isEnabled()) {
        setDefaultButton(other);
        other->setFocus();
    }
}

QString SandboxViewController::message() const {
    return message_->isHidden() ? QString() : message_->text();
}

QString SandboxViewController::homeDetail() const {
    return homeDetail_->text();
}

QString SandboxViewController::appsDetail() const {
    return appsDetail_->text();
}

void SandboxViewController::showMessage(const QString& text) {
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
    if (!text.isEmpty()) {
        QAccessibleEvent changed(message_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void SandboxViewController::allow_home() {
    pick(Kind::Home);
}

void SandboxViewController::allow_applications() {
    pick(Kind::Applications);
}

void SandboxViewController::pick(Kind kind) {
    if (closing_)
        return;
    const FolderGrants::Kind grant =
        kind == Kind::Home ? FolderGrants::Kind::Home : FolderGrants::Kind::Applications;
    // The answer may come after this screen was replaced: then it is dropped.
    QPointer<QObject> alive = lifetime();
    picker_.pickFolder(this, FolderGrants::request(grant, app_settings),
                       [this, alive, kind](std::optional<std::filesystem::path> folder) {
                           if (alive)
                               picked(kind, folder);
                       });
}

void SandboxViewController::picked(Kind kind, const std::optional<std::filesystem::path>& folder) {
    if (!folder)
        return; // cancelled
    const FolderGrants::Kind grant =
        kind == Kind::Home ? FolderGrants::Kind::Home : FolderGrants::Kind::Applications;
    switch (FolderGrants::store(*app_settings, grant, *folder)) {
    case FolderGrants::Outcome::WrongFolder:
        showMessage(FolderGrants::refusal(grant, *folder));
        return;
    case FolderGrants::Outcome::NotGranted:
        showMessage(tr("“%1” cannot be opened as a folder. Please choose it again.")
                        .arg(FolderGrants::displayPath(*folder)));
        return;
    case FolderGrants::Outcome::Stored:
        break;
    }
    showMessage(QString());
    markGranted(kind, *folder);
    // A freedesktop home needs no Applications folder: its pick alone ends the screen.
    const bool homeOnly = kind == Kind::Home && !HomeLayout::needsApplicationsGrant(*folder, *app_settings);
    if (kind == Kind::Home && !homeOnly && !asksForApplications_)
        askForApplications(true);
    const FolderGrants::Kind other =
        kind == Kind::Home ? FolderGrants::Kind::Applications : FolderGrants::Kind::Home;
    if (!homeOnly && !Grant::resolve(*app_settings, FolderGrants::key(other)).resolved())
        return;
    // Scheduled before the animation starts: an animation that ends at once
    // releases this screen, which also drops the pending step.
    Dispatch::main_after(lifetime(), std::chrono::milliseconds(300), [this] { postHomeOnce(); });
    sandbox_end_anim();
}

void SandboxViewController::postHomeOnce() {
    if (homePosted_)
        return;
    homePosted_ = true;
    NotificationCenter::defaultCenter().post(
        QString::fromLatin1(NotificationNames::home_view_controller_for_launch));
}

void SandboxViewController::sandbox_end_anim() {
    if (closing_)
        return;
    closing_ = true;
    allowHome_->setEnabled(false);
    allowApps_->setEnabled(false);

    const auto out = [](QWidget* view, int dy) { return QPoint(view->x(), view->y() + dy); };
    Animator::spring(label_, "pos", label_->pos(), out(label_, -240), kCloseSpeed, kCloseBounciness);
    Animator::spring(text_, "pos", text_->pos(), out(text_, -240), kCloseSpeed, kCloseBounciness);
    Animator::spring(directory_view_, "pos", directory_view_->pos(), out(directory_view_, 520), kCloseSpeed,
                     kCloseBounciness);
    Animator::spring(buttons_view_, "pos", buttons_view_->pos(), out(buttons_view_, 520), kCloseSpeed,
                     kCloseBounciness);
    message_->hide();
    QPointer<QObject> alive = lifetime();
    Animator::spring(info_text_, "pos", info_text_->pos(), out(info_text_, 520), kCloseSpeed,
                     kCloseBounciness, [this, alive] {
                         if (!alive)
                             return;
                         // The home screen must be under the overlay before it is cleared.
                         postHomeOnce();
                         NotificationCenter::defaultCenter().post(
                             QString::fromLatin1(NotificationNames::sandbox_end_anim_complete));
                     });
}

void SandboxViewController::open_sandbox_webpage() {
    if (helpBox_) {
        helpBox_->raise();
        return;
    }
    auto* box =
        new QMessageBox(QMessageBox::Information, tr("Why Dovrel Cleaner needs access"),
                        tr("Dovrel Cleaner only reads the folders you allow."), QMessageBox::Close, this);
    box->setInformativeText(
        asksForApplications_
            ? tr("It looks for caches, logs, leftovers of removed applications, browser data, mail "
                 "attachments, "
                 "installers and the Trash inside your home folder. It reads the Applications folder to "
                 "learn "
                 "which applications are still installed, so that what they keep is never taken for a "
                 "leftover. Nothing is removed until you have chosen it and pressed the remove button.")
            : tr("It looks for caches, logs, leftovers of removed applications, browser data, mail "
                 "attachments, "
                 "installers and the Trash inside your home folder. It learns which applications are still "
                 "installed from the system's application list, so that what they keep is never taken for a "
                 "leftover. Nothing is removed until you have chosen it and pressed the remove button."));
    QPushButton* web = box->addButton(tr("Open Web Page"), QMessageBox::ActionRole);
    box->setDefaultButton(QMessageBox::Close);
    box->setEscapeButton(QMessageBox::Close);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    QPointer<QObject> alive = lifetime();
    connect(box, &QMessageBox::buttonClicked, this, [this, alive, web](QAbstractButton* clicked) {
        if (clicked != web || !alive)
            return;
        if (!Workspace::openURL(sandboxWebpage()))
            showMessage(
                tr("No web browser could be opened. The page is at %1.").arg(sandboxWebpage().toString()));
    });
    helpBox_ = box;
    box->open();
}

} // namespace dovrel
