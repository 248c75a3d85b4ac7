#pragma once

#include "controls/ButtonCell.h"

#include <QPushButton>

namespace dovrel {

// A push button drawn by one of the ButtonCell styles. The cell is chosen
// when the button is made and kept for its lifetime; the only state that
// changes its look afterwards is the pressed (highlighted) flag. The cell's
// shadow is painted in a margin around the bezel.
class CellButton : public QPushButton {
    Q_OBJECT
public:
    explicit CellButton(ButtonCell::Kind kind, QWidget* parent = nullptr);
    CellButton(ButtonCell::Kind kind, const QString& text, QWidget* parent = nullptr);

    const ButtonCell& cell() const { return cell_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setup();
    // The bezel's rectangle, inside a margin kept free for the focus ring.
    QRectF bezelRect() const;

    ButtonCell cell_;
};

} // namespace dovrel
