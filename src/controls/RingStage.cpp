#include "controls/RingStage.h"

#include "controls/Animator.h"
#include "controls/SmartProgressView.h"
#include "controls/TransitionLabel.h"
#include "platform/ByteCountFormatter.h"

#include <QLabel>

namespace dovrel {

namespace {

constexpr int kRingTop = 70;
constexpr int kImageSide = 44;
constexpr int kTransitionMs = 300;

} // namespace

RingStage::RingStage(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize);

    progressView_ = new SmartProgressView(this);
    progressView_->setObjectName(QStringLiteral("progressView"));
    const QSize ring = progressView_->sizeHint();
    progressView_->setGeometry((kSize.width() - ring.width()) / 2, kRingTop, ring.width(), ring.height());

    image_ = new QLabel(this);
    image_->setGeometry((kSize.width() - kImageSide) / 2, kRingTop + ring.height() / 2 - 62, kImageSide,
                        kImageSide);

    smart_size_ = new TransitionLabel(this);
    smart_size_->setObjectName(QStringLiteral("smart_size"));
    smart_size_->setAlignment(Qt::AlignCenter);
    smart_size_->setStyleSheet(QStringLiteral("color: white; font-size: 28px; font-weight: 600;"));
    smart_size_->setGeometry((kSize.width() - 170) / 2, kRingTop + ring.height() / 2 - 10, 170, 40);
    smart_size_->setText(formatByteCount(0));

    smart_item_ = new TransitionLabel(this);
    smart_item_->setObjectName(QStringLiteral("smart_item"));
    smart_item_->setAlignment(Qt::AlignCenter);
    smart_item_->setStyleSheet(QStringLiteral("color: white; font-size: 17px;"));
    smart_item_->setGeometry(80, kRingTop + ring.height() + 30, kSize.width() - 160, 30);
}

QLabel* RingStage::addCaption(const QString& text) {
    auto* caption = new QLabel(text, this);
    caption->setProperty("role", QStringLiteral("caption"));
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(80, kRingTop + progressView_->sizeHint().height() + 64, kSize.width() - 160, 22);
    return caption;
}

void RingStage::centreIn(const QSize& area) {
    move((area.width() - kSize.width()) / 2, (area.height() - kSize.height()) / 2);
}

void RingStage::moveInFromTop(TransitionLabel* label) {
    label->addTransition(TransitionLabel::Kind::MoveInFromTop, kTransitionMs, Animator::easeInEaseOut());
}

} // namespace dovrel
