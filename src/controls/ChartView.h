#pragma once

#include <QWidget>

namespace dovrel {

// A ring in the system green. On a click its stroke end grows from 0 to the
// full circle in 1.2 s (linear).
class ChartView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal strokeEnd READ strokeEnd WRITE setStrokeEnd)
public:
    explicit ChartView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {120, 120}; }

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
