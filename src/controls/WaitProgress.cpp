#include "controls/WaitProgress.h"

#include "controls/Animator.h"
#include "controls/RingArc.h"

#include <QPainter>

#include <cmath>

namespace dovrel {

WaitProgress::WaitProgress(QWidget* parent) : WaitProgress(20, 3, parent) {}

WaitProgress::WaitProgress(qreal radius, qreal lineWidth, QWidget* parent)
    : QWidget(parent), radius_(radius), lineWidth_(lineWidth) {
    setAttribute(Qt::WA_TranslucentBackground);
    Animator::endless(this, "rotation", 0.0, 360.0, 1000, QEasingCurve::Linear, false,
                      QStringLiteral("turn"));
}

QSize WaitProgress::sizeHint() const {
    const int side = static_cast<int>(std::ceil(2 * (radius_ + lineWidth_)));
    return {side, side};
}

void WaitProgress::setRotation(qreal degrees) {
    rotation_ = degrees;
    update();
}

void WaitProgress::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QColor white(Qt::white);
    white.setAlphaF(0.6f);
    QPen pen(white, lineWidth_);
    pen.setCapStyle(Qt::RoundCap);
    RingArc::draw(p, QRectF(rect()).center(), radius_, pen, 0.75, rotation_ / 360.0);
}

} // namespace dovrel
