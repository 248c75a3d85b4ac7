#pragma once

namespace dovrel {

// A damped spring of mass m pulling a value from its start to its target,
// released at rest:  m x'' + friction x' + tension x = 0, x(0) = 1, x'(0) = 0,
// where x is the remaining distance as a fraction of the whole way.
//
// Springs are usually named by speed and bounciness (both 0..20, the
// animation framework's scale). fromSpeedAndBounciness() maps them onto
// tension and friction in the manner of that framework's model: both are
// divided by 1.7 and normalised to 0..1; speed sets the tension linearly
// between 0.5 and 200 (stiffer = faster); bounciness (projected to 0..0.8)
// blends the friction, along a quadratic ease-out, from critical damping
// (bounciness 0: no overshoot) down to 0.01 (rings for long).
class DampedSpring {
public:
    struct Parameters {
        double tension = 0;
        double friction = 0;
        double mass = 1;
    };

    static Parameters fromSpeedAndBounciness(double speed, double bounciness);

    explicit DampedSpring(Parameters parameters);

    const Parameters& parameters() const { return p_; }

    // Damping ratio: below 1 the value overshoots and rings.
    double dampingRatio() const;

    // Progress along the way at `seconds` after release: 0 at the start, 1 at
    // the target, above 1 while overshooting.
    double progressAt(double seconds) const;

    // First moment after which the value stays within `tolerance` (fraction
    // of the way) of the target. Bounded to 10 seconds; 0 for a spring
    // without tension.
    double settlingTime(double tolerance = 0.002) const;

private:
    double remainingAt(double seconds) const;

    Parameters p_;
};

} // namespace dovrel
