#include "controls/BackgroundView.h"

#include <QPainter>

namespace dovrel {

BackgroundView::BackgroundView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void BackgroundView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor panel(Qt::white);
    panel.setAlphaF(0.08f);
    p.setPen(Qt::NoPen);
    p.setBrush(panel);
    p.drawRoundedRect(QRectF(rect()), 8, 8);
}

} // namespace dovrel
