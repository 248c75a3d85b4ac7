#include "controls/ScanButton.h"

#include "controls/FocusRing.h"
#include "platform/gui/HexColor.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace dovrel {

ScanButton::ScanButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
}

QSize ScanButton::sizeHint() const {
    return {180, 180};
}

void ScanButton::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ScanButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

bool ScanButton::hitButton(const QPoint& pos) const {
    const QPointF c = QRectF(rect()).center();
    const qreal r = std::min(width(), height()) / 2.0;
    const QPointF d = QPointF(pos) - c;
    return std::hypot(d.x(), d.y()) <= r;
}

void ScanButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(rect());
    const qreal side = std::min(bounds.width(), bounds.height());
    const QPointF c = bounds.center();
    const qreal outer = side / 2 - 4;

    // Soft halo.
    QRadialGradient halo(c, outer + 4);
    QColor glow = HexColor::colorFromHexString(QStringLiteral("2bbcff"));
    glow.setAlphaF(hover_ ? 0.35f : 0.22f);
    halo.setColorAt(0.75, glow);
    glow.setAlphaF(0);
    halo.setColorAt(1.0, glow);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, outer + 4, outer + 4);

    // The disc.
    const qreal disc = outer - 10;
    QLinearGradient fill(c.x(), c.y() - disc, c.x(), c.y() + disc);
    QColor top = HexColor::colorFromHexString(QStringLiteral("2bbcff"));
    QColor bottom = HexColor::colorFromHexString(QStringLiteral("0076ff"));
    if (isDown()) {
        top = top.darker(125);
        bottom = bottom.darker(125);
    } else if (hover_) {
        top = top.lighter(110);
        bottom = bottom.lighter(110);
    }
    if (!isEnabled()) {
        top.setAlphaF(0.4f);
        bottom.setAlphaF(0.4f);
    }
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setBrush(fill);
    p.drawEllipse(c, disc, disc);

    // The ring.
    QConicalGradient ring(c, 90);
    ring.setColorAt(0, HexColor::colorFromHexString(QStringLiteral("0076ff")));
    ring.setColorAt(0.5, HexColor::colorFromHexString(QStringLiteral("2bbcff")));
    ring.setColorAt(1, HexColor::colorFromHexString(QStringLiteral("0076ff")));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(ring), 3));
    p.drawEllipse(c, outer - 2, outer - 2);

    // Title.
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setWeight(QFont::DemiBold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(c.x() - disc, c.y() - disc, 2 * disc, 2 * disc), Qt::AlignCenter, text());

    if (hasFocus()) {
        const qreal r = outer + 1;
        FocusRing::paint(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), r, 0);
    }
}

} // namespace dovrel
