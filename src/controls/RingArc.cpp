#include "controls/RingArc.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace dovrel {

void RingArc::draw(QPainter& painter, const QPointF& centre, qreal radius, const QPen& pen, qreal strokeEnd,
                   qreal startTurn, qreal length) {
    const qreal end = std::clamp<qreal>(strokeEnd, 0, 1) * std::clamp<qreal>(length, 0, 1);
    if (end <= 0 || radius <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    if (end >= 1) {
        painter.drawEllipse(circle);
    } else {
        // QPainter: 1/16 degree, counter-clockwise from three o'clock.
        const int start = static_cast<int>(std::lround((90.0 - startTurn * 360.0) * 16.0));
        painter.drawArc(circle, start, -static_cast<int>(std::lround(end * 360.0 * 16.0)));
    }
    painter.restore();
}

} // namespace dovrel
