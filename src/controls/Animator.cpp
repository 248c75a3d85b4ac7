#include "controls/Animator.h"

#include "controls/SpringAnimation.h"

#include <QPointF>
#include <QPointer>
#include <QPropertyAnimation>

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

QVariantAnimation* Animator::running(QObject* target, const QString& key) {
    if (target == nullptr || key.isEmpty())
        return nullptr;
    return target->findChild<QVariantAnimation*>(slotName(key), Qt::FindDirectChildrenOnly);
}

void Animator::stop(QObject* target, const QString& key) {
    if (QVariantAnimation* old = running(target, key)) {
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

} // namespace dovrel
