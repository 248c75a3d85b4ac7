#pragma once

#include <QScrollBar>

namespace dovrel {

// A scroll bar without a visible track: it paints nothing but its knob, a
// slim rounded bar, dark for the light appearance and light for the dark
// one. Scrolling and dragging work as for any scroll bar.
class Scroller : public QScrollBar {
    Q_OBJECT
public:
    explicit Scroller(QWidget* parent = nullptr);
    explicit Scroller(Qt::Orientation orientation, QWidget* parent = nullptr);

    bool darkAppearance() const { return dark_; }
    QColor knobColor() const;
    // The knob's rectangle (empty when there is nothing to scroll).
    QRect knobRect() const;

    QSize sizeHint() const override;

protected:
    void setDarkAppearance(bool dark);
    void paintEvent(QPaintEvent* event) override;

private:
    void setup();

    bool dark_ = false;
};

} // namespace dovrel
