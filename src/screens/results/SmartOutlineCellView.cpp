#include "screens/results/SmartOutlineCellView.h"

#include "screens/results/OutlineCheckBox.h"

#include <QPainter>

namespace dovrel {

namespace {
constexpr int kInset = 10;
constexpr int kImage = 20;
constexpr int kAbout = 20;
constexpr int kOutlineWidth = 52;
constexpr int kButtonHeight = 20;
} // namespace

QRect SmartOutlineCellView::checkBoxRect(const QRect& cell) {
    return OutlineCheckBox::rectIn(cell, kInset);
}

QRect SmartOutlineCellView::aboutButtonRect(const QRect& cell) {
    return QRect(cell.right() - 8 - kAbout + 1, cell.top() + (cell.height() - kAbout) / 2, kAbout, kAbout);
}

QRect SmartOutlineCellView::outlineButtonRect(const QRect& cell) {
    const QRect about = aboutButtonRect(cell);
    return QRect(about.left() - 8 - kOutlineWidth, cell.top() + (cell.height() - kButtonHeight) / 2,
                 kOutlineWidth, kButtonHeight);
}

void SmartOutlineCellView::paintTitle(QPainter& p, const QRect& cell, const Content& content) {
    p.save();
    const QRect box = checkBoxRect(cell);
    if (!content.empty)
        OutlineCheckBox::paint(p, box, content.check);
    const QRect image(box.right() + 11, cell.top() + (cell.height() - kImage) / 2, kImage, kImage);
    if (!content.image.isNull())
        content.image.paint(&p, image);
    QFont font = p.font();
    font.setPixelSize(14);
    font.setWeight(QFont::DemiBold);
    p.setFont(font);
    p.setPen(content.empty ? QColor(255, 255, 255, 150) : QColor(Qt::white));
    const QRect text(image.right() + 9, cell.top(), outlineButtonRect(cell).left() - 8 - image.right() - 9,
                     cell.height());
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(content.title, Qt::ElideRight, text.width()));
    p.restore();
}

void SmartOutlineCellView::paintSize(QPainter& p, const QRect& cell, const Content& content) {
    if (content.empty || content.size.isEmpty())
        return;
    p.save();
    p.setOpacity(p.opacity() * content.sizeOpacity);
    QFont font = p.font();
    font.setPixelSize(14);
    font.setWeight(QFont::DemiBold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(cell.adjusted(0, 0, -14, 0), Qt::AlignRight | Qt::AlignVCenter, content.size);
    p.restore();
}

} // namespace dovrel
