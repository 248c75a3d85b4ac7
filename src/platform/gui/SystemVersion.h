#pragma once

#include <optional>

namespace dovrel {

// Answers the screens' checks of the running system's version ("10.14 or
// later", "10.15 or later"). The checks guard features of newer systems; on
// this platform the newest branch of every check applies, so every check is
// answered yes. Tests may pin an older version to reach the other branch.
class SystemVersion {
public:
    struct Version {
        int major = 0;
        int minor = 0;
    };

    // True when the running system counts as at least major.minor.
    static bool isAtLeast(int major, int minor);

    // Pins the answer to a version (tests); absent restores the platform's.
    static void setOverride(std::optional<Version> version);
};

} // namespace dovrel
