#include "controls/Animator.h"

#include "controls/ReducedMotion.h"
#include "controls/SpringAnimation.h"
#include "controls/VisibilityPause.h"

#include <QAnimationGroup>
#include <QPauseAnimation>
#include <QPointF>
#include <QPointer>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>
#include <QWidget>

#include <atomic>
#include <cmath>

namespace dovrel {

namespace {

std::atomic<double> g_factor{1.0};

QString slotName(const QString& key) {
    return QStringLiteral("dovrel-animation:") + key;
}

} // namespace

namespace {
QEasingCurve bezier(double x1, double y1, double x2, double y2) {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(x1, y1), QPointF(x2, y2), QPointF(1, 1));
    return curve;
}
} // namespace

QEasingCurve Animator::easeIn() {
    return bezier(0.42, 0, 1, 1);
}
QEasingCurve Animator::easeOut() {
    return bezier(0, 0, 0.58, 1);
}
QEasingCurve Animator::easeInEaseOut() {
    return bezier(0.42, 0, 0.58, 1);
}

void Animator::setDurationFactor(double factor) {
    if (!(factor >= 0))
        factor = 0;
    g_factor.store(factor, std::memory_order_relaxed);
}

double Animator::durationFactor() {
    return g_factor.load(std::memory_order_relaxed);
}

void Animator::followDesktop() {
    setDurationFactor(ReducedMotion::desktopDurationFactor());
}

QVariantAnimation* Animator::running(QObject* target, const QString& key) {
    if (target == nullptr || key.isEmpty())
        return nullptr;
    return target->findChild<QVariantAnimation*>(slotName(key), Qt::FindDirectChildrenOnly);
}

void Animator::stop(QObject* target, const QString& key) {
    if (target == nullptr || key.isEmpty())
        return;
    if (auto* old = target->findChild<QAbstractAnimation*>(slotName(key), Qt::FindDirectChildrenOnly)) {
        old->setObjectName(QString());
        old->disconnect(); // its completion must not run
        old->stop();
        old->deleteLater();
    }
}

QVariantAnimation* Animator::start(QObject* target, QVariantAnimation* animation, const QVariant& to,
                                   Completion completion, const QString& key) {
    if (!key.isEmpty()) {
        stop(target, key);
        animation->setObjectName(slotName(key));
    }
    const double factor = durationFactor();
    if (factor <= 0 || animation->duration() <= 0) {
        if (auto* property = qobject_cast<QPropertyAnimation*>(animation))
            target->setProperty(property->propertyName().constData(), to);
        delete animation;
        if (completion)
            completion();
        return nullptr;
    }
    animation->setDuration(static_cast<int>(std::lround(animation->duration() * factor)));
    QObject::connect(animation, &QVariantAnimation::finished, animation, [animation, completion] {
        animation->setObjectName(QString());
        animation->deleteLater();
        if (completion)
            completion();
    });
    animation->start();
    return animation;
}

QVariantAnimation* Animator::basic(QObject* target, const QByteArray& property, const QVariant& from,
                                   const QVariant& to, int milliseconds, QEasingCurve easing,
                                   Completion completion, const QString& key) {
    if (target == nullptr)
        return nullptr;
    auto* animation = new QPropertyAnimation(target, property, target);
    if (from.isValid())
        animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setDuration(std::max(0, milliseconds));
    animation->setEasingCurve(easing);
    if (from.isValid())
        target->setProperty(property.constData(), from);
    return start(target, animation, to, std::move(completion), key);
}

QVariantAnimation* Animator::keyframes(QObject* target, const QByteArray& property,
                                       const QList<QPair<qreal, QVariant>>& steps, int milliseconds,
                                       Completion completion, const QString& key) {
    if (target == nullptr || steps.isEmpty())
        return nullptr;
    auto* animation = new QPropertyAnimation(target, property, target);
    for (const auto& [step, value] : steps)
        animation->setKeyValueAt(step, value);
    animation->setDuration(std::max(0, milliseconds));
    return start(target, animation, steps.constLast().second, std::move(completion), key);
}

QVariantAnimation* Animator::spring(QObject* target, const QByteArray& property, const QVariant& from,
                                    const QVariant& to, DampedSpring::Parameters parameters,
                                    Completion completion, const QString& key) {
    if (target == nullptr)
        return nullptr;
    auto* animation = new SpringAnimation(target, property, parameters, target);
    if (from.isValid()) {
        animation->setStartValue(from);
        target->setProperty(property.constData(), from);
    }
    animation->setEndValue(to);
    return start(target, animation, to, std::move(completion), key);
}

QVariantAnimation* Animator::spring(QObject* target, const QByteArray& property, const QVariant& from,
                                    const QVariant& to, double speed, double bounciness,
                                    Completion completion, const QString& key) {
    return spring(target, property, from, to, DampedSpring::fromSpeedAndBounciness(speed, bounciness),
                  std::move(completion), key);
}

namespace {

// Scales the durations of a plain animation or of every animation in a group.
void scaleDurations(QAbstractAnimation* animation, double factor) {
    if (auto* group = qobject_cast<QAnimationGroup*>(animation)) {
        for (int i = 0; i < group->animationCount(); ++i)
            scaleDurations(group->animationAt(i), factor);
    } else if (auto* variant = qobject_cast<QVariantAnimation*>(animation)) {
        variant->setDuration(std::max(1, static_cast<int>(std::lround(variant->duration() * factor))));
    } else if (auto* pause = qobject_cast<QPauseAnimation*>(animation)) {
        pause->setDuration(static_cast<int>(std::lround(pause->duration() * factor)));
    }
}

QWidget* owningWidget(QObject* object) {
    for (; object != nullptr; object = object->parent())
        if (auto* widget = qobject_cast<QWidget*>(object))
            return widget;
    return nullptr;
}

} // namespace

QAbstractAnimation* Animator::endless(QObject* target, QAbstractAnimation* animation, const QString& key) {
    if (target == nullptr || animation == nullptr) {
        delete animation;
        return nullptr;
    }
    if (!key.isEmpty())
        stop(target, key);
    const double factor = durationFactor();
    if (factor <= 0) {
        delete animation;
        return nullptr;
    }
    if (!key.isEmpty())
        animation->setObjectName(slotName(key));
    animation->setParent(target);
    if (factor != 1)
        scaleDurations(animation, factor);
    animation->setLoopCount(-1);
    animation->start();
    VisibilityPause::attach(owningWidget(target), animation);
    return animation;
}

QAbstractAnimation* Animator::endless(QObject* target, const QByteArray& property, const QVariant& from,
                                      const QVariant& to, int milliseconds, QEasingCurve easing,
                                      bool reversing, const QString& key) {
    if (target == nullptr)
        return nullptr;
    target->setProperty(property.constData(), from);
    if (motionStopped()) {
        stop(target, key);
        return nullptr;
    }
    auto* forward = new QPropertyAnimation(target, property);
    forward->setDuration(std::max(1, milliseconds));
    forward->setEasingCurve(easing);
    forward->setStartValue(from);
    forward->setEndValue(to);
    if (!reversing)
        return endless(target, forward, key);
    auto* back = new QPropertyAnimation(target, property);
    back->setDuration(forward->duration());
    back->setEasingCurve(easing);
    back->setStartValue(to);
    back->setEndValue(from);
    auto* animation = new QSequentialAnimationGroup;
    animation->addAnimation(forward);
    animation->addAnimation(back);
    return endless(target, animation, key);
}

} // namespace dovrel
