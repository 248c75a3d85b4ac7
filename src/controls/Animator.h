#pragma once

#include "controls/DampedSpring.h"

#include <QByteArray>
#include <QEasingCurve>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <functional>

class QAbstractAnimation;
class QObject;
class QVariantAnimation;

namespace dovrel {

// The one place that starts the interface's animations.
//
// Every animation animates one Qt property of a target object and belongs to
// that target (it dies with it). A key names an animation slot of the
// target: starting an animation under a key stops the one running there, and
// the stopped one's completion does not run.
//
// A global duration factor scales every duration. With factor 0 (tests, or
// the desktop asking for reduced motion, see ReducedMotion) nothing is
// animated: the property is set to its end value and the completion runs
// before the call returns; the call then returns null. Endless animations
// then stand still.
//
// Endless animations run only while their widget is shown: hiding the widget
// (or a parent, or minimising the window) pauses them, showing it resumes.
class Animator {
public:
    using Completion = std::function<void()>;

    // The platform's named timing curves (cubic Bézier curves).
    static QEasingCurve easeIn();
    static QEasingCurve easeOut();
    static QEasingCurve easeInEaseOut();

    static void setDurationFactor(double factor);
    static double durationFactor();
    // Sets the factor from the desktop's motion preference (ReducedMotion).
    static void followDesktop();
    // True when nothing may move (factor 0).
    static bool motionStopped() { return durationFactor() <= 0; }

    // Animates `property` from `from` (an invalid QVariant: from the current
    // value) to `to` over `milliseconds` with the easing curve.
    static QVariantAnimation* basic(QObject* target, const QByteArray& property, const QVariant& from,
                                    const QVariant& to, int milliseconds,
                                    QEasingCurve easing = QEasingCurve::InOutQuad, Completion completion = {},
                                    const QString& key = {});

    // Animates `property` from `from` to `to` along a damped spring.
    static QVariantAnimation* spring(QObject* target, const QByteArray& property, const QVariant& from,
                                     const QVariant& to, DampedSpring::Parameters spring,
                                     Completion completion = {}, const QString& key = {});

    // Same with the spring named by speed and bounciness.
    static QVariantAnimation* spring(QObject* target, const QByteArray& property, const QVariant& from,
                                     const QVariant& to, double speed, double bounciness,
                                     Completion completion = {}, const QString& key = {});

    // Animates `property` through key values (step 0..1 -> value); the
    // property ends on the value of the last step.
    static QVariantAnimation* keyframes(QObject* target, const QByteArray& property,
                                        const QList<QPair<qreal, QVariant>>& steps, int milliseconds,
                                        Completion completion = {}, const QString& key = {});

    // Runs `animation` forever (its loop count is set to -1); it becomes a
    // child of `target`. The widget `target` is, or the nearest widget that
    // owns it, pauses it while hidden. With factor 0 the animation is deleted
    // at once and null returned: whatever it animates keeps its value.
    static QAbstractAnimation* endless(QObject* target, QAbstractAnimation* animation,
                                       const QString& key = {});

    // Animates `property` from `from` to `to` over `milliseconds`, again and
    // again (with `reversing`, back and forth). With factor 0 the property is
    // set to `from` and stays.
    static QAbstractAnimation* endless(QObject* target, const QByteArray& property, const QVariant& from,
                                       const QVariant& to, int milliseconds,
                                       QEasingCurve easing = QEasingCurve::Linear, bool reversing = false,
                                       const QString& key = {});

    // Stops the animation under `key` of `target`, if any, without running
    // its completion. The property keeps its current value.
    static void stop(QObject* target, const QString& key);

    // The running animation under `key`, or null.
    static QVariantAnimation* running(QObject* target, const QString& key);

private:
    static QVariantAnimation* start(QObject* target, QVariantAnimation* animation, const QVariant& to,
                                    Completion completion, const QString& key);
};

} // namespace dovrel
