#include "controls/SpringAnimation.h"

#include <cmath>

namespace dovrel {

SpringAnimation::SpringAnimation(QObject* target, const QByteArray& property, DampedSpring::Parameters spring,
                                 QObject* parent)
    : QPropertyAnimation(target, property, parent), spring_(spring) {
    setEasingCurve(QEasingCurve::Linear);
    setDuration(naturalDuration());
}

int SpringAnimation::naturalDuration() const {
    return static_cast<int>(std::lround(spring_.settlingTime() * 1000.0));
}

QVariant SpringAnimation::interpolated(const QVariant& from, const QVariant& to, qreal progress) const {
    if (progress >= 1.0)
        return to;
    // The progress is linear in time over the scaled duration; map it back to
    // the spring's own time line.
    const double seconds = progress * spring_.settlingTime();
    return QPropertyAnimation::interpolated(from, to, spring_.progressAt(seconds));
}

} // namespace dovrel
