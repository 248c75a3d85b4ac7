// The background of four dashed curves: the values its transitions produce
// over time (computed for given moments, no waiting), the disk ring's used
// fraction, what reduced motion changes, and how the picture follows the
// view's width.

#include "controls/AnimationView.h"
#include "controls/AnimationCurves.h"
#include "controls/Animator.h"
#include "controls/ReducedMotion.h"
#include "controls/WaitProgress.h"

#include "GuiTestSupport.h"
#include "support/TempDir.h"

#include <QAbstractAnimation>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

namespace dovrel {
namespace {

using Screen = AnimationCurves::Screen;

QString tagOf(const char* group, int curve) {
    return QString::fromLatin1(group) + QStringLiteral("_curve_") + QChar(u'A' + curve);
}

// After a transition has played out, every curve shows that row's values.
void expectSettledOn(AnimationCurves& curves, Screen screen, double at) {
    const AnimationCurves::Transition& row = AnimationCurves::transition(screen);
    const bool home = screen == Screen::Home;
    for (int i = 0; i < AnimationCurves::kCurves; ++i) {
        SCOPED_TRACE(i);
        const AnimationCurves::Curve c = curves.curve(i, at);
        EXPECT_DOUBLE_EQ(c.position, row.positions.at(std::size_t(i)));
        EXPECT_DOUBLE_EQ(c.lineSpace, row.lineSpace);
        EXPECT_DOUBLE_EQ(curves.pathWidth(i), row.curveWidth);
        EXPECT_EQ(c.phaseTag, tagOf(row.name, i));
        EXPECT_EQ(c.phaseKey, QLatin1String(home ? "@line" : "line"));
        EXPECT_DOUBLE_EQ(c.phaseSeconds, row.phaseSeconds.at(std::size_t(i)));
    }
}

TEST(AnimationCurves, StartsOutOfStepWithTheFirstPhases) {
    const QPainterPath path = AnimationCurves::curvePathWithWidth(-100, QRectF(0, 0, 500, 400));
    EXPECT_EQ(path.pointAtPercent(0), QPointF(210, 0));
    EXPECT_EQ(path.currentPosition(), QPointF(210, 400));
    EXPECT_NEAR(path.pointAtPercent(0.5).x(), 160, 0.5); // halfway to the control point's side
    EXPECT_NEAR(path.pointAtPercent(0.5).y(), 200, 0.5);

    AnimationCurves curves;
    EXPECT_DOUBLE_EQ(curves.curve(1, 0).position, 190);
    EXPECT_TRUE(curves.moving(1.0));
    // Curve A begins at 0.3 s, D only at 2.7 s: 8 s to one period of 71.
    EXPECT_EQ(curves.curve(3, 2.0).dashPhase, 0);
    EXPECT_EQ(curves.curve(3, 2.0).phaseKey, QString());
    EXPECT_EQ(curves.curve(3, 2.8).phaseKey, QLatin1String("@line"));
    EXPECT_NEAR(curves.curve(0, 4.3).dashPhase, 35.5, 1e-9);
}

TEST(AnimationCurves, OneTransitionMovesPositionAndGapAndRestartsThePhase) {
    for (Screen screen : {Screen::Home, Screen::Scan, Screen::Page, Screen::Delete, Screen::Cleaned}) {
        const AnimationCurves::Transition& row = AnimationCurves::transition(screen);
        SCOPED_TRACE(row.name);
        AnimationCurves curves;
        curves.play(screen, 10);
        // The path is replaced at once; position and gap start where they were.
        for (int i = 0; i < AnimationCurves::kCurves; ++i)
            EXPECT_DOUBLE_EQ(curves.pathWidth(i), row.curveWidth);
        EXPECT_DOUBLE_EQ(curves.curve(2, 10).position, 290);
        EXPECT_DOUBLE_EQ(curves.curve(2, 10).lineSpace, 70);
        expectSettledOn(curves, screen, 10 + std::max(row.positionSeconds, row.dashSeconds) + 3.01);
    }
}

TEST(AnimationCurves, TheScanTransitionHalfwayAndItsRacingPhase) {
    AnimationCurves curves;
    curves.play(Screen::Scan, 10);
    EXPECT_DOUBLE_EQ(curves.curve(0, 10.5).position, 75);      // 90 -> 60 in 1 s, linear
    EXPECT_DOUBLE_EQ(curves.curve(0, 11.5).lineSpace, 45);     // 70 -> 20 in 3 s
    EXPECT_EQ(curves.curve(0, 12.9).phaseTag, QString());      // still the first phase
    EXPECT_NEAR(curves.curve(0, 13.06).dashPhase, 10.5, 1e-6); // 0 -> 21 in 0.12 s from 13.0
    EXPECT_EQ(curves.frameInterval(14), 16);
}

TEST(AnimationCurves, TheLaterOfTwoQuickTransitionsWinsForEveryCurve) {
    AnimationCurves curves;
    curves.play(Screen::Scan, 10);
    curves.play(Screen::Page, 10.5); // before the scan's 3 s dash pattern ends
    for (int i = 0; i < AnimationCurves::kCurves; ++i)
        EXPECT_DOUBLE_EQ(curves.pathWidth(i), 130);
    EXPECT_NEAR(curves.curve(0, 10.6).position, 42.5, 1e-9); // from 75 on to 10 in 0.2 s
    // The replaced scan pattern reports its stop: a racing phase to 1 + 90.
    const AnimationCurves::Curve between = curves.curve(1, 10.55);
    EXPECT_EQ(between.phaseTag, QLatin1String("scan_view_curve_B"));
    EXPECT_DOUBLE_EQ(between.phaseSeconds, 0.12);
    expectSettledOn(curves, Screen::Page, 11);
    expectSettledOn(curves, Screen::Page, 30);

    // Home after the cleaned screen: the home phase goes under "@line" and,
    // being the newest, governs over the cleaned screen's "line".
    AnimationCurves back;
    back.play(Screen::Cleaned, 10);
    back.play(Screen::Home, 10.1);
    EXPECT_EQ(back.curve(0, 10.2).phaseTag, QLatin1String("cleaned_view_curve_A"));
    expectSettledOn(back, Screen::Home, 12.2);
    EXPECT_EQ(back.lastTransition(), QLatin1String("home"));
    EXPECT_EQ(back.transitionCount(), 2);
}

TEST(AnimationCurves, ReducedMotionJumpsToTheEndAndStandsStill) {
    AnimationCurves curves(0);
    EXPECT_FALSE(curves.moving(5));
    EXPECT_EQ(curves.curve(0, 5).dashPhase, 0);
    curves.play(Screen::Scan, 10);
    expectSettledOn(curves, Screen::Scan, 10);
    EXPECT_EQ(curves.curve(0, 10).dashPhase, 0);
    EXPECT_EQ(curves.curve(0, 99).dashPhase, 0);
    EXPECT_EQ(curves.frameInterval(10), 0);
}

TEST(ReducedMotion, TheDesktopPreferenceBecomesTheDurationFactor) {
    struct Row {
        std::optional<QByteArray> variable;
        std::optional<QString> gsettings;
        double factor;
    };
    const Row rows[] = {
        {std::nullopt, std::nullopt, 1},
        {std::nullopt, QStringLiteral("true\n"), 1},
        {std::nullopt, QStringLiteral("false\n"), 0},
        {QByteArray("0"), std::nullopt, 0},
        {QByteArray("0.5"), QStringLiteral("true\n"), 0.5},
        {QByteArray("2"), QStringLiteral("false\n"), 0},
        {QByteArray("fast"), std::nullopt, 1},
        {QByteArray("-1"), std::nullopt, 1},
        {std::nullopt, QStringLiteral("No such key “enable-animations”"), 1},
    };
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(ReducedMotion::durationFactor(row.variable, row.gsettings), row.factor)
            << (row.variable ? row.variable->constData() : "-") << " / "
            << (row.gsettings ? row.gsettings->toStdString() : "-");
}

// A stand-in gsettings first on PATH, for the time of one test.
class FakeGsettings : public ::testing::Test {
protected:
    void SetUp() override { saved = qgetenv("PATH"); }
    void TearDown() override { qputenv("PATH", saved); }
    void install(const char* body) {
        const std::filesystem::path script = dir / "gsettings";
        std::FILE* f = std::fopen(script.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fprintf(f, "#!/bin/sh\n%s\n", body);
        std::fclose(f);
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        qputenv("PATH", QByteArray(dir.path().c_str()) + ':' + saved);
    }
    test::TempDir dir;
    QByteArray saved;
};

TEST_F(FakeGsettings, TheDesktopIsAskedAndASilentOrBrokenAnswerMeansMotion) {
    qunsetenv("QT_ANIMATION_DURATION_FACTOR");
    install("echo false");
    EXPECT_EQ(ReducedMotion::desktopDurationFactor(2000), 0);
    install("exec sleep 5"); // no answer in time
    EXPECT_EQ(ReducedMotion::readEnableAnimations(100), std::nullopt);
    EXPECT_EQ(ReducedMotion::desktopDurationFactor(100), 1);
    install("echo 'No such schema' >&2; exit 1");
    EXPECT_EQ(ReducedMotion::desktopDurationFactor(2000), 1);
    qputenv("PATH", QByteArray(dir.path().c_str()) + "/none"); // no gsettings at all
    EXPECT_EQ(ReducedMotion::readEnableAnimations(100), std::nullopt);
}

class MotionTest : public ::testing::Test {
protected:
    void TearDown() override { Animator::setDurationFactor(1); }
};

TEST_F(MotionTest, TheBackgroundRedrawsOnlyWhileShownAndMoving) {
    Animator::setDurationFactor(1);
    double clock = 10;
    AnimationView view(nullptr, [&] { return clock; });
    view.resize(600, 400);
    EXPECT_FALSE(view.ticking());
    view.show();
    EXPECT_TRUE(view.ticking());
    EXPECT_EQ(view.grab().toImage().pixelColor(590, 390), QColor(0x51, 0x53, 0x60));
    view.hide();
    EXPECT_FALSE(view.ticking());
    view.animation_for_home_view(); // hidden: placed, but nothing runs
    EXPECT_FALSE(view.ticking());

    Animator::setDurationFactor(0);
    AnimationView still(nullptr, [&] { return clock; });
    still.show();
    still.animation_for_scan_view();
    EXPECT_FALSE(still.ticking());
    expectSettledOn(still.curves(), Screen::Scan, clock);
}

// Columns of the first row where the picture is not the window colour,
// grouped into the centres of the curves' first dots.
std::vector<int> topDots(const QImage& image) {
    std::vector<int> centres;
    int from = -1;
    for (int x = 0; x <= image.width(); ++x) {
        const bool dot = x < image.width() && image.pixelColor(x, 1) != QColor(0x51, 0x53, 0x60);
        if (dot && from < 0)
            from = x;
        if (!dot && from >= 0) {
            centres.push_back((from + x - 1) / 2);
            from = -1;
        }
    }
    return centres;
}

TEST_F(MotionTest, TheCurvesStretchWithTheViewsWidth) {
    Animator::setDurationFactor(0); // a still picture
    const auto at = [](int width) {
        AnimationView view(nullptr, [] { return 10.0; });
        view.resize(width, 500);
        view.animation_for_page_view();
        return topDots(view.grab().toImage());
    };
    const std::vector<int> normal = at(780); // the window's default width
    ASSERT_EQ(normal.size(), std::size_t(AnimationCurves::kCurves));
    const std::vector<int> wide = at(1560);
    ASSERT_EQ(wide.size(), normal.size());
    for (std::size_t i = 0; i < normal.size(); ++i) {
        EXPECT_NEAR(normal[i], AnimationCurves::transition(Screen::Page).positions.at(i), 2) << i;
        EXPECT_NEAR(wide[i], 2 * normal[i], 3) << i;
    }
}

TEST_F(MotionTest, EndlessAnimationsPauseWhileHiddenAndStandStillWithoutMotion) {
    Animator::setDurationFactor(1);
    WaitProgress spinner;
    auto* turn = spinner.findChild<QAbstractAnimation*>();
    ASSERT_NE(turn, nullptr);
    EXPECT_EQ(turn->state(), QAbstractAnimation::Paused); // never shown yet
    spinner.show();
    EXPECT_EQ(turn->state(), QAbstractAnimation::Running);
    spinner.hide();
    EXPECT_EQ(turn->state(), QAbstractAnimation::Paused);

    Animator::setDurationFactor(0);
    WaitProgress still;
    still.show();
    EXPECT_EQ(still.findChild<QAbstractAnimation*>(), nullptr);
    EXPECT_EQ(still.rotation(), 0);
}

} // namespace
} // namespace dovrel
