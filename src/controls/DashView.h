#pragma once

#include <QWidget>

namespace dovrel {

// A dashed circle in the system pink. On a click the dashes start to run
// round it, one dash period a second, forever (paused while hidden, still
// under reduced motion).
class DashView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal dashPhase READ dashPhase WRITE setDashPhase)
public:
    static constexpr qreal kLineWidth = 4;
    static constexpr qreal kDash = 6;
    static constexpr qreal kGap = 6;

    explicit DashView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {120, 120}; }

    qreal dashPhase() const { return phase_; }
    void setDashPhase(qreal value);

    // What a click does.
    void animate();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    qreal phase_ = 0;
};

} // namespace dovrel
