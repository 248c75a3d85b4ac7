#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace dovrel {

// The keyboard focus ring every focusable control draws: a 2-pixel light
// blue outline just outside the control's shape, visible on the dark window
// colour and on the light Full Disk Access window alike. The application
// style draws the same ring for the platform's own widgets.
class FocusRing {
public:
    static constexpr qreal kWidth = 2.0;

    static QColor color();

    // Strokes a rounded rectangle around `shape` (grown by `gap` pixels)
    // with the corner radius grown by the same amount.
    static void paint(QPainter& painter, const QRectF& shape, qreal radius, qreal gap = 2.0);
};

} // namespace dovrel
