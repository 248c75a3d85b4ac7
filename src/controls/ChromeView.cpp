#include "controls/ChromeView.h"

#include "controls/Animator.h"
#include "platform/gui/HexColor.h"

#include <QMouseEvent>
#include <QPainter>

namespace dovrel {

namespace {
const QString kPulse = QStringLiteral("pulse");
const QString kPress = QStringLiteral("press");
} // namespace

ChromeView::ChromeView(QWidget* parent)
    : QWidget(parent), fill_(HexColor::colorFromHexString(QStringLiteral("f7f7f7"))) {
    setAttribute(Qt::WA_TranslucentBackground);
    Animator::endless(this, "fill", fill_, QColor(0xff, 0x95, 0x00), 1000, Animator::easeInEaseOut(), true,
                      kPulse);
}

void ChromeView::setFill(const QColor& colour) {
    fill_ = colour;
    update();
}

void ChromeView::mousePressEvent(QMouseEvent* event) {
    Animator::stop(this, kPulse);
    Animator::basic(this, "fill", QVariant(), HexColor::colorFromHexString(QStringLiteral("BEBEBE")), 100,
                    QEasingCurve::Linear, {}, kPress);
    QWidget::mousePressEvent(event);
}

void ChromeView::mouseReleaseEvent(QMouseEvent* event) {
    Animator::basic(this, "fill", QVariant(), HexColor::colorFromHexString(QStringLiteral("f7f7f7")), 700,
                    QEasingCurve::Linear, {}, kPress);
    QWidget::mouseReleaseEvent(event);
}

void ChromeView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF c = QRectF(rect()).center();
    const qreal radius = std::min(width(), height()) / 2.0 - 4;
    QRadialGradient shadow(c, radius + 4);
    shadow.setColorAt(0.85, QColor(255, 255, 255, 120));
    shadow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shadow);
    p.drawEllipse(c, radius + 4, radius + 4);
    p.setBrush(fill_);
    p.drawEllipse(c, radius, radius);
}

} // namespace dovrel
