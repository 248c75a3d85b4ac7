#include "screens/access/SandboxViewController.h"

#include "controls/Animator.h"
#include "layout/HomeLayout.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/FolderPicker.h"
#include "platform/gui/UserAccount.h"
#include "platform/gui/Workspace.h"
#include "shell/NotificationNames.h"

#include <QLabel>
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

// The last component of a picked folder, ignoring a trailing separator.
QByteArray folderName(const std::filesystem::path& folder) {
    std::filesystem::path p = folder;
    if (p.filename().empty() && p.has_parent_path())
        p = p.parent_path();
    return QByteArray::fromStdString(p.filename().native());
}

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

QWidget* tile(QWidget* parent, bool home, const QString& title, const QString& detail, int x) {
    auto* box = new QFrame(parent);
    box->setProperty("role", QStringLiteral("panel"));
    box->setGeometry(x, 0, 240, 170);
    auto* art = new QLabel(box);
    art->setPixmap(folderArt(home, parent->devicePixelRatioF()));
    art->setGeometry(60, 14, 120, 96);
    auto* name = new QLabel(title, box);
    name->setProperty("role", QStringLiteral("text"));
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(0, 114, 240, 22);
    auto* hint = new QLabel(detail, box);
    hint->setProperty("role", QStringLiteral("caption"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setGeometry(0, 138, 240, 20);
    return box;
}

} // namespace

SandboxViewController::SandboxViewController(FolderPicker& picker, QWidget* parent)
    : Screen(parent), picker_(picker), stage_(new QWidget(this)) {
    setObjectName(QStringLiteral("SandboxViewController"));
    stage_->setFixedSize(kStage);

    label_ = new QLabel(tr("Allow access to your folders"), stage_);
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
    tile(directory_view_, true, tr("Home folder"), tr("the folder named “%1”").arg(login), 0);
    tile(directory_view_, false, tr("Applications"), tr("the folder named “Applications”"), 280);

    buttons_view_ = new QWidget(stage_);
    buttons_view_->setGeometry(120, 336, 520, 44);
    allowHome_ = new QPushButton(tr("Allow Home Folder"), buttons_view_);
    allowHome_->setObjectName(QStringLiteral("allowHome"));
    allowHome_->setProperty("role", QStringLiteral("primary"));
    allowHome_->setGeometry(0, 2, 240, 40);
    allowApps_ = new QPushButton(tr("Allow Applications Folder"), buttons_view_);
    allowApps_->setObjectName(QStringLiteral("allowApps"));
    allowApps_->setProperty("role", QStringLiteral("primary"));
    allowApps_->setGeometry(280, 2, 240, 40);
    connect(allowHome_, &QPushButton::clicked, this, &SandboxViewController::allow_home);
    connect(allowApps_, &QPushButton::clicked, this, &SandboxViewController::allow_applications);

    info_text_ = new QLabel(stage_);
    info_text_->setProperty("role", QStringLiteral("caption"));
    info_text_->setAlignment(Qt::AlignCenter);
    info_text_->setTextFormat(Qt::RichText);
    info_text_->setText(
        QStringLiteral("<a style=\"color:#7cc8ff; text-decoration:none\" href=\"help\">%1</a>")
            .arg(tr("Why does Dovrel Cleaner need access?").toHtmlEscaped()));
    info_text_->setGeometry(130, 404, 500, 24);
    connect(info_text_, &QLabel::linkActivated, this, [this] { open_sandbox_webpage(); });
}

QUrl SandboxViewController::sandboxWebpage() {
    return QUrl(QStringLiteral("https://www.halvik.com/applications/sandbox"));
}

void SandboxViewController::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    stage_->move((width() - kStage.width()) / 2, (height() - kStage.height()) / 2);
}

void SandboxViewController::viewDidLoad() {
    app_settings = &Defaults::standard();
    const Grant::Resolution home = Grant::resolve(*app_settings, QString::fromLatin1(Grant::kHomeKey));
    const Grant::Resolution apps =
        Grant::resolve(*app_settings, QString::fromLatin1(Grant::kApplicationsKey));
    if (home.resolved() && home.status != Grant::Status::Stale &&
        folderName(*home.folder) == UserAccount::loginName().toLocal8Bit())
        markGranted(allowHome_);
    else if (apps.resolved() && apps.status != Grant::Status::Stale &&
             folderName(*apps.folder) == "Applications")
        markGranted(allowApps_);
}

void SandboxViewController::markGranted(QPushButton* button) {
    button->setEnabled(false);
    button->setText(button == allowHome_ ? tr("✓ Home Folder Allowed") : tr("✓ Applications Allowed"));
}

void SandboxViewController::allow_home() {
    pick({QString::fromLatin1(Grant::kHomeKey), QString::fromLatin1(Grant::kApplicationsKey),
          UserAccount::loginName().toLocal8Bit(), allowHome_},
         UserAccount::homeDirectoryForUser());
}

void SandboxViewController::allow_applications() {
    pick({QString::fromLatin1(Grant::kApplicationsKey), QString::fromLatin1(Grant::kHomeKey),
          QByteArray("Applications"), allowApps_},
         UserAccount::localApplicationsDirectory().value_or(UserAccount::homeDirectoryForUser()));
}

void SandboxViewController::pick(const Target& target, const std::filesystem::path& start) {
    if (closing_)
        return;
    FolderPicker::Request request;
    request.title = tr("Allow access");
    request.prompt = tr("Allow");
    request.startFolder = start;
    // The answer may come after this screen was replaced: then it is dropped.
    QPointer<QObject> alive = lifetime();
    picker_.pickFolder(this, request, [this, alive, target](std::optional<std::filesystem::path> folder) {
        if (alive)
            picked(target, folder);
    });
}

void SandboxViewController::picked(const Target& target, const std::optional<std::filesystem::path>& folder) {
    if (!folder)
        return; // cancelled
    // The pick is stored whatever it is; a folder that cannot be granted
    // removes the old value so the next launch asks again.
    const std::optional<QByteArray> grant = Grant::create(*folder);
    if (grant)
        app_settings->setData(target.key, *grant);
    else
        app_settings->removeObjectForKey(target.key);
    app_settings->synchronize();

    if (!grant || folderName(*folder) != target.expected)
        return;
    markGranted(target.button);
    // A freedesktop home needs no Applications folder: its pick alone ends the screen.
    const bool homeOnly =
        target.button == allowHome_ && !HomeLayout::needsApplicationsGrant(*folder, *app_settings);
    if (!homeOnly && !Grant::resolve(*app_settings, target.otherKey).resolved())
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
    Workspace::openURL(sandboxWebpage());
}

} // namespace dovrel
