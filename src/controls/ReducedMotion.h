#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace dovrel {

// Whether the desktop asks for less motion, turned into the animation
// duration factor the Animator applies (1 = as designed, 0 = no motion:
// transitions jump to their end states and endless animations stand still).
//
// Two sources are honoured:
//  - QT_ANIMATION_DURATION_FACTOR, a number >= 0 (0 = no motion, 0.5 = twice
//    as fast); text that is not such a number is ignored;
//  - GNOME's org.gnome.desktop.interface enable-animations: "false" means no
//    motion. An absent gsettings, an absent key or any other answer counts as
//    "animations on".
class ReducedMotion {
public:
    // The decision from the two raw inputs: `durationFactorVariable` is the
    // variable's text (nullopt: not set), `enableAnimations` the output of
    // `gsettings get org.gnome.desktop.interface enable-animations` (nullopt:
    // could not be read).
    static double durationFactor(const std::optional<QByteArray>& durationFactorVariable,
                                 const std::optional<QString>& enableAnimations);

    // The decision for this process: reads the variable and asks gsettings,
    // waiting at most `timeoutMs` for its answer.
    static double desktopDurationFactor(int timeoutMs = 400);

    // The output of the gsettings query, or nullopt when the program is
    // missing, fails or does not answer within `timeoutMs`.
    static std::optional<QString> readEnableAnimations(int timeoutMs);
};

} // namespace dovrel
