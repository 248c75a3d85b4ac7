#pragma once

#include "controls/AnimationCurves.h"

#include <QElapsedTimer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace dovrel {

// The window's background behind both layers: the window colour with four
// dashed curves (AnimationCurves) that the root controller re-arranges each
// time it places a screen.
//
// One timer redraws the strips the curves cover, only as often as their
// fastest motion needs (about a pixel a frame) and only while the view is
// shown: a hidden or minimised window, or a picture that stands still
// (reduced motion), runs no timer at all.
class AnimationView : public QWidget {
    Q_OBJECT
public:
    // Seconds since some fixed moment; the default counts from the view's
    // creation.
    using Clock = std::function<double()>;

    explicit AnimationView(QWidget* parent = nullptr, Clock clock = {});

    void animation_for_home_view();
    void animation_for_scan_view();
    void animation_for_page_view();
    void animation_for_delete_view();
    void animation_for_cleaned_view();

    AnimationCurves& curves() { return curves_; }
    double now() const;

    // "home", "scan", "page", "delete", "cleaned", or empty before the first.
    const QString& lastAnimation() const { return curves_.lastTransition(); }
    int animationCount() const { return curves_.transitionCount(); }

    // Whether the redraw timer runs.
    bool ticking() const { return timer_.isActive(); }

    // Hex "EFF1FF" at 70 % opacity.
    static QColor strokeColor();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void play(AnimationCurves::Screen screen);
    void tick();
    void schedule();
    // One curve's path as it stands, laid out for the view's size.
    QPainterPath curvePath(int index, const AnimationCurves::Curve& curve) const;
    // Where the curves stand at `t`, with room for the line.
    QRegion curvesRegion(double t);

    AnimationCurves curves_;
    Clock clock_;
    QElapsedTimer elapsed_;
    QTimer timer_;
    // Where the picture on screen may hold curves (anything but the window
    // colour).
    QRegion painted_;
};

} // namespace dovrel
