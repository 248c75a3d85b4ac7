#include "screens/results/SmartOutlineRowView.h"

#include <QPainter>

namespace dovrel {

void SmartOutlineRowView::drawBackground(QPainter& p, const QRect& row, bool mouseInside) {
    if (!mouseInside)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawRoundedRect(QRectF(row).adjusted(2, 1, -2, -1), 6, 6);
    p.restore();
}

} // namespace dovrel
