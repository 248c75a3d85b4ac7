#include "screens/cleanup/CleanedViewController.h"

#include "controls/Animator.h"
#include "controls/ApplicationsScroller.h"
#include "controls/CellButton.h"
#include "controls/RtlMirror.h"
#include "controls/SmallWaitProgress.h"
#include "controls/TransitionLabel.h"
#include "engine/Cleaner.h"
#include "fs/RemovalReport.h"
#include "platform/ByteCountFormatter.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/SystemVersion.h"
#include "shell/AppDelegate.h"
#include "shell/NotificationNames.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace dovrel {

namespace {

constexpr QSize kStage(760, 480);
constexpr int kImage = 72;
constexpr int kListHeight = 150;
constexpr int kColumn = 560;
constexpr double kOpeningSpeed = 20;
constexpr double kOpeningBounciness = 16;
const QString kOpeningKey = QStringLiteral("opening");

// A round badge with a tick, in the window's dark look.
QPixmap badge(int side, qreal dpr) {
    QPixmap pixmap(QSize(side, side) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, side - 4, side - 4);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(0x3d, 0xe0, 0x8a));
    fill.setColorAt(1, QColor(0x12, 0xa8, 0x5c));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(r);
    QPainterPath tick;
    tick.moveTo(side * 0.29, side * 0.52);
    tick.lineTo(side * 0.44, side * 0.67);
    tick.lineTo(side * 0.72, side * 0.37);
    p.setPen(QPen(Qt::white, side * 0.085, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return pixmap;
}

} // namespace

CleanedViewController::CleanedViewController(std::function<Cleaner*()> cleaner, QWidget* parent)
    : Screen(parent), cleanerProvider_(std::move(cleaner)), stage_(new QWidget(this)) {
    setObjectName(QStringLiteral("CleanedViewController"));
    stage_->setFixedSize(kStage);

    imageview_ = new QLabel(stage_);
    imageview_->setObjectName(QStringLiteral("imageview"));
    imageview_->setAlignment(Qt::AlignCenter);
    imageview_->setAccessibleName(tr("Cleanup finished"));

    // The figure and its line sit in one box placed by layoutStage(); the
    // opening animation moves them inside it.
    headline_ = new QWidget(stage_);
    was_cleaned_size_ = new TransitionLabel(headline_);
    was_cleaned_size_->setObjectName(QStringLiteral("was_cleaned_size"));
    was_cleaned_size_->setAlignment(Qt::AlignCenter);
    was_cleaned_size_->setStyleSheet(QStringLiteral("color: white; font-size: 44px; font-weight: 600;"));

    label_ = new QLabel(tr("cleaned from your home folder"), headline_);
    label_->setObjectName(QStringLiteral("label"));
    label_->setProperty("role", QStringLiteral("text"));
    label_->setAlignment(Qt::AlignCenter);

    status_ = new QLabel(tr("Still removing the last files..."), stage_);
    status_->setObjectName(QStringLiteral("status"));
    status_->setProperty("role", QStringLiteral("caption"));
    status_->setAlignment(Qt::AlignCenter);
    status_->hide();
    // Turns beside the line while the removal goes on.
    statusSpinner_ = new SmallWaitProgress(stage_);
    statusSpinner_->setObjectName(QStringLiteral("statusSpinner"));
    statusSpinner_->hide();

    failures_ = new QLabel(stage_);
    failures_->setObjectName(QStringLiteral("failures"));
    failures_->setStyleSheet(QStringLiteral("color: #ffd479; font-size: 13px;"));
    failures_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    failures_->hide();

    failureListButton_ = new CellButton(ButtonCell::Kind::LigthTitleButtonCell, tr("Show List"), stage_);
    failureListButton_->setObjectName(QStringLiteral("failureListButton"));
    failureListButton_->setCursor(Qt::PointingHandCursor);
    failureListButton_->hide();
    connect(failureListButton_, &QPushButton::clicked, this,
            [this] { setFailureListShown(failureList_->isHidden()); });

    failureList_ = new QTreeWidget(stage_);
    failureList_->setObjectName(QStringLiteral("failureList"));
    failureList_->setColumnCount(2);
    failureList_->setHeaderLabels({tr("Location"), tr("Reason")});
    failureList_->setRootIsDecorated(false);
    failureList_->setUniformRowHeights(true);
    failureList_->setSelectionMode(QAbstractItemView::NoSelection);
    failureList_->setFocusPolicy(Qt::NoFocus);
    failureList_->setTextElideMode(Qt::ElideMiddle);
    failureList_->setVerticalScrollBar(new ApplicationsScroller(Qt::Vertical, failureList_));
    failureList_->header()->setStretchLastSection(true);
    failureList_->setColumnWidth(0, 330);
    failureList_->setStyleSheet(QStringLiteral(
        "QTreeWidget { background: rgba(40, 41, 48, 0.7); color: #e8e9f0; border: 1px solid "
        "rgba(255, 255, 255, 0.12); border-radius: 8px; padding: 2px 4px; }"
        "QTreeWidget::item { padding: 3px 2px; }"
        "QHeaderView { background: transparent; }"
        "QHeaderView::section { background: transparent; color: rgba(255, 255, 255, 0.6); border: none; "
        "border-bottom: 1px solid rgba(255, 255, 255, 0.12); padding: 4px 2px; font-size: 12px; }"));
    failureList_->hide();

    search_button_ = new CellButton(ButtonCell::Kind::CleanButtonCell, tr("Scan Again"), stage_);
    search_button_->setObjectName(QStringLiteral("search_button"));
    search_button_->setCursor(Qt::PointingHandCursor);
    connect(search_button_, &QPushButton::clicked, this, &CleanedViewController::find_now);

    done_button_ = new CellButton(ButtonCell::Kind::PushButtonCell, tr("Done"), stage_);
    done_button_->setObjectName(QStringLiteral("done_button"));
    done_button_->setCursor(Qt::PointingHandCursor);
    connect(done_button_, &QPushButton::clicked, this, &CleanedViewController::done);
    // Return leads home; Tab goes to the other controls.
    setDefaultButton(done_button_);
    setFocusProxy(done_button_);

    was_cleaned_size_->setGeometry(0, 0, kColumn, 56);
    label_->setGeometry(0, 56, kColumn, 24);
    layoutStage();
    // Right to left, what is placed by arithmetic mirrors.
    for (QWidget* container : std::initializer_list<QWidget*>{stage_, headline_})
        RtlMirror::install(container);
}

void CleanedViewController::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    stage_->move((width() - kStage.width()) / 2, (height() - kStage.height()) / 2);
}

void CleanedViewController::viewDidLoad() {
    appDelegate = AppDelegate::shared();
    sharedCleaner = cleanerProvider_ ? cleanerProvider_() : Cleaner::sharedCleaner();

    was_cleaned_size_->setText(formatByteCountInList(sharedCleaner->wasCleaned));
    // The window's dark look is the newer systems' branch; older ones showed
    // the application's icon instead.
    const QIcon icon = QApplication::windowIcon();
    if (SystemVersion::isAtLeast(10, 14) || icon.isNull())
        imageview_->setPixmap(badge(kImage, devicePixelRatioF()));
    else
        imageview_->setPixmap(icon.pixmap(kImage, kImage));

    CleanupRun& run = CleanupRun::shared();
    const CleanupRun::Id id = run.lastStarted();
    status_->setVisible(id != 0 && !run.report(id) && run.isRunning());
    statusSpinner_->setVisible(!status_->isHidden());
    layoutStage();
    // Opening: the figure and its line rise into place.
    for (QWidget* w : {static_cast<QWidget*>(was_cleaned_size_), static_cast<QWidget*>(label_)})
        Animator::spring(w, "pos", w->pos() + QPoint(0, 26), w->pos(), kOpeningSpeed, kOpeningBounciness, {},
                         kOpeningKey);
    // At once when the report is there already; else when it arrives, while
    // this screen lives.
    run.whenFinished(id, lifetime(), [this](const RemovalReport& report) { showReport(report); });
}

void CleanedViewController::showReport(const RemovalReport& report) {
    // Moving into the Trash frees nothing yet: the figure is what emptying
    // it will free, and the line says so.
    const bool moved = std::any_of(report.outcomes.begin(), report.outcomes.end(),
                                   [](const RemovalOutcome& o) { return o.movedToTrash; });
    const QString freed = formatByteCountInList(moved ? report.bytesMovedToTrash : report.bytesFreed);
    if (!moved)
        label_->setText(tr("cleaned from your home folder"));
    else if (report.bytesFreed == 0)
        label_->setText(tr("moved to the Trash, freed when it is emptied"));
    else
        label_->setText(tr("moved to the Trash, freed when it is emptied; %1 removed for good")
                            .arg(formatByteCountInList(report.bytesFreed)));
    if (freed != was_cleaned_size_->text()) {
        was_cleaned_size_->addTransition(TransitionLabel::Kind::MoveInFromTop, 300,
                                         Animator::easeInEaseOut());
        was_cleaned_size_->setText(freed);
    }
    status_->hide();
    statusSpinner_->hide();

    failureList_->clear();
    int count = 0;
    for (const RemovalOutcome& outcome : report.outcomes) {
        if (outcome.done())
            continue;
        ++count;
        auto* row = new QTreeWidgetItem(failureList_);
        const QString full = QString::fromUtf8(outcome.location.native().data(),
                                               static_cast<qsizetype>(outcome.location.native().size()));
        row->setText(0, displayed(outcome.location));
        row->setToolTip(0, full);
        const QString reason =
            QString::fromUtf8(outcome.reason.data(), static_cast<qsizetype>(outcome.reason.size()));
        row->setText(1, reason);
        row->setToolTip(1, reason);
    }
    failures_->setText(count == 1 ? tr("1 location could not be removed.")
                                  : tr("%1 locations could not be removed.").arg(count));
    failures_->setVisible(count > 0);
    failureListButton_->setVisible(count > 0);
    if (count == 0)
        failureList_->hide();
    layoutStage();
}

void CleanedViewController::setFailureListShown(bool shown) {
    failureList_->setVisible(shown && failureList_->topLevelItemCount() > 0);
    failureListButton_->setText(failureList_->isVisible() ? tr("Hide List") : tr("Show List"));
    layoutStage();
}

// Shown relative to the home folder where it lies below it; lossy for names
// that are not UTF-8 (display only).
QString CleanedViewController::displayed(const std::filesystem::path& location) const {
    const std::string& path = location.native();
    if (sharedCleaner && sharedCleaner->url_home) {
        const std::string& home = sharedCleaner->url_home->native();
        if (!home.empty() && path.size() > home.size() && path.compare(0, home.size(), home) == 0 &&
            (path[home.size()] == '/' || home.back() == '/')) {
            const std::string rest = path.substr(home.size() + (path[home.size()] == '/' ? 1 : 0));
            return QStringLiteral("~/") + QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));
        }
    }
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

// One centred column; the failure line and the list take room only when
// shown.
QWidget* CleanedViewController::statusSpinner() const {
    return statusSpinner_;
}

void CleanedViewController::layoutStage() {
    struct Row {
        QWidget* widget;
        int height;
        int gap; // above
    };
    const bool failuresShown = !failures_->isHidden();
    const bool listShown = !failureList_->isHidden();
    std::vector<Row> rows = {{imageview_, kImage, 0}, {headline_, 80, 14}};
    if (!status_->isHidden())
        rows.push_back({status_, 20, 6});
    if (failuresShown)
        rows.push_back({failures_, 24, 14});
    if (listShown)
        rows.push_back({failureList_, kListHeight, 8});
    rows.push_back({done_button_, 38, 28});
    int total = 0;
    for (const Row& r : rows)
        total += r.gap + r.height;
    int y = (kStage.height() - total) / 2;
    const int column = kColumn;
    const int left = (kStage.width() - column) / 2;
    for (const Row& r : rows) {
        y += r.gap;
        if (r.widget == done_button_) {
            search_button_->setGeometry(kStage.width() / 2 - 8 - 140, y, 140, r.height);
            done_button_->setGeometry(kStage.width() / 2 + 8, y, 140, r.height);
        } else if (r.widget == imageview_) {
            imageview_->setGeometry((kStage.width() - kImage) / 2, y, kImage, kImage);
        } else if (r.widget == status_) {
            // The spinner and the line, centred together.
            const QSize spinner = statusSpinner_->sizeHint();
            const int textWidth = std::min(status_->sizeHint().width(), column);
            const int x = (kStage.width() - spinner.width() - 6 - textWidth) / 2;
            statusSpinner_->setGeometry(x, y + (r.height - spinner.height()) / 2, spinner.width(),
                                        spinner.height());
            status_->setGeometry(x + spinner.width() + 6, y, textWidth, r.height);
        } else if (r.widget == failures_) {
            // The line and its link button, centred together.
            const int linkWidth = failureListButton_->sizeHint().width();
            const int textWidth = failures_->sizeHint().width();
            const int x = (kStage.width() - textWidth - 8 - linkWidth) / 2;
            failures_->setGeometry(x, y, textWidth, r.height);
            failureListButton_->setGeometry(x + textWidth + 8, y, linkWidth, r.height);
        } else {
            r.widget->setGeometry(left, y, column, r.height);
        }
        y += r.height;
    }
}

void CleanedViewController::done() {
    NotificationCenter::defaultCenter().post(QString::fromLatin1(NotificationNames::home_view_controller));
}

void CleanedViewController::find_now() {
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.post(QString::fromLatin1(NotificationNames::home_end_anim_complete));
    center.post(QString::fromLatin1(NotificationNames::smart_scan_view_controller));
}

} // namespace dovrel
