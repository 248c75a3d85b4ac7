#include "controls/ButtonCell.h"

#include "platform/gui/HexColor.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

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

QColor ButtonCell::systemBlue() {
    return {0x0a, 0x84, 0xff};
}

QColor ButtonCell::systemGray() {
    return {0x8e, 0x8e, 0x93};
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
    case Kind::PantiesPushButton:
        c.radius = 4;
        c.buttonColor = systemBlue();
        c.pushButtonColor = green();
        c.pantiesColor = withAlpha(white, 0.4);
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
    case Kind::TitleButtonCell:
        c.textColor = white;
        c.pushTextColor = systemGray();
        c.shadowColor = withAlpha(black, 0.4);
        c.shadowBlur = 2;
        break;
    case Kind::LigthTitleButtonCell:
        c.textColor = withAlpha(white, 0.8);
        c.pushTextColor = withAlpha(white, 0.3);
        c.shadowColor = withAlpha(black, 0.4);
        c.shadowBlur = 2;
        break;
    case Kind::DVTButtonCell:
        c.textColor = white;
        c.pushTextColor = systemGray();
        c.shadowColor = withAlpha(black, 0);
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

void ButtonCell::paint(QPainter& p, const QRectF& bounds, const QString& title, const QFont& font,
                       bool highlighted) const {
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
