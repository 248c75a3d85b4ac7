#include "controls/SpaceView.h"

#include "controls/Animator.h"
#include "controls/RingArc.h"
#include "platform/gui/HexColor.h"

#include <QMouseEvent>
#include <QPainter>

namespace dovrel {

SpaceView::SpaceView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void SpaceView::setStrokeEnd(qreal value) {
    strokeEnd_ = value;
    update();
}

void SpaceView::animate() {
    Animator::basic(this, "strokeEnd", 0.0, 1.0, 2000, Animator::easeInEaseOut(), {},
                    QStringLiteral("stroke"));
}

void SpaceView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        animate();
    QWidget::mousePressEvent(event);
}

void SpaceView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(panel, 12, 12);
    const qreal width = 6;
    const qreal radius = std::min(panel.width(), panel.height()) / 2.0 - 3 * width;
    QPen track(QColor(0, 0, 0, 25), width);
    RingArc::draw(p, panel.center(), radius, track, 1);
    QPen ring(HexColor::colorFromHexString(QStringLiteral("0076ff")), width);
    ring.setCapStyle(Qt::RoundCap);
    RingArc::draw(p, panel.center(), radius, ring, strokeEnd_);
}

} // namespace dovrel
