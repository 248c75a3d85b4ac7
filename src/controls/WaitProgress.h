#pragma once

#include <QWidget>

namespace dovrel {

// A spinner: an open arc in white at reduced opacity that turns one full
// turn clockwise a second, forever, from its creation (paused while hidden,
// still under reduced motion). SmallWaitProgress is the small one.
class WaitProgress : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal rotation READ rotation WRITE setRotation)
public:
    explicit WaitProgress(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Turn in degrees, clockwise.
    qreal rotation() const { return rotation_; }
    void setRotation(qreal degrees);

protected:
    WaitProgress(qreal radius, qreal lineWidth, QWidget* parent);
    void paintEvent(QPaintEvent* event) override;

private:
    qreal radius_;
    qreal lineWidth_;
    qreal rotation_ = 0;
};

} // namespace dovrel
