#include "controls/RippleLayer.h"

#include <QPainter>

#include <cmath>

namespace dovrel {

RippleLayer::RippleLayer(QObject* parent) : QObject(parent) {}

qreal RippleLayer::endRadiusFor(qreal width) {
    return std::trunc(width / 2 - 2);
}

void RippleLayer::play(qreal endRadius) {
    endRadius_ = endRadius;
    painted_ = true;
    progress_ = 0;
    emit changed();
}

void RippleLayer::finish() {
    painted_ = false;
    emit changed();
}

void RippleLayer::setProgress(qreal progress) {
    progress_ = progress;
    emit changed();
}

qreal RippleLayer::radius() const {
    return kStartRadius + (endRadius_ - kStartRadius) * progress_;
}

qreal RippleLayer::opacity() const {
    return kStartOpacity + (kEndOpacity - kStartOpacity) * progress_;
}

void RippleLayer::paint(QPainter& painter, const QPointF& centre) const {
    if (!painted_)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(painter.opacity() * opacity());
    painter.setPen(QPen(Qt::red, kOutlineWidth));
    painter.setBrush(QColor(Qt::blue));
    const qreal r = radius();
    painter.drawEllipse(centre, r, r);
    painter.restore();
}

} // namespace dovrel
