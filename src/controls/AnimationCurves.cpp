#include "controls/AnimationCurves.h"

#include "controls/Animator.h"

#include <QEasingCurve>

#include <algorithm>
#include <cmath>

namespace dovrel {

namespace {

constexpr double kNoBegin = -1;
constexpr char kCurveNames[AnimationCurves::kCurves] = {'A', 'B', 'C', 'D'};

const AnimationCurves::Transition kTransitions[] = {
    {"home_view",
     100,
     -100,
     {90, 190, 290, 390},
     2.0,
     false,
     0.35,
     {10, 10, 10, 10},
     {kNoBegin, kNoBegin, kNoBegin, kNoBegin}},
    {"scan_view",
     20,
     60,
     {60, 150, 240, 330},
     1.0,
     false,
     3.0,
     {0.12, 0.12, 0.12, 0.12},
     {kNoBegin, kNoBegin, kNoBegin, kNoBegin}},
    {"page_view",
     90,
     130,
     {10, 110, 210, 310},
     0.2,
     false,
     0.2,
     {4, 8, 12, 4},
     {kNoBegin, kNoBegin, kNoBegin, kNoBegin}},
    {"delete_view",
     20,
     -60,
     {90, 180, 270, 360},
     1.0,
     false,
     2.0,
     {0.1, 0.1, 0.1, 0.1},
     {kNoBegin, kNoBegin, kNoBegin, kNoBegin}},
    // Curve B's phase of the cleaned screen begins at 3.0 s on the view's
    // clock, which has always passed by then: it runs ahead of the others.
    {"cleaned_view",
     70,
     24,
     {60, 160, 260, 360},
     0.5,
     true,
     0.2,
     {1, 4, 4, 1},
     {kNoBegin, 3.0, kNoBegin, kNoBegin}},
};

// The first phase animations: 8 s to one period of the starting pattern,
// beginning out of step.
constexpr double kFirstPhaseSeconds = 8.0;
constexpr double kFirstPhaseBegins[AnimationCurves::kCurves] = {0.3, 1.0, 2.0, 2.7};

QString groupOf(const QString& tag) {
    const qsizetype cut = tag.indexOf(QLatin1String("_curve_"));
    return cut < 0 ? QString() : tag.left(cut);
}

} // namespace

const AnimationCurves::Transition& AnimationCurves::transition(Screen screen) {
    return kTransitions[static_cast<int>(screen)];
}

QPainterPath AnimationCurves::curvePathWithWidth(double width, const QRectF& bounds) {
    const double h = bounds.height();
    QPainterPath path;
    path.moveTo(kAxis, 0);
    path.quadTo(kAxis + width, h / 2, kAxis, h);
    path.moveTo(kAxis, h);
    return path;
}

double AnimationCurves::Tween::at(double t) const {
    if (seconds <= 0 || t >= begin + seconds)
        return to;
    if (t <= begin)
        return from;
    double p = (t - begin) / seconds;
    if (easeIn) {
        static const QEasingCurve curve = Animator::easeIn();
        p = curve.valueForProgress(p);
    }
    return from + (to - from) * p;
}

double AnimationCurves::Phase::at(double t) const {
    if (still || seconds <= 0 || t <= begin)
        return from;
    const double cycles = (t - begin) / seconds;
    return from + (to - from) * (cycles - std::floor(cycles));
}

const AnimationCurves::Phase* AnimationCurves::State::governing(double t) const {
    const Phase* best = nullptr;
    for (const std::optional<Phase>* slot : {&homePhase, &phase})
        if (*slot && (*slot)->begun(t) && (best == nullptr || (*slot)->order > best->order))
            best = &**slot;
    return best;
}

AnimationCurves::AnimationCurves(double durationFactor) : factor_(std::max(0.0, durationFactor)) {
    for (int i = 0; i < kCurves; ++i) {
        State& s = states_.at(static_cast<std::size_t>(i));
        s.position = {positions_.at(static_cast<std::size_t>(i)), positions_.at(static_cast<std::size_t>(i)),
                      0, 0, false};
        s.gap = {lineSpace_, lineSpace_, 0, 0, false};
        addPhase(i, true, kLineDash + lineSpace_, kFirstPhaseSeconds, kFirstPhaseBegins[i], QString());
    }
}

void AnimationCurves::addPhase(int index, bool home, double to, double seconds, double begin,
                               const QString& tag) {
    Phase phase;
    phase.from = 0; // the layer's own phase, which no animation changes
    phase.to = to;
    phase.begin = begin;
    // Standing still keeps the nominal duration, for those who ask.
    phase.still = factor_ <= 0;
    phase.seconds = phase.still ? seconds : seconds * factor_;
    phase.tag = tag;
    phase.order = ++order_;
    State& s = states_.at(static_cast<std::size_t>(index));
    (home ? s.homePhase : s.phase) = phase;
}

void AnimationCurves::animationDidStop(int index, const QString& tag, double at) {
    const QString group = groupOf(tag);
    for (const Transition& row : kTransitions) {
        if (group != QLatin1String(row.name))
            continue;
        const auto i = static_cast<std::size_t>(index);
        const double begin = row.phaseBegins.at(i) >= 0 ? row.phaseBegins.at(i) : at;
        addPhase(index, group == QLatin1String("home_view"), kLineDash + lineSpace_, row.phaseSeconds.at(i),
                 begin, tag);
        return;
    }
}

void AnimationCurves::setDurationFactor(double factor) {
    factor_ = std::max(0.0, factor);
}

void AnimationCurves::advance(double now) {
    clock_ = std::max(clock_, now);
    for (int i = 0; i < kCurves; ++i) {
        State& s = states_.at(static_cast<std::size_t>(i));
        if (s.pendingTag && !s.gap.running(clock_)) {
            const QString tag = *s.pendingTag;
            s.pendingTag.reset();
            animationDidStop(i, tag, s.gap.begin + s.gap.seconds);
        }
    }
}

void AnimationCurves::play(Screen screen, double now) {
    advance(now);
    now = clock_;
    const Transition& row = transition(screen);
    lineSpace_ = row.lineSpace;
    curveWidth_ = row.curveWidth;
    positions_ = row.positions;
    for (int i = 0; i < kCurves; ++i) {
        const auto k = static_cast<std::size_t>(i);
        State& s = states_.at(k);
        pathWidths_.at(k) = curveWidth_;
        s.position = {s.position.at(now), positions_.at(k), now, row.positionSeconds * factor_, row.easeIn};
        s.gap = {s.gap.at(now), lineSpace_, now, row.dashSeconds * factor_, false};
        const std::optional<QString> replaced = s.pendingTag;
        s.pendingTag =
            QString::fromLatin1(row.name) + QStringLiteral("_curve_") + QChar::fromLatin1(kCurveNames[k]);
        // The replaced dash-pattern animation reports its stop too.
        if (replaced)
            animationDidStop(i, *replaced, now);
    }
    last_ = QString::fromLatin1(row.name).chopped(5); // "home_view" -> "home"
    ++count_;
    advance(now);
}

AnimationCurves::Curve AnimationCurves::curve(int index, double now) {
    advance(now);
    const State& s = states_.at(static_cast<std::size_t>(index));
    Curve c;
    c.position = s.position.at(clock_);
    c.lineSpace = s.gap.at(clock_);
    if (const Phase* phase = s.governing(clock_)) {
        c.dashPhase = phase->at(clock_);
        c.phaseKey = QString::fromLatin1(s.homePhase && phase == &*s.homePhase ? kHomePhaseKey : kPhaseKey);
        c.phaseTag = phase->tag;
        c.phaseSeconds = phase->seconds;
    }
    return c;
}

bool AnimationCurves::moving(double now) {
    return frameInterval(now) > 0;
}

int AnimationCurves::frameInterval(double now) {
    advance(now);
    bool any = false;
    double fastest = 0; // pixels a second
    for (const State& s : states_) {
        if (s.position.running(clock_) || s.gap.running(clock_))
            return 16;
        for (const std::optional<Phase>* slot : {&s.homePhase, &s.phase}) {
            if (!*slot || (*slot)->still || (*slot)->seconds <= 0)
                continue;
            // A phase that an newer one hides does not move anything.
            const Phase* shown = s.governing(clock_);
            if ((*slot)->begun(clock_) && shown != &**slot)
                continue;
            any = true;
            if (shown == &**slot)
                fastest = std::max(fastest, std::abs((*slot)->to - (*slot)->from) / (*slot)->seconds);
        }
    }
    if (!any)
        return 0;
    if (fastest <= 0)
        return 100;
    return std::clamp(static_cast<int>(1000.0 / fastest), 16, 100);
}

} // namespace dovrel
