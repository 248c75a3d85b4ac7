#pragma once

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace dovrel {

// Geometry and painting of the scan progress ring, without a widget:
// a track circle and a progress arc of radius 88 around the centre of the
// bounds. The arc starts at the top (the circle turned a quarter turn) and
// runs clockwise up to `strokeEnd` (0 = empty ring, 1 = full circle).
//
//          strokeEnd 0.25
//            .--- start (top)
//          /   \.
//         |  c  |--> ends at the right
//          \   /
//
// strokeEnd is a property so that it can be animated.
class ProgressRing : public QObject {
    Q_OBJECT
    Q_PROPERTY(qreal strokeEnd READ strokeEnd WRITE setStrokeEnd NOTIFY changed)
public:
    static constexpr qreal kRadius = 88.0;
    static constexpr qreal kTrackWidth = 2.0;
    static constexpr qreal kProgressWidth = 3.0;

    explicit ProgressRing(QObject* parent = nullptr);

    qreal strokeEnd() const { return strokeEnd_; }
    // Clamped to 0..1.
    void setStrokeEnd(qreal value);

    // The centre of a bounds rectangle (the views' shared centre operation).
    static QPointF centerView(const QRectF& bounds);
    // The square the circle is drawn in.
    static QRectF circleRect(const QRectF& bounds);
    // Start angle and span of the progress arc in QPainter's 1/16 degree
    // units (positive = counter-clockwise; the span is negative: clockwise).
    static int startAngle16() { return 90 * 16; }
    int spanAngle16() const;
    // The point where the arc ends.
    QPointF arcEnd(const QRectF& bounds) const;

    static QColor trackColor();
    static QColor progressColor();

    void paint(QPainter& painter, const QRectF& bounds) const;

signals:
    void changed();

private:
    qreal strokeEnd_ = 0;
};

} // namespace dovrel
