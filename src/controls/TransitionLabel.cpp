#include "controls/TransitionLabel.h"

#include "controls/Animator.h"

#include <QPainter>

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
    grabbing_ = true;
    old_ = grab();
    grabbing_ = false;
}

void TransitionLabel::setText(const QString& text) {
    QLabel::setText(text);
    if (!pending_)
        return;
    pending_ = false;
    grabbing_ = true;
    fresh_ = grab();
    grabbing_ = false;
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

void TransitionLabel::paintEvent(QPaintEvent* event) {
    if (grabbing_ || progress_ >= 1 || fresh_.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const qreal p = progress_;
    painter.setOpacity(1 - p);
    painter.drawPixmap(0, 0, old_);
    if (kind_ == Kind::Fade) {
        painter.setOpacity(p);
        painter.drawPixmap(0, 0, fresh_);
    } else {
        painter.setOpacity(1);
        const int offset = static_cast<int>(-height() * (1 - p));
        painter.drawPixmap(0, offset, fresh_);
    }
}

} // namespace dovrel
