#include "screens/results/CleanItemRowView.h"

#include <QPainter>

namespace dovrel {

void CleanItemRowView::drawSelection(QPainter& p, const QRect& row) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 128), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(row).adjusted(2.5, 1.5, -2.5, -1.5), 5, 5);
    p.restore();
}

} // namespace dovrel
