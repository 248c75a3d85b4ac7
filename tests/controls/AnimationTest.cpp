#include "controls/Animator.h"
#include "controls/DampedSpring.h"
#include "controls/SpringAnimation.h"

#include "GuiTestSupport.h"

#include <QVariantAnimation>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace dovrel {
namespace {

double peak(const DampedSpring& spring) {
    double top = 0;
    for (double t = 0; t < 5; t += 0.001)
        top = std::max(top, spring.progressAt(t));
    return top;
}

TEST(DampedSpring, StartsAtRestAndSettlesOnTheTarget) {
    const DampedSpring spring(DampedSpring::fromSpeedAndBounciness(20, 16));
    EXPECT_DOUBLE_EQ(spring.progressAt(0), 0);
    EXPECT_NEAR(spring.progressAt(0.001), 0, 1e-3); // released at rest: barely moved
    const double settle = spring.settlingTime();
    ASSERT_GT(settle, 0.1);
    ASSERT_LT(settle, 10);
    for (double t = settle; t < settle + 2; t += 0.01)
        EXPECT_NEAR(spring.progressAt(t), 1.0, 0.002) << "t=" << t;
}

TEST(DampedSpring, BouncinessMakesItOvershootAndNoBouncinessDoesNot) {
    const DampedSpring bouncy(DampedSpring::fromSpeedAndBounciness(20, 16));
    const DampedSpring calm(DampedSpring::fromSpeedAndBounciness(20, 0));
    EXPECT_LT(bouncy.dampingRatio(), 1.0);
    EXPECT_GT(peak(bouncy), 1.05);
    EXPECT_LE(peak(calm), 1.01);
}

TEST(DampedSpring, MoreSpeedIsStifferAndMoreBouncinessLessFriction) {
    const auto slow = DampedSpring::fromSpeedAndBounciness(4, 8);
    const auto fast = DampedSpring::fromSpeedAndBounciness(20, 8);
    EXPECT_GT(fast.tension, slow.tension);
    const auto firm = DampedSpring::fromSpeedAndBounciness(12, 0);
    const auto loose = DampedSpring::fromSpeedAndBounciness(12, 20);
    EXPECT_EQ(firm.tension, loose.tension);
    EXPECT_GT(firm.friction, loose.friction);
    EXPECT_GT(loose.friction, 0);
}

TEST(DampedSpring, OverdampedAndDegenerateSpringsStayFinite) {
    const DampedSpring heavy({100, 200, 1});
    EXPECT_GT(heavy.dampingRatio(), 1);
    EXPECT_LE(peak(heavy), 1.0 + 1e-9);
    EXPECT_LE(heavy.settlingTime(), 10);
    const DampedSpring none({0, 0, 0});
    EXPECT_EQ(none.settlingTime(), 0);
    const DampedSpring undamped({100, 0, 1});
    EXPECT_EQ(undamped.settlingTime(), 10); // never settles: bounded
}

class AnimatorTest : public ::testing::Test {
protected:
    void TearDown() override { Animator::setDurationFactor(1); }
    QWidget widget;
};

TEST_F(AnimatorTest, FactorZeroSetsTheEndValueAndCompletesAtOnce) {
    Animator::setDurationFactor(0);
    int done = 0;
    QVariantAnimation* a = Animator::basic(&widget, "pos", QPoint(0, 0), QPoint(40, 7), 500,
                                           QEasingCurve::Linear, [&] { ++done; });
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(widget.pos(), QPoint(40, 7));
    EXPECT_EQ(done, 1);
    QVariantAnimation* s =
        Animator::spring(&widget, "pos", QPoint(-10, 0), QPoint(19, 0), 20, 16, [&] { ++done; });
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(widget.pos(), QPoint(19, 0));
    EXPECT_EQ(done, 2);
}

TEST_F(AnimatorTest, DurationsAreScaledByTheFactor) {
    Animator::setDurationFactor(0.5);
    QVariantAnimation* a = Animator::basic(&widget, "pos", QPoint(0, 0), QPoint(10, 0), 400);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->duration(), 200);
    EXPECT_EQ(a->state(), QAbstractAnimation::Running);
}

TEST_F(AnimatorTest, AKeyedAnimationReplacesTheRunningOneWithoutItsCompletion) {
    int first = 0, second = 0;
    Animator::basic(
        &widget, "pos", QPoint(0, 0), QPoint(100, 0), 10000, QEasingCurve::Linear, [&] { ++first; },
        QStringLiteral("move"));
    QVariantAnimation* replacement = Animator::basic(
        &widget, "pos", QVariant(), QPoint(5, 5), 30, QEasingCurve::Linear, [&] { ++second; },
        QStringLiteral("move"));
    EXPECT_EQ(Animator::running(&widget, QStringLiteral("move")), replacement);
    ASSERT_TRUE(test::waitFor([&] { return second == 1; }, 3000));
    test::spin(20);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(widget.pos(), QPoint(5, 5));
    EXPECT_EQ(Animator::running(&widget, QStringLiteral("move")), nullptr);
}

TEST_F(AnimatorTest, ASpringOvershootsAndEndsExactlyOnTheTarget) {
    int lowest = 1000, highest = -1000;
    bool finished = false;
    QVariantAnimation* a =
        Animator::spring(&widget, "pos", QPoint(-10, 0), QPoint(19, 0), 20, 16, [&] { finished = true; });
    ASSERT_NE(a, nullptr);
    QObject::connect(a, &QVariantAnimation::valueChanged, &widget, [&](const QVariant& v) {
        highest = std::max(highest, v.toPoint().x());
        lowest = std::min(lowest, v.toPoint().x());
    });
    ASSERT_TRUE(test::waitFor([&] { return finished; }, 10000));
    EXPECT_EQ(widget.pos(), QPoint(19, 0));
    EXPECT_GT(highest, 19); // it went past the target on the way
    EXPECT_GE(lowest, -10);
}

TEST_F(AnimatorTest, KeyframesEndOnTheLastValue) {
    Animator::setDurationFactor(0);
    Animator::keyframes(&widget, "pos", {{0.0, QPoint(0, 0)}, {0.5, QPoint(-12, 0)}, {1.0, QPoint(3, 0)}},
                        400);
    EXPECT_EQ(widget.pos(), QPoint(3, 0));
}

TEST(SpringAnimation, LastsAsLongAsItsSpringNeedsToSettle) {
    QWidget w;
    SpringAnimation a(&w, "pos", DampedSpring::fromSpeedAndBounciness(20, 16));
    EXPECT_EQ(a.duration(), a.naturalDuration());
    EXPECT_NEAR(a.duration() / 1000.0, a.spring().settlingTime(), 0.001);
}

} // namespace
} // namespace dovrel
