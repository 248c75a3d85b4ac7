#pragma once

#include <QWidget>

namespace dovrel {

// A filled circle with a shadow. On a click it starts to pulse: the circle
// grows to radius 80 while it fades out, in 1 s, again and again (paused
// while hidden, still under reduced motion).
class PulseView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal radius READ radius WRITE setRadius)
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)
public:
    static constexpr qreal kRestRadius = 40;
    static constexpr qreal kPulseRadius = 80;

    explicit PulseView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {180, 180}; }

    qreal radius() const { return radius_; }
    void setRadius(qreal value);
    qreal opacity() const { return opacity_; }
    void setOpacity(qreal value);

    // What a click does.
    void animate();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    qreal radius_ = kRestRadius;
    qreal opacity_ = 1;
};

} // namespace dovrel
