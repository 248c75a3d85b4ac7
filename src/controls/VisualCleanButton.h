#pragma once

#include <QWidget>

namespace dovrel {

// A rounded (radius 12) frosted surface. The blur of what lies behind is
// approximated: widgets cannot read back and blur the pixels beneath them
// cheaply, so the surface paints the look such a blur gives on the dark
// window, a light milky tint brighter at the top, with a faint rim. It
// holds other widgets; clicking it does nothing.
class VisualCleanButton : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal kRadius = 12;

    explicit VisualCleanButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dovrel
