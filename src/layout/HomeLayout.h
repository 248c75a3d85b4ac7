#pragma once

#include "fs/Types.h"

#include <optional>
#include <string_view>

namespace dovrel {

class Defaults;

// Which shape a granted home folder has, chosen once per scan: a home whose
// Library folder holds a Caches folder is a macOS home (the categories are
// found under Library as always); any other home is a Linux home laid out
// the freedesktop way (see LinuxLayout). The choice can be forced by name.
class HomeLayout {
public:
    enum class Kind { MacOS, Linux };

    // MacOS when `home`/Library/Caches is a folder (links followed, as the
    // scan reads it), Linux otherwise.
    static Kind choose(const Location& home);

    // "macos" / "linux": the names the command line and the JSON use.
    static const char* name(Kind kind);
    static std::optional<Kind> fromName(std::string_view name);

    // The layout chosen in Preferences, stored as an integer under
    // kPreferenceKey: 1 macOS, 2 Linux; absent (automatic) for 0, a missing
    // key or any other value.
    static constexpr const char* kPreferenceKey = "HomeLayout";
    static std::optional<Kind> preferred(const Defaults& settings);
    static bool setPreferred(Defaults& settings, std::optional<Kind> kind);

    // Whether the first launch needs the Applications folder besides
    // `home`: not when Linux is preferred, nor, on automatic, for a
    // freedesktop home (no Library/Caches, and a .config or .local/share
    // folder), whose catalogue comes from desktop entries every user may
    // read. Any other home is asked for both, as always.
    static bool needsApplicationsGrant(const Location& home, const Defaults& settings);
};

} // namespace dovrel
