#include "controls/DampedSpring.h"

#include <algorithm>
#include <cmath>

namespace dovrel {

namespace {

constexpr double kMaxSeconds = 10.0;

double normalize(double value, double start, double end) {
    return (value - start) / (end - start);
}
double projectNormal(double n, double start, double end) {
    return start + n * (end - start);
}
double mix(double t, double start, double end) {
    return t * end + (1.0 - t) * start;
}
double quadraticOut(double t, double start, double end) {
    return mix(2 * t - t * t, start, end);
}

// Friction that just avoids overshoot: critical damping, 2 sqrt(k m).
double frictionWithoutBounce(double tension, double mass) {
    return 2.0 * std::sqrt(tension * mass);
}

} // namespace

DampedSpring::Parameters DampedSpring::fromSpeedAndBounciness(double speed, double bounciness) {
    speed = std::clamp(speed, 0.0, 20.0);
    bounciness = std::clamp(bounciness, 0.0, 20.0);
    const double b = projectNormal(normalize(bounciness / 1.7, 0, 20.0), 0.0, 0.8);
    const double s = normalize(speed / 1.7, 0, 20.0);
    Parameters p;
    p.mass = 1;
    p.tension = projectNormal(s, 0.5, 200);
    p.friction = quadraticOut(b, frictionWithoutBounce(p.tension, p.mass), 0.01);
    return p;
}

DampedSpring::DampedSpring(Parameters parameters) : p_(parameters) {
    if (!(p_.mass > 0))
        p_.mass = 1;
    if (!(p_.tension >= 0))
        p_.tension = 0;
    if (!(p_.friction >= 0))
        p_.friction = 0;
}

double DampedSpring::dampingRatio() const {
    if (p_.tension <= 0)
        return 1;
    return p_.friction / (2.0 * std::sqrt(p_.tension * p_.mass));
}

double DampedSpring::remainingAt(double t) const {
    if (p_.tension <= 0)
        return 0; // no spring: the value is at its target at once
    const double w0 = std::sqrt(p_.tension / p_.mass);
    const double zeta = dampingRatio();
    if (zeta < 1.0 - 1e-9) {
        const double wd = w0 * std::sqrt(1 - zeta * zeta);
        return std::exp(-zeta * w0 * t) * (std::cos(wd * t) + (zeta * w0 / wd) * std::sin(wd * t));
    }
    if (zeta <= 1.0 + 1e-9)
        return std::exp(-w0 * t) * (1 + w0 * t);
    const double root = std::sqrt(zeta * zeta - 1);
    const double r1 = -w0 * (zeta - root);
    const double r2 = -w0 * (zeta + root);
    return (r2 * std::exp(r1 * t) - r1 * std::exp(r2 * t)) / (r2 - r1);
}

double DampedSpring::progressAt(double seconds) const {
    if (!(seconds > 0))
        return 0;
    return 1.0 - remainingAt(seconds);
}

double DampedSpring::settlingTime(double tolerance) const {
    if (p_.tension <= 0)
        return 0;
    if (!(tolerance > 0))
        tolerance = 1e-6;
    const double w0 = std::sqrt(p_.tension / p_.mass);
    const double zeta = dampingRatio();
    if (zeta < 1.0 - 1e-9 && zeta > 0) {
        // The ringing stays inside the envelope A e^(-zeta w0 t).
        const double wd = w0 * std::sqrt(1 - zeta * zeta);
        const double amplitude = std::sqrt(1 + (zeta * w0 / wd) * (zeta * w0 / wd));
        const double t = std::log(amplitude / tolerance) / (zeta * w0);
        return std::clamp(t, 0.0, kMaxSeconds);
    }
    if (zeta <= 0)
        return kMaxSeconds; // undamped: it never settles
    // Critically and over-damped springs approach monotonically.
    double lo = 0, hi = kMaxSeconds;
    if (remainingAt(hi) > tolerance)
        return kMaxSeconds;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (remainingAt(mid) > tolerance ? lo : hi) = mid;
    }
    return hi;
}

} // namespace dovrel
