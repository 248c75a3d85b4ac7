#pragma once

#include <QCheckBox>

namespace dovrel {

class SwitchLayer;

// A two-state switch drawn by its own SwitchLayer (the box at the left),
// with its title beside it.
//
//  - Press flips the state at once (there is no release tracking) and then
//    sends the action (`clicked`). A disabled switch does not flip, but its
//    action is still sent. Space does the same as a press.
//  - Every state change, from a press or from code, animates the layer over
//    0.3 s: on -> background white at 80% ("key#4") and radius 9 ("key#5");
//    off -> background clear ("key#4") and radius 9 if the pointer is
//    inside, else 7.2 ("key#5").
//  - The pointer entering an off switch rounds it to 9 ("key#1"), leaving
//    it returns to 7.2 ("key#2"); an on switch does not react.
// The radius keys share one property and one duration, so the latest one
// started decides where the radius goes: starting one stops the others.
class SwitchButton : public QCheckBox {
    Q_OBJECT
public:
    static constexpr int kDurationMs = 300;
    static const char* const kPointerInKey;   // "key#1"
    static const char* const kPointerOutKey;  // "key#2"
    static const char* const kBackgroundKey;  // "key#4"
    static const char* const kStateRadiusKey; // "key#5"

    explicit SwitchButton(QWidget* parent = nullptr);
    explicit SwitchButton(const QString& text, QWidget* parent = nullptr);

    // YES while the pointer is over the switch.
    bool mouseInside() const { return mouseInside_; }
    // The drawing, owned by the button.
    SwitchLayer* layer() const { return layer_; }
    // Where the layer's box sits inside the button.
    QRectF boxRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void setup();
    void press();
    void stateChanged(bool on);
    void animateRadius(qreal to, const char* key);

    SwitchLayer* layer_ = nullptr;
    bool mouseInside_ = false;
};

} // namespace dovrel
