#pragma once

#include <QRect>
#include <Qt>

class QPainter;

namespace dovrel {

// The check box drawn in outline rows: a rounded square, outlined when off,
// filled with the application's green and a check mark when on, a dash when
// mixed.
class OutlineCheckBox {
public:
    static constexpr int kSide = 16;

    // The box at the left of a row cell, `inset` from the cell's left edge.
    static QRect rectIn(const QRect& cell, int inset);
    static void paint(QPainter& painter, const QRect& box, Qt::CheckState state, bool enabled = true);
};

} // namespace dovrel
