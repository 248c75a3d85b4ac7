#include "controls/DashView.h"

#include "controls/Animator.h"
#include "controls/RingArc.h"

#include <QMouseEvent>
#include <QPainter>

namespace dovrel {

DashView::DashView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void DashView::setDashPhase(qreal value) {
    phase_ = value;
    update();
}

void DashView::animate() {
    Animator::endless(this, "dashPhase", 0.0, kDash + kGap, 1000, QEasingCurve::Linear, false,
                      QStringLiteral("dash"));
}

void DashView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        animate();
    QWidget::mousePressEvent(event);
}

void DashView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen(RingArc::systemPink(), kLineWidth);
    pen.setCapStyle(Qt::FlatCap);
    // Qt measures dashes in pen widths.
    pen.setDashPattern({kDash / kLineWidth, kGap / kLineWidth});
    pen.setDashOffset(phase_ / kLineWidth);
    RingArc::draw(p, QRectF(rect()).center(), std::min(width(), height()) / 2.0 - kLineWidth, pen, 1);
}

} // namespace dovrel
