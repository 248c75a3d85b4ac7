#pragma once

#include <QColor>
#include <QPushButton>

namespace dovrel {

// A rounded push button drawn by itself: corner radius 4, background white
// at 90% at first, a soft green shadow (radius 4, opacity 0.2, 1 right and
// 2 down). Press animates the background to `pushColor` (gray at 80%) over
// 0.09 s and sends the action (`clicked`) at once, on press; release
// animates it back to `buttonColor` (white at 80%) over 0.1 s. Both
// animations run under the key "key#1". Space does the same as the mouse.
class PushButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
public:
    static constexpr qreal kRadius = 4;
    static constexpr int kPressMs = 90;
    static constexpr int kReleaseMs = 100;
    static const char* const kKey; // "key#1"

    explicit PushButton(QWidget* parent = nullptr);
    explicit PushButton(const QString& text, QWidget* parent = nullptr);

    QColor buttonColor() const { return buttonColor_; }
    QColor pushColor() const { return pushColor_; }
    QColor shadowColor() const { return shadowColor_; }
    QColor backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void setup();
    void press();
    void release();

    QColor buttonColor_;
    QColor pushColor_;
    QColor shadowColor_;
    QColor backgroundColor_;
};

} // namespace dovrel
