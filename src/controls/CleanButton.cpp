#include "controls/CleanButton.h"

#include <QPainter>

namespace dovrel {

CleanButton::CleanButton(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void CleanButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // The window colour first: the moving dots of the window's background
    // stay behind the surface instead of showing through it.
    p.setBrush(palette().window());
    p.drawRoundedRect(QRectF(rect()), kRadius, kRadius);
    p.setBrush(QColor::fromRgbF(0, 0, 0, 0.1f));
    p.drawRoundedRect(QRectF(rect()), kRadius, kRadius);
}

} // namespace dovrel
