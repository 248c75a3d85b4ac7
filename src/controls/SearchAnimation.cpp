#include "controls/SearchAnimation.h"

#include "controls/Animator.h"
#include "controls/SpringAnimation.h"

#include <QPainter>
#include <QPauseAnimation>
#include <QSequentialAnimationGroup>

namespace dovrel {

namespace {

constexpr int kDelays[] = {200, 350, 480, 620}; // dots B, C, D, E
constexpr const char* kNames[] = {"objectB", "objectC", "objectD", "objectE"};

DampedSpring::Parameters dotSpring() {
    DampedSpring::Parameters p = DampedSpring::fromSpeedAndBounciness(2, 8);
    p.mass = 1.2;
    p.friction = 14;
    return p;
}

} // namespace

SearchAnimation::SearchAnimation(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    for (int i = 0; i < 4; ++i) {
        // Down and back up along the spring, forever, after the dot's delay.
        auto* down = new SpringAnimation(this, kNames[i], dotSpring());
        down->setStartValue(kRest);
        down->setEndValue(kLow);
        auto* up = new SpringAnimation(this, kNames[i], dotSpring());
        up->setStartValue(kLow);
        up->setEndValue(kRest);
        auto* bounce = new QSequentialAnimationGroup;
        bounce->addAnimation(down);
        bounce->addAnimation(up);
        bounce->setLoopCount(-1);
        auto* run = new QSequentialAnimationGroup;
        run->addPause(kDelays[i]);
        run->addAnimation(bounce);
        Animator::endless(this, run, QString::fromLatin1(kNames[i]));
    }
}

void SearchAnimation::setDot(int index, qreal y) {
    y_.at(static_cast<std::size_t>(index)) = y;
    update();
}

void SearchAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const qreal radius = 5;
    const qreal step = 24;
    const qreal left = width() / 2.0 - 2 * step;
    for (std::size_t i = 0; i < y_.size(); ++i) {
        const QPointF c(left + static_cast<qreal>(i) * step, y_[i]);
        p.setBrush(QColor(0, 0, 0, 60)); // the shadow
        p.drawEllipse(c + QPointF(0, 1.5), radius + 1, radius + 1);
        p.setBrush(Qt::white);
        p.drawEllipse(c, radius, radius);
    }
}

} // namespace dovrel
