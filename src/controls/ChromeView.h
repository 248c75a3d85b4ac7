#pragma once

#include <QColor>
#include <QWidget>

namespace dovrel {

// A filled disc with a white shadow. From its creation its fill pulses to
// orange and back, 2 s a round, forever (paused while hidden, still under
// reduced motion). A mouse press turns the fill to "BEBEBE" in 0.1 s (and
// ends the pulse); the release turns it to "f7f7f7" in 0.7 s.
class ChromeView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor fill READ fill WRITE setFill)
public:
    explicit ChromeView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {80, 80}; }

    QColor fill() const { return fill_; }
    void setFill(const QColor& colour);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
};

} // namespace dovrel
