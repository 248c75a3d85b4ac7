#pragma once

#include "fs/Types.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dovrel {

// The freedesktop base directories of one granted home folder.
//
// Only the home folder is granted, so every per-user directory lies inside
// it: a variable ($XDG_CACHE_HOME, $XDG_DATA_HOME, $XDG_CONFIG_HOME) is taken
// only when it is an absolute path strictly below the home folder (after
// "." and ".." are resolved by name) and no folder on its way from the home
// is a symbolic link; otherwise the default (.cache, .local/share, .config)
// is used. A cache folder that would hold the data or configuration folder
// is not taken either. The system data directories ($XDG_DATA_DIRS, default
// /usr/local/share:/usr/share) are only ever read, for the catalogue of
// installed applications; relative entries are dropped.
struct XdgDirs {
    // Reads one environment variable; absent when unset.
    using Environment = std::function<std::optional<std::string>(const char*)>;

    Location home;
    Location cacheHome;
    Location dataHome;
    Location configHome;
    std::vector<Location> dataDirs;
    // What they were resolved from; developer tools' folders are read from
    // it too (ToolCaches).
    Environment environment;

    static XdgDirs resolve(const Location& home, const Environment& environment);
    // The process environment.
    static Environment processEnvironment();

    // `value` as a folder strictly inside `home` (lexically normal), or
    // absent when it is relative, outside, the home itself, or reached
    // through a symbolic link below the home.
    static std::optional<Location> insideHome(const Location& home, const std::string& value);
};

} // namespace dovrel
