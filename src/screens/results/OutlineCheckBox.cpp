#include "screens/results/OutlineCheckBox.h"

#include <QPainter>
#include <QPainterPath>

namespace dovrel {

namespace {
const QColor kGreen(0, 224, 69);
}

QRect OutlineCheckBox::rectIn(const QRect& cell, int inset) {
    return QRect(cell.left() + inset, cell.top() + (cell.height() - kSide) / 2, kSide, kSide);
}

void OutlineCheckBox::paint(QPainter& p, const QRect& box, Qt::CheckState state, bool enabled) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (!enabled)
        p.setOpacity(p.opacity() * 0.35);
    const QRectF r = QRectF(box).adjusted(0.75, 0.75, -0.75, -0.75);
    if (state == Qt::Unchecked) {
        p.setPen(QPen(QColor(255, 255, 255, 190), 1.5));
        p.setBrush(QColor(255, 255, 255, 18));
        p.drawRoundedRect(r, 4, 4);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (state == Qt::Checked) {
            QPainterPath mark;
            mark.moveTo(r.left() + r.width() * 0.24, r.top() + r.height() * 0.52);
            mark.lineTo(r.left() + r.width() * 0.43, r.top() + r.height() * 0.72);
            mark.lineTo(r.left() + r.width() * 0.78, r.top() + r.height() * 0.30);
            p.setBrush(Qt::NoBrush);
            p.drawPath(mark);
        } else {
            p.drawLine(QPointF(r.left() + r.width() * 0.27, r.center().y()),
                       QPointF(r.right() - r.width() * 0.27, r.center().y()));
        }
    }
    p.restore();
}

} // namespace dovrel
