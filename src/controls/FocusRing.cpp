#include "controls/FocusRing.h"

#include <QPainter>

namespace dovrel {

QColor FocusRing::color() {
    return {0x5a, 0xc8, 0xfa};
}

void FocusRing::paint(QPainter& painter, const QRectF& shape, qreal radius, qreal gap) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color(), kWidth));
    const qreal grow = gap + kWidth / 2;
    painter.drawRoundedRect(shape.adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
    painter.restore();
}

} // namespace dovrel
