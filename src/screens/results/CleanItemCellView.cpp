#include "screens/results/CleanItemCellView.h"

#include "screens/results/OutlineCheckBox.h"

#include <QPainter>

namespace dovrel {

namespace {
constexpr int kInset = 8;
constexpr int kIcon = 18;
} // namespace

QRect CleanItemCellView::checkBoxRect(const QRect& cell) {
    return OutlineCheckBox::rectIn(cell, kInset);
}

QRect CleanItemCellView::iconRect(const QRect& cell) {
    const QRect box = checkBoxRect(cell);
    return QRect(box.right() + 11, cell.top() + (cell.height() - kIcon) / 2, kIcon, kIcon);
}

void CleanItemCellView::paintTitle(QPainter& p, const QRect& cell, const Content& content) {
    p.save();
    OutlineCheckBox::paint(p, checkBoxRect(cell), content.check);
    const QRect icon = iconRect(cell);
    if (!content.icon.isNull())
        content.icon.paint(&p, icon);
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 225));
    const QRect text(icon.right() + 9, cell.top(), cell.right() - icon.right() - 9 - 8, cell.height());
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(content.title, Qt::ElideMiddle, text.width()));
    p.restore();
}

void CleanItemCellView::paintSize(QPainter& p, const QRect& cell, const Content& content) {
    if (content.size.isEmpty())
        return;
    p.save();
    p.setOpacity(p.opacity() * content.sizeOpacity);
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(cell.adjusted(0, 0, -14, 0), Qt::AlignRight | Qt::AlignVCenter, content.size);
    p.restore();
}

} // namespace dovrel
