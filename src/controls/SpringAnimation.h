#pragma once

#include "controls/DampedSpring.h"

#include <QPropertyAnimation>

namespace dovrel {

// A property animation that follows a damped spring instead of an easing
// curve. Its duration is the spring's settling time (times the animation
// duration factor); values overshoot the target while the spring rings and
// end exactly on it.
class SpringAnimation : public QPropertyAnimation {
    Q_OBJECT
public:
    SpringAnimation(QObject* target, const QByteArray& property, DampedSpring::Parameters spring,
                    QObject* parent = nullptr);

    const DampedSpring& spring() const { return spring_; }
    // Unscaled length of the movement in milliseconds.
    int naturalDuration() const;

protected:
    QVariant interpolated(const QVariant& from, const QVariant& to, qreal progress) const override;

private:
    DampedSpring spring_;
};

} // namespace dovrel
