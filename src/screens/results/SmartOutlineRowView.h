#pragma once

#include <QRect>

class QPainter;

namespace dovrel {

// The row of a category. While the pointer is inside it (`mouseInside`, kept
// by the outline view from its mouse tracking) a light band is drawn behind
// the row, and the view shows the about button (and, for a category that is
// not empty, the outline button) on it. Painting only.
class SmartOutlineRowView {
public:
    static constexpr int kHeight = 30;

    static void drawBackground(QPainter& painter, const QRect& row, bool mouseInside);
};

} // namespace dovrel
