#include "controls/ChartView.h"

#include "controls/Animator.h"
#include "controls/RingArc.h"

#include <QMouseEvent>
#include <QPainter>

namespace dovrel {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void ChartView::setStrokeEnd(qreal value) {
    strokeEnd_ = value;
    update();
}

void ChartView::animate() {
    Animator::basic(this, "strokeEnd", 0.0, 1.0, 1200, QEasingCurve::Linear, {}, QStringLiteral("stroke"));
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        animate();
    QWidget::mousePressEvent(event);
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal width = 6;
    QPen pen(RingArc::systemGreen(), width);
    pen.setCapStyle(Qt::RoundCap);
    RingArc::draw(p, QRectF(rect()).center(), std::min(this->width(), height()) / 2.0 - width, pen,
                  strokeEnd_);
}

} // namespace dovrel
