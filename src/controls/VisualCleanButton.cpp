#include "controls/VisualCleanButton.h"

#include <QLinearGradient>
#include <QPainter>

namespace dovrel {

VisualCleanButton::VisualCleanButton(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void VisualCleanButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient frost(r.topLeft(), r.bottomLeft());
    frost.setColorAt(0, QColor(255, 255, 255, 34));
    frost.setColorAt(1, QColor(255, 255, 255, 16));
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    p.setBrush(frost);
    p.drawRoundedRect(r, kRadius, kRadius);
}

} // namespace dovrel
