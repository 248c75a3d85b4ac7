#pragma once

#include <QRect>

class QPainter;

namespace dovrel {

// The row of an entry. While its context menu is open (`selection`, set by
// showSelection and cleared by hideSelection through the outline view) a
// thin frame with rounded corners, white at half opacity, is drawn around
// it. Painting only.
class CleanItemRowView {
public:
    static void drawSelection(QPainter& painter, const QRect& row);
};

} // namespace dovrel
