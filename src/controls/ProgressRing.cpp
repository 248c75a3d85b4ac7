#include "controls/ProgressRing.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dovrel {

ProgressRing::ProgressRing(QObject* parent) : QObject(parent) {}

void ProgressRing::setStrokeEnd(qreal value) {
    if (!(value >= 0)) // also NaN
        value = 0;
    value = std::min<qreal>(value, 1);
    if (value == strokeEnd_)
        return;
    strokeEnd_ = value;
    emit changed();
}

QPointF ProgressRing::centerView(const QRectF& bounds) {
    return bounds.center();
}

QRectF ProgressRing::circleRect(const QRectF& bounds) {
    const QPointF c = centerView(bounds);
    return QRectF(c.x() - kRadius, c.y() - kRadius, 2 * kRadius, 2 * kRadius);
}

int ProgressRing::spanAngle16() const {
    return -static_cast<int>(std::lround(strokeEnd_ * 360.0 * 16.0));
}

QPointF ProgressRing::arcEnd(const QRectF& bounds) const {
    const QPointF c = centerView(bounds);
    // Screen y grows downwards: clockwise from the top is +x, then +y.
    const double angle = strokeEnd_ * 2 * std::numbers::pi;
    return QPointF(c.x() + kRadius * std::sin(angle), c.y() - kRadius * std::cos(angle));
}

QColor ProgressRing::trackColor() {
    QColor c(Qt::white);
    c.setAlphaF(0.8f);
    return c;
}

QColor ProgressRing::progressColor() {
    QColor c(0x0a, 0x84, 0xff); // the system blue
    c.setAlphaF(0.8f);
    return c;
}

void ProgressRing::paint(QPainter& painter, const QRectF& bounds) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF circle = circleRect(bounds);
    painter.setPen(QPen(trackColor(), kTrackWidth));
    painter.drawEllipse(circle);
    if (strokeEnd_ > 0) {
        QPen pen(progressColor(), kProgressWidth);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        if (strokeEnd_ >= 1)
            painter.drawEllipse(circle);
        else
            painter.drawArc(circle, startAngle16(), spanAngle16());
    }
    painter.restore();
}

} // namespace dovrel
