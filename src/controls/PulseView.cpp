#include "controls/PulseView.h"

#include "controls/Animator.h"
#include "platform/gui/HexColor.h"

#include <QMouseEvent>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

namespace dovrel {

PulseView::PulseView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void PulseView::setRadius(qreal value) {
    radius_ = value;
    update();
}

void PulseView::setOpacity(qreal value) {
    opacity_ = value;
    update();
}

void PulseView::animate() {
    auto* grow = new QPropertyAnimation(this, "radius");
    grow->setStartValue(kRestRadius);
    grow->setEndValue(kPulseRadius);
    grow->setDuration(1000);
    auto* fade = new QPropertyAnimation(this, "opacity");
    fade->setStartValue(1.0);
    fade->setEndValue(0.0);
    fade->setDuration(1000);
    auto* pulse = new QParallelAnimationGroup;
    pulse->addAnimation(grow);
    pulse->addAnimation(fade);
    Animator::endless(this, pulse, QStringLiteral("pulse"));
}

void PulseView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        animate();
    QWidget::mousePressEvent(event);
}

void PulseView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF c = QRectF(rect()).center();
    p.setOpacity(opacity_);
    p.setBrush(QColor(0, 0, 0, 50)); // the shadow
    p.drawEllipse(c + QPointF(0, 2), radius_ + 1, radius_ + 1);
    p.setBrush(HexColor::colorFromHexString(QStringLiteral("2bbcff")));
    p.drawEllipse(c, radius_, radius_);
}

} // namespace dovrel
