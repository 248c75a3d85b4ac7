#include "controls/GroupView.h"

#include "platform/gui/HexColor.h"

#include <QPainter>

namespace dovrel {

GroupView::GroupView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void GroupView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor panel = HexColor::colorFromHexString(QStringLiteral("3e3f47"));
    panel.setAlphaF(0.6f);
    p.setPen(Qt::NoPen);
    p.setBrush(panel);
    p.drawRoundedRect(QRectF(rect()), 8, 8);
}

} // namespace dovrel
