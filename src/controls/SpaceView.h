#pragma once

#include <QWidget>

namespace dovrel {

// A rounded white panel with a ring in it. On a click the ring's stroke end
// grows from 0 to the full circle in 2 s.
class SpaceView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal strokeEnd READ strokeEnd WRITE setStrokeEnd)
public:
    explicit SpaceView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {160, 160}; }

    qreal strokeEnd() const { return strokeEnd_; }
    void setStrokeEnd(qreal value);

    // What a click does.
    void animate();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    qreal strokeEnd_ = 1;
};

} // namespace dovrel
