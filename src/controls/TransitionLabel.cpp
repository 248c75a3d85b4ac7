#include "controls/TransitionLabel.h"

#include "controls/Animator.h"

#include <QPainter>

#include <algorithm>

namespace dovrel {

namespace {
const QString kTransitionKey = QStringLiteral("transition");
}

TransitionLabel::TransitionLabel(QWidget* parent) : QLabel(parent) {}

void TransitionLabel::addTransition(Kind kind, int milliseconds, QEasingCurve easing) {
    kind_ = kind;
    duration_ = milliseconds;
    easing_ = easing;
    pending_ = true;
    old_ = picture();
}

QPixmap TransitionLabel::picture() {
    // Only the text: QWidget::grab() would also fill in the window colour,
    // which then shows as a box over whatever lies behind the label.
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    grabbing_ = true;
    render(&pixmap, QPoint(), QRegion(), QWidget::DrawChildren);
    grabbing_ = false;
    return pixmap;
}

void TransitionLabel::setText(const QString& text) {
    QLabel::setText(text);
    if (!pending_)
        return;
    pending_ = false;
    fresh_ = picture();
    Animator::basic(this, "transitionProgress", 0.0, 1.0, duration_, easing_, {}, kTransitionKey);
}

void TransitionLabel::setTransitionProgress(qreal progress) {
    progress_ = progress;
    if (progress_ >= 1) {
        old_ = QPixmap();
        fresh_ = QPixmap();
    }
    update();
}

// The two texts never show at once: the old one is gone before the new one
// appears (a fade), or leaves in the first third while the new one moves in
// from above.
qreal TransitionLabel::oldOpacity(Kind kind, qreal progress) {
    const qreal out = kind == Kind::Fade ? 0.5 : 1.0 / 3;
    return std::clamp(1 - progress / out, 0.0, 1.0);
}

qreal TransitionLabel::freshOpacity(Kind kind, qreal progress) {
    if (kind != Kind::Fade)
        return 1;
    return std::clamp(2 * progress - 1, 0.0, 1.0);
}

void TransitionLabel::paintEvent(QPaintEvent* event) {
    if (grabbing_ || progress_ >= 1 || fresh_.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setClipRect(rect());
    const qreal p = progress_;
    painter.setOpacity(oldOpacity(kind_, p));
    painter.drawPixmap(0, 0, old_);
    if (kind_ == Kind::Fade) {
        painter.setOpacity(freshOpacity(kind_, p));
        painter.drawPixmap(0, 0, fresh_);
    } else {
        painter.setOpacity(1);
        const int offset = static_cast<int>(-height() * (1 - p));
        painter.drawPixmap(0, offset, fresh_);
    }
}

} // namespace dovrel
