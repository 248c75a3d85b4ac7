#pragma once

#include <QWidget>

namespace dovrel {

// A rounded surface (corner radius 12) filled with black at 10% over the
// window colour (opaque, so nothing drawn behind it shows through). It holds
// other widgets; clicking it does nothing.
class CleanButton : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal kRadius = 12;

    explicit CleanButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dovrel
