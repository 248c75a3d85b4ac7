#pragma once

#include <QProxyStyle>

namespace dovrel {

// The application's style over Fusion: the platform's widgets draw their
// keyboard focus as the controls' FocusRing, which shows on the dark window
// colour (Fusion's own focus frame barely does).
class FocusRingStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit FocusRingStyle(QStyle* base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    // Push buttons get the ring around their whole bevel, drawn here (and
    // not again as their focus frame).
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace dovrel
