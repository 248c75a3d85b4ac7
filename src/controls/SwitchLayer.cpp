#include "controls/SwitchLayer.h"

#include <QPainter>

namespace dovrel {

SwitchLayer::SwitchLayer(QObject* parent) : QObject(parent) {}

QColor SwitchLayer::borderColor() {
    return QColor::fromRgbF(1, 1, 1, 0.7f);
}

QColor SwitchLayer::onColor() {
    return QColor::fromRgbF(1, 1, 1, 0.8f);
}

QColor SwitchLayer::clearColor() {
    return QColor::fromRgbF(1, 1, 1, 0);
}

void SwitchLayer::setCornerRadius(qreal radius) {
    if (qFuzzyCompare(radius, cornerRadius_))
        return;
    cornerRadius_ = radius;
    emit changed();
}

void SwitchLayer::setBackgroundColor(const QColor& color) {
    if (color == backgroundColor_)
        return;
    backgroundColor_ = color;
    emit changed();
}

void SwitchLayer::paint(QPainter& painter, const QRectF& box) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = kBorderWidth / 2;
    const QRectF inner = box.adjusted(half, half, -half, -half);
    const qreal radius = std::max<qreal>(0, cornerRadius_ - half);
    painter.setPen(QPen(borderColor(), kBorderWidth));
    painter.setBrush(backgroundColor_);
    painter.drawRoundedRect(inner, radius, radius);
    painter.restore();
}

} // namespace dovrel
