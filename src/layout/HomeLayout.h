#pragma once

#include "fs/Types.h"

#include <optional>
#include <string_view>

namespace dovrel {

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
};

} // namespace dovrel
