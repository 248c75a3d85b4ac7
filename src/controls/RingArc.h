#pragma once

#include <QColor>
#include <QPen>
#include <QPointF>

class QPainter;

namespace dovrel {

// A stroked circle drawn up to a stroke end, the way the gauges draw their
// rings: it starts `startTurn` turns clockwise from the top and runs
// clockwise over `strokeEnd` (0..1) of the circle, or of the `length`
// (0..1 of a turn) the ring has.
class RingArc {
public:
    static void draw(QPainter& painter, const QPointF& centre, qreal radius, const QPen& pen, qreal strokeEnd,
                     qreal startTurn = 0, qreal length = 1);

    // The system colours the gauges use.
    static QColor systemGreen() { return {0x32, 0xd7, 0x4b}; }
    static QColor systemPink() { return {0xff, 0x37, 0x5f}; }
};

} // namespace dovrel
