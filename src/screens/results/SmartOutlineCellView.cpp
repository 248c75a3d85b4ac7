#include "screens/results/SmartOutlineCellView.h"

#include "controls/BidiText.h"
#include "screens/results/OutlineCheckBox.h"

#include <QPainter>
#include <QStyle>

namespace dovrel {

namespace {
constexpr int kInset = 10;
constexpr int kImage = 20;
constexpr int kAbout = 20;
constexpr int kOutlineWidth = 52;
constexpr int kButtonHeight = 20;
} // namespace

QRect SmartOutlineCellView::checkBoxRect(const QRect& cell, Qt::LayoutDirection direction) {
    return QStyle::visualRect(direction, cell, OutlineCheckBox::rectIn(cell, kInset));
}

QRect SmartOutlineCellView::aboutButtonRect(const QRect& cell, Qt::LayoutDirection direction) {
    return QStyle::visualRect(
        direction, cell,
        QRect(cell.right() - 8 - kAbout + 1, cell.top() + (cell.height() - kAbout) / 2, kAbout, kAbout));
}

QRect SmartOutlineCellView::outlineButtonRect(const QRect& cell, Qt::LayoutDirection direction) {
    const QRect about = aboutButtonRect(cell);
    return QStyle::visualRect(direction, cell,
                              QRect(about.left() - 8 - kOutlineWidth,
                                    cell.top() + (cell.height() - kButtonHeight) / 2, kOutlineWidth,
                                    kButtonHeight));
}

void SmartOutlineCellView::paintTitle(QPainter& p, const QRect& cell, const Content& content) {
    p.save();
    const Qt::LayoutDirection direction = p.layoutDirection();
    const QRect box = checkBoxRect(cell);
    if (!content.empty)
        OutlineCheckBox::paint(p, QStyle::visualRect(direction, cell, box), content.check);
    const QRect image(box.right() + 11, cell.top() + (cell.height() - kImage) / 2, kImage, kImage);
    if (!content.image.isNull())
        content.image.paint(&p, QStyle::visualRect(direction, cell, image));
    QFont font = p.font();
    font.setPixelSize(14);
    font.setWeight(QFont::DemiBold);
    p.setFont(font);
    // Dimmed, yet opaque: the moving background must not show through the
    // glyphs (the grey is what white at 59 % gives over the list).
    p.setPen(content.empty ? QColor(0xb4, 0xb5, 0xb9) : QColor(Qt::white));
    const QRect text(image.right() + 9, cell.top(), outlineButtonRect(cell).left() - 8 - image.right() - 9,
                     cell.height());
    p.drawText(QStyle::visualRect(direction, cell, text), Qt::AlignLeft | Qt::AlignVCenter,
               BidiText::isolated(p.fontMetrics().elidedText(content.title, Qt::ElideRight, text.width())));
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
    p.drawText(cell.adjusted(0, 0, -14, 0), Qt::AlignRight | Qt::AlignVCenter,
               BidiText::leftToRight(content.size));
    p.restore();
}

} // namespace dovrel
