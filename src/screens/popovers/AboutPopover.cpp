#include "screens/popovers/AboutPopover.h"

#include "controls/CellButton.h"
#include "controls/DVTShadowLabel.h"
#include "controls/Popover.h"
#include "engine/Cleaner.h"
#include "fs/PathOps.h"
#include "platform/gui/HexColor.h"
#include "platform/gui/Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace dovrel {

namespace {

constexpr int kWidth = 300;

} // namespace

AboutPopover::AboutPopover(const QString& title, const QString& text, const QString& buttonTitle,
                           std::function<Cleaner*()> cleaner, QWidget* parent)
    : Screen(parent), cleaner_(std::move(cleaner)), title_(new DVTShadowLabel(title, this)),
      text_(new QLabel(text, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(8);

    title_->setObjectName(QStringLiteral("title"));
    title_->setStyleSheet(QStringLiteral("color: white; font-size: 15px; font-weight: 600;"));
    layout->addWidget(title_);

    text_->setObjectName(QStringLiteral("text"));
    text_->setWordWrap(true);
    text_->setStyleSheet(QStringLiteral("color: rgba(255,255,255,0.8); font-size: 13px;"));
    layout->addWidget(text_);

    if (!buttonTitle.isEmpty()) {
        layout->addSpacing(4);
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        button_ = new CellButton(ButtonCell::Kind::CleanButtonCell, buttonTitle, this);
        button_->setObjectName(QStringLiteral("show"));
        row->addWidget(button_);
        layout->addLayout(row);
        connect(button_, &QPushButton::clicked, this, [this] { show(button_); });
    }

    // The popup around it takes this size.
    setFixedWidth(kWidth);
    setFixedHeight(layout->totalHeightForWidth(kWidth));
}

std::unique_ptr<AboutPopover> AboutPopover::aboutRemainders(std::function<Cleaner*()> cleaner) {
    auto popover = std::make_unique<AboutPopover>(
        tr("Applications remainders"),
        tr("Settings, caches and support files left behind by applications you have removed. "
           "Nothing uses them any more, so removing them is safe. They come back only if you "
           "install those applications again."),
        QString(), std::move(cleaner));
    popover->setObjectName(QStringLiteral("AboutRemainders"));
    return popover;
}

std::unique_ptr<AboutPopover> AboutPopover::aboutInstalls(std::function<Cleaner*()> cleaner) {
    auto popover = std::make_unique<AboutPopover>(
        tr("Installation files"),
        tr("Disk images and installer packages you downloaded to install applications. Once an "
           "application is installed its installer is no longer needed, so removing them is safe. "
           "They do not come back: download the installer again if you ever need it."),
        QString(), std::move(cleaner));
    popover->setObjectName(QStringLiteral("AboutInstalls"));
    return popover;
}

void AboutPopover::show(QObject* sender) {
    Q_UNUSED(sender);
}

Cleaner* AboutPopover::engine() const {
    return cleaner_ ? cleaner_() : Cleaner::sharedCleaner();
}

void AboutPopover::revealCategoryFolder(const std::optional<Location>& folder) {
    if (!folder)
        return;
    const Location marker = *folder / ".DS_Store";
    Workspace::reveal(PathOps::exists(marker) ? marker : *folder);
}

void AboutPopover::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Rounded as the popover's panel below, whose corners stay see-through.
    QPainterPath panel;
    panel.addRoundedRect(QRectF(rect()), Popover::kRadius, Popover::kRadius);
    painter.fillPath(panel, HexColor::colorFromHexString(QStringLiteral("2c2d33")));
}

} // namespace dovrel
