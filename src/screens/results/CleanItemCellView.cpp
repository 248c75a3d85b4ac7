#include "screens/results/CleanItemCellView.h"

#include "controls/BidiText.h"
#include "screens/results/OutlineCheckBox.h"

#include <QPainter>
#include <QStyle>

namespace dovrel {

namespace {
constexpr int kInset = 8;
constexpr int kIcon = 18;
} // namespace

QRect CleanItemCellView::checkBoxRect(const QRect& cell, Qt::LayoutDirection direction) {
    return QStyle::visualRect(direction, cell, OutlineCheckBox::rectIn(cell, kInset));
}

QRect CleanItemCellView::iconRect(const QRect& cell, Qt::LayoutDirection direction) {
    const QRect box = checkBoxRect(cell);
    return QStyle::visualRect(
        direction, cell, QRect(box.right() + 11, cell.top() + (cell.height() - kIcon) / 2, kIcon, kIcon));
}

void CleanItemCellView::paintTitle(QPainter& p, const QRect& cell, const Content& content) {
    p.save();
    const Qt::LayoutDirection direction = p.layoutDirection();
    OutlineCheckBox::paint(p, checkBoxRect(cell, direction), content.check);
    const QRect icon = iconRect(cell);
    if (!content.icon.isNull())
        content.icon.paint(&p, iconRect(cell, direction));
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 225));
    const QRect text(icon.right() + 9, cell.top(), cell.right() - icon.right() - 9 - 8, cell.height());
    p.drawText(QStyle::visualRect(direction, cell, text), Qt::AlignLeft | Qt::AlignVCenter,
               BidiText::isolated(p.fontMetrics().elidedText(content.title, Qt::ElideMiddle, text.width())));
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
    p.drawText(cell.adjusted(0, 0, -14, 0), Qt::AlignRight | Qt::AlignVCenter,
               BidiText::leftToRight(content.size));
    p.restore();
}

} // namespace dovrel
