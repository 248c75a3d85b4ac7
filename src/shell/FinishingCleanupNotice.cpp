#include "shell/FinishingCleanupNotice.h"

#include "controls/CellButton.h"
#include "engine/CleanupRun.h"
#include "platform/ByteCountFormatter.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace dovrel {

FinishingCleanupNotice::FinishingCleanupNotice(QWidget* parent)
    : QFrame(parent), title_(new QLabel(tr("Finishing the cleanup…"))), freed_(new QLabel),
      stop_(new CellButton(ButtonCell::Kind::CleanButtonCell, tr("Stop Now"))), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("FinishingCleanupNotice"));
    // Covers the screens and keeps the pointer away from them.
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#FinishingCleanupNotice { background: rgba(40, 41, 48, 0.86); }"
                                 "#FinishingCleanupNotice QFrame[role=\"panel\"] { background: #3e3f47; "
                                 "border: 1px solid rgba(255, 255, 255, 0.1); }"));

    auto* panel = new QFrame;
    panel->setProperty("role", QStringLiteral("panel"));
    panel->setFixedWidth(420);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(28, 24, 28, 24);
    column->setSpacing(10);
    title_->setProperty("role", QStringLiteral("title"));
    title_->setStyleSheet(QStringLiteral("font-size: 20px;"));
    auto* text = new QLabel(tr("Dovrel Cleaner quits as soon as it has finished removing the item it is "
                               "working on. The rest of your selection stays where it is."));
    text->setProperty("role", QStringLiteral("text"));
    text->setWordWrap(true);
    freed_->setProperty("role", QStringLiteral("caption"));
    stop_->setObjectName(QStringLiteral("stopNow"));
    connect(stop_, &QPushButton::clicked, this, &FinishingCleanupNotice::stopNow);
    column->addWidget(title_);
    column->addWidget(text);
    column->addWidget(freed_);
    column->addSpacing(6);
    column->addWidget(stop_, 0, Qt::AlignRight);

    auto* outer = new QVBoxLayout(this);
    outer->addStretch();
    outer->addWidget(panel, 0, Qt::AlignHCenter);
    outer->addStretch();
    // A wrapped text in a panel of fixed width: its height for that width.
    text->ensurePolished();
    text->setMinimumHeight(text->heightForWidth(panel->width() - 56));

    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &FinishingCleanupNotice::refresh);
    refresh();
}

void FinishingCleanupNotice::setVisible(bool visible) {
    QFrame::setVisible(visible);
    if (visible) {
        refresh();
        timer_->start();
    } else {
        timer_->stop();
    }
}

void FinishingCleanupNotice::stopNow() {
    CleanupRun::shared().cancel();
    stop_->setEnabled(false);
    stop_->setText(tr("Stopping…"));
}

void FinishingCleanupNotice::refresh() {
    freed_->setText(tr("%1 removed so far").arg(formatByteCount(CleanupRun::shared().bytesFreedSoFar())));
}

} // namespace dovrel
