#include "controls/ButtonCell.h"

#include "platform/gui/HexColor.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace dovrel {

namespace {

QColor withAlpha(QColor color, qreal alpha) {
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

} // namespace

QColor ButtonCell::green() {
    return {0, 224, 69};
}

ButtonCell ButtonCell::forKind(Kind kind) {
    const QColor white = Qt::white;
    const QColor red = Qt::red;
    const QColor black = Qt::black;
    ButtonCell c;
    c.kind = kind;
    switch (kind) {
    case Kind::PushButtonCell:
        c.radius = 4;
        c.buttonColor = withAlpha(green(), 0.8);
        c.pushButtonColor = green();
        c.textColor = white;
        c.shadowColor = withAlpha(red, 0.5);
        c.shadowBlur = 4;
        break;
    case Kind::CleanButtonCell:
        c.radius = 8;
        c.buttonColor = withAlpha(white, 0.4);
        c.pushButtonColor = green();
        c.textColor = white;
        c.shadowColor = withAlpha(red, 0.5);
        c.shadowBlur = 4;
        break;
    case Kind::DVRButtonCell:
        c.radius = 4;
        c.buttonColor = HexColor::colorFromHexString(QStringLiteral("b1e5fe"));
        c.pushButtonColor = green();
        c.pantiesColor = withAlpha(white, 0.4);
        c.textColor = HexColor::colorFromHexString(QStringLiteral("364c59"));
        c.shadowColor = withAlpha(red, 0);
        c.shadowBlur = 4;
        break;
    case Kind::LigthTitleButtonCell:
        c.textColor = withAlpha(white, 0.8);
        c.pushTextColor = withAlpha(white, 0.3);
        c.shadowColor = withAlpha(black, 0.4);
        c.shadowBlur = 2;
        break;
    }
    return c;
}

QColor ButtonCell::fillColor(bool highlighted) const {
    if (!hasBezel())
        return {};
    return highlighted ? pushButtonColor : buttonColor;
}

QColor ButtonCell::titleColor(bool highlighted) const {
    return highlighted && pushTextColor ? *pushTextColor : textColor;
}

void ButtonCell::paintShadow(QPainter& p, const QRectF& bounds, const QString& title,
                             const QFont& font) const {
    if (shadowColor.alpha() == 0 || shadowBlur <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF offset(1, 0);
    const int steps = static_cast<int>(std::ceil(shadowBlur));
    if (hasBezel()) {
        QPainterPath outside;
        outside.addRect(bounds.adjusted(-steps - 2, -steps - 2, steps + 2, steps + 2));
        QPainterPath shape;
        shape.addRoundedRect(bounds, *radius, *radius);
        p.setClipPath(outside.subtracted(shape));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < steps; ++i) {
            // A blurred edge is at half strength where the shape ends and
            // fades out over the blur radius.
            const qreal fall = 1.0 - (i + 0.5) / steps;
            p.setPen(QPen(withAlpha(shadowColor, shadowColor.alphaF() * 0.5 * std::pow(fall, 1.5)), 1.0));
            const qreal grow = i + 0.5;
            p.drawRoundedRect(bounds.translated(offset).adjusted(-grow, -grow, grow, grow), *radius + grow,
                              *radius + grow);
        }
    } else {
        // Text: a few faint copies around the offset position.
        p.setFont(font);
        const qreal spread = shadowBlur / 2;
        const QPointF around[] = {{0, 0}, {spread, 0}, {-spread, 0}, {0, spread}, {0, -spread}};
        p.setPen(withAlpha(shadowColor, shadowColor.alphaF() / 3));
        for (const QPointF& d : around)
            p.drawText(bounds.translated(offset + d), Qt::AlignCenter, title);
    }
    p.restore();
}

void ButtonCell::paint(QPainter& p, const QRectF& bounds, const QString& title, const QFont& font,
                       bool highlighted) const {
    paintShadow(p, bounds, title, font);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (hasBezel()) {
        QPainterPath shape;
        shape.addRoundedRect(bounds, *radius, *radius);
        p.setClipPath(shape);
        p.fillPath(shape, fillColor(highlighted));
        if (pantiesColor) {
            QLinearGradient sheen(bounds.topLeft(), bounds.bottomLeft());
            sheen.setColorAt(0, *pantiesColor);
            sheen.setColorAt(1, withAlpha(*pantiesColor, 0));
            p.fillPath(shape, sheen);
        }
        p.setClipping(false);
    }
    p.setFont(font);
    p.setPen(titleColor(highlighted));
    p.drawText(bounds, Qt::AlignCenter, title);
    p.restore();
}

} // namespace dovrel
