#include "controls/AnimationView.h"

#include "controls/Animator.h"
#include "platform/gui/HexColor.h"

#include <QPaintEvent>
#include <QPainter>

namespace dovrel {

AnimationView::AnimationView(QWidget* parent, Clock clock)
    : QWidget(parent), curves_(Animator::durationFactor()), clock_(std::move(clock)) {
    setObjectName(QStringLiteral("animationView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    elapsed_.start();
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &AnimationView::tick);
}

double AnimationView::now() const {
    return clock_ ? clock_() : static_cast<double>(elapsed_.nsecsElapsed()) / 1e9;
}

QColor AnimationView::strokeColor() {
    QColor c = HexColor::colorFromHexString(QStringLiteral("EFF1FF"));
    c.setAlphaF(0.7f);
    return c;
}

void AnimationView::play(AnimationCurves::Screen screen) {
    curves_.setDurationFactor(Animator::durationFactor());
    curves_.play(screen, now());
    // The paths change at once.
    update();
    schedule();
}

void AnimationView::animation_for_home_view() {
    play(AnimationCurves::Screen::Home);
}
void AnimationView::animation_for_scan_view() {
    play(AnimationCurves::Screen::Scan);
}
void AnimationView::animation_for_page_view() {
    play(AnimationCurves::Screen::Page);
}
void AnimationView::animation_for_delete_view() {
    play(AnimationCurves::Screen::Delete);
}
void AnimationView::animation_for_cleaned_view() {
    play(AnimationCurves::Screen::Cleaned);
}

QPainterPath AnimationView::curvePath(int index, const AnimationCurves::Curve& curve) const {
    // The positions and bulges are laid out for the window's default width;
    // a wider or narrower view stretches them, as the path already follows
    // the height.
    const double scale = width() / AnimationCurves::kLayoutWidth;
    QPainterPath path = AnimationCurves::curvePathWithWidth(curves_.pathWidth(index) * scale, QRectF(rect()));
    path.translate(curve.position * scale - AnimationCurves::kAxis, 0);
    return path;
}

QRegion AnimationView::curvesRegion(double t) {
    QRegion region;
    for (int i = 0; i < AnimationCurves::kCurves; ++i) {
        const double margin = AnimationCurves::kLineWidth + 1;
        region += curvePath(i, curves_.curve(i, t))
                      .controlPointRect()
                      .adjusted(-margin, -margin, margin, margin)
                      .toAlignedRect();
    }
    return region;
}

void AnimationView::tick() {
    // What the last pictures left outside the window colour, and where the
    // curves stand now: the curves may have moved on by the time the paint
    // runs, which only clips them until the next tick.
    update(painted_ + curvesRegion(now()));
    schedule();
}

void AnimationView::schedule() {
    const int interval = isVisible() ? curves_.frameInterval(now()) : 0;
    if (interval <= 0) {
        timer_.stop();
        return;
    }
    if (!timer_.isActive() || timer_.interval() != interval)
        timer_.start(interval);
}

void AnimationView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    update();
    schedule();
}

void AnimationView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_.stop();
}

void AnimationView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), HexColor::colorFromHexString(QStringLiteral("515360")));
    p.setRenderHint(QPainter::Antialiasing);
    const double t = now();
    for (int i = 0; i < AnimationCurves::kCurves; ++i) {
        const AnimationCurves::Curve c = curves_.curve(i, t);
        // Qt measures dashes in pen widths.
        QPen pen(strokeColor(), AnimationCurves::kLineWidth);
        pen.setCapStyle(Qt::RoundCap);
        pen.setDashPattern({AnimationCurves::kLineDash / AnimationCurves::kLineWidth,
                            std::max(0.01, c.lineSpace / AnimationCurves::kLineWidth)});
        pen.setDashOffset(c.dashPhase / AnimationCurves::kLineWidth);
        p.strokePath(curvePath(i, c), pen);
    }
    // Whatever paints here, the timer's or one for a control above, the next
    // tick clears what this picture drew: inside the painted area only the
    // curves as they stand now remain.
    painted_ = (painted_ - event->region()) + (curvesRegion(t) & event->region());
}

} // namespace dovrel
