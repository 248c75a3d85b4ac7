#pragma once

#include <QColor>
#include <QObject>
#include <QRectF>

class QPainter;

namespace dovrel {

// What a SwitchButton draws, without a widget: a rounded box with a 2.3
// pixel border of white at 70% and a background that is clear while the
// switch is off and white at 80% while it is on. The corner radius rests at
// 7.2 and rounds up to 9 while the switch is on or the pointer is over an
// off switch. Both the radius and the background are properties, so the
// button animates them.
class SwitchLayer : public QObject {
    Q_OBJECT
    Q_PROPERTY(qreal cornerRadius READ cornerRadius WRITE setCornerRadius NOTIFY changed)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY changed)
public:
    static constexpr qreal kRestRadius = 7.2;
    static constexpr qreal kRoundRadius = 9.0;
    static constexpr qreal kBorderWidth = 2.3;
    // The side of the box the radii are meant for.
    static constexpr qreal kSide = 18.0;

    explicit SwitchLayer(QObject* parent = nullptr);

    static QColor borderColor();
    static QColor onColor();
    // Clear: white with no opacity, so that a fade between it and onColor()
    // stays white (as a premultiplied blend would).
    static QColor clearColor();

    qreal cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(qreal radius);
    QColor backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const QColor& color);

    // Paints the box into `box`; the border lies inside it.
    void paint(QPainter& painter, const QRectF& box) const;

signals:
    void changed();

private:
    qreal cornerRadius_ = kRestRadius;
    QColor backgroundColor_ = clearColor();
};

} // namespace dovrel
