#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace dovrel {

// What the window's background of four dashed curves shows at any moment,
// without a widget (AnimationView paints it). Time is passed in, in seconds
// on the view's own clock (0 = the view was made), so the values can be
// computed for any moment.
//
// Each curve is the same quadratic path, moved sideways so that its axis
// stands at the curve's position:
//
//   x = position          (210, 0)
//      |                    \        control point (210 + curve_width, H/2)
//      )   curve_width > 0   )  ->   bulges right; < 0 bulges left
//      |                    /
//                         (210, H)
//
// Per curve three kinds of animation run, modelled on layer animations:
//  - the horizontal position ("position.x"), from the value shown when a
//    transition starts to the new position, held at its end;
//  - the gap between dashes ("lineDashPattern", key "lable"), likewise; its
//    stop (at its end, or when the next transition replaces it) starts
//  - an endless dash-phase animation ("lineDashPhase") from the layer's own
//    phase (0) to one dash period, whose duration depends on the stopped
//    animation's tag. Phase animations live under two keys, "@line" (the
//    first one and the home screen's) and "line" (all others); a new one
//    replaces the one under its key, and the most recently added one that
//    has begun governs the phase.
// A transition overwrites lineSpace, curve_width and the four positions and
// replaces each curve's path at once; the path itself never animates.
//
// The duration factor scales every duration when an animation is added; at
// factor 0 a transition jumps to its end state and the endless phase
// animations stand still.
class AnimationCurves {
public:
    enum class Screen { Home, Scan, Page, Delete, Cleaned };

    // One row of the transition table.
    struct Transition {
        const char* name; // tag group: "home_view", "scan_view", ...
        double lineSpace;
        double curveWidth;
        std::array<double, 4> positions;
        double positionSeconds;
        bool easeIn; // position timing: ease-in, else linear
        double dashSeconds;
        std::array<double, 4> phaseSeconds; // the phase restarted after it, per curve
        std::array<double, 4> phaseBegins;  // begin time of that phase animation; < 0: when started
    };
    static const Transition& transition(Screen screen);

    static constexpr int kCurves = 4;
    static constexpr double kAxis = 210.0;
    // The width the positions and curve widths are laid out for (the main
    // window's default width); a view of another width stretches them.
    static constexpr double kLayoutWidth = 780.0;
    static constexpr double kLineWidth = 2.0;
    static constexpr double kLineDash = 1.0;
    static constexpr const char* kTagKey = "lable";
    static constexpr const char* kHomePhaseKey = "@line";
    static constexpr const char* kPhaseKey = "line";

    // The shared path operation: from (210, 0) to (210, H) around the control
    // point (210 + width, H / 2), ending with a move to (210, H).
    static QPainterPath curvePathWithWidth(double width, const QRectF& bounds);

    // The state of a new view: gap 70, width -100, positions 90..390, each
    // curve's first phase animation (8 s, to 71) beginning at 0.3, 1.0, 2.0
    // and 2.7 s.
    explicit AnimationCurves(double durationFactor = 1.0);

    // One of the five transitions, at `now`.
    void play(Screen screen, double now);

    // Runs the stops that are due by `now` (a dash-pattern animation that
    // reached its end starts its curve's new phase animation at that end).
    // Time never goes back: an earlier `now` than before changes nothing.
    void advance(double now);

    // What one curve shows at `now` (advances first).
    struct Curve {
        double position = 0;  // x of the curve's axis
        double lineSpace = 0; // gap between dashes
        double dashPhase = 0; // offset of the dash pattern along the path
        QString phaseKey;     // key of the governing phase animation, empty if none
        QString phaseTag;     // tag that started it ("" for the first one)
        double phaseSeconds = 0;
    };
    Curve curve(int index, double now);

    // The stored values (the last transition's, or the start values).
    double lineSpace() const { return lineSpace_; }
    double curve_width() const { return curveWidth_; }
    double position(int index) const { return positions_.at(static_cast<std::size_t>(index)); }
    // The width the curve's path was last built with (replaced at once).
    double pathWidth(int index) const { return pathWidths_.at(static_cast<std::size_t>(index)); }

    // Durations of animations added from now on are multiplied by `factor`
    // (0: no motion).
    void setDurationFactor(double factor);

    // Whether anything still changes after `now`; when not, nobody needs to
    // redraw.
    bool moving(double now);
    // How often the picture needs redrawing at `now` to move by about one
    // pixel a frame, in milliseconds (16 to 100); 0 when nothing moves.
    int frameInterval(double now);

    // The last transition's tag group, or empty before the first.
    const QString& lastTransition() const { return last_; }
    int transitionCount() const { return count_; }

private:
    struct Tween {
        double from = 0, to = 0, begin = 0, seconds = 0;
        bool easeIn = false;
        double at(double t) const;
        bool running(double t) const { return t < begin + seconds; }
    };
    struct Phase {
        double from = 0, to = 0, begin = 0, seconds = 0;
        bool still = false; // factor 0: stands at `from`
        QString tag;
        std::uint64_t order = 0;
        bool begun(double t) const { return t >= begin; }
        double at(double t) const;
    };
    struct State {
        Tween position;
        Tween gap;
        std::optional<QString> pendingTag; // dash-pattern animation still attached
        std::optional<Phase> homePhase;    // under "@line"
        std::optional<Phase> phase;        // under "line"
        const Phase* governing(double t) const;
    };

    // A dash-pattern animation with `tag` stopped at `at` (ran to its end or
    // was replaced): restarts that curve's phase as the tag's group says.
    void animationDidStop(int index, const QString& tag, double at);
    void addPhase(int index, bool home, double to, double seconds, double begin, const QString& tag);

    double factor_;
    double lineSpace_ = 70.0;
    double curveWidth_ = -100.0;
    std::array<double, 4> positions_{90.0, 190.0, 290.0, 390.0};
    std::array<double, 4> pathWidths_{-100.0, -100.0, -100.0, -100.0};
    std::array<State, 4> states_;
    std::uint64_t order_ = 0;
    double clock_ = 0;
    QString last_;
    int count_ = 0;
};

} // namespace dovrel
