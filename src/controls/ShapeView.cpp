#include "controls/ShapeView.h"

#include "controls/Animator.h"
#include "controls/RingArc.h"
#include "engine/Cleaner.h"
#include "platform/VolumeCapacity.h"
#include "platform/gui/HexColor.h"

#include <QMouseEvent>
#include <QPainter>

namespace dovrel {

namespace {

constexpr qreal kStartTurn = (1.0 - ShapeView::kChartLength) / 2 + 0.5; // gap centred at the bottom
constexpr qreal kWidth = 8;

std::optional<float> homeFraction() {
    const Cleaner* cleaner = Cleaner::sharedCleaner();
    if (cleaner == nullptr || !cleaner->url_home)
        return std::nullopt;
    return VolumeCapacity::of(*cleaner->url_home).usedFraction();
}

} // namespace

ShapeView::ShapeView(QWidget* parent, FractionSource source)
    : QWidget(parent), source_(source ? std::move(source) : FractionSource(homeFraction)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void ShapeView::setChartEnd(qreal value) {
    chartEnd_ = value;
    update();
}

void ShapeView::setUsedEnd(qreal value) {
    usedEnd_ = value;
    update();
}

void ShapeView::animate() {
    used_ = source_();
    setUsedEnd(0);
    Animator::basic(
        this, "chartEnd", 0.0, kChartLength, 2000, QEasingCurve::Linear,
        [this] {
            if (used_)
                Animator::basic(this, "usedEnd", 0.0, qreal(*used_), 2000, QEasingCurve::Linear, {},
                                QStringLiteral("used"));
        },
        QStringLiteral("chart"));
}

void ShapeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        animate();
    QWidget::mousePressEvent(event);
}

void ShapeView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPointF c = QRectF(rect()).center();
    const qreal radius = std::min(width(), height()) / 2.0 - kWidth;
    QColor track(Qt::white);
    track.setAlphaF(0.25f);
    QPen chart(track, kWidth);
    chart.setCapStyle(Qt::RoundCap);
    // chartEnd is the share of a whole turn.
    RingArc::draw(p, c, radius, chart, chartEnd_, kStartTurn);
    if (!used_)
        return;
    QLinearGradient blue(c.x() - radius, c.y() + radius, c.x() + radius, c.y() - radius);
    blue.setColorAt(0, HexColor::colorFromHexString(QStringLiteral("0076ff")));
    blue.setColorAt(1, HexColor::colorFromHexString(QStringLiteral("2bbcff")));
    QPen used(QBrush(blue), kWidth);
    used.setCapStyle(Qt::RoundCap);
    RingArc::draw(p, c, radius, used, usedEnd_, kStartTurn, kChartLength);
    if (usedEnd_ >= *used_ && chartEnd_ >= kChartLength) {
        QFont font = this->font();
        font.setPointSizeF(font.pointSizeF() * 1.5);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("%1 %").arg(qRound(*used_ * 100)));
    }
}

} // namespace dovrel
