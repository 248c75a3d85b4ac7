#pragma once

#include "fs/Types.h"

#include <QString>

#include <cstdint>

namespace dovrel {

// Builds a realistic Linux home laid out the freedesktop way, for demos,
// tests and benchmarks: DIR/<login name>/ with every category of the Linux
// layout filled (caches of applications known by their desktop entries and
// of unknown ones, Flatpak applications installed per user, system-wide and
// removed, a removed snap, Chrome, Chromium and Firefox profiles, session and
// X server logs, installers, a Trash with .trashinfo pairs, a lone
// .trashinfo and an item without one, odd names, names that are not UTF-8),
// plus what a Thunderbird profile keeps, which must never be found.
//
// The machine outside the home is built beside it in DIR/system, so a scan
// need not read this machine's: share/ (a system data directory with
// desktop entries and hicolor icons), flatpak/ (a system-wide Flatpak
// installation) and snap/ (the snap root). `bulkFiles` more sparse files are
// spread over the places a real home keeps many. The same arguments always
// give the same tree.
class SampleHomeLinux {
public:
    struct Result {
        Location home;
        Location system;
        std::int64_t files = 0;
    };

    // Builds into `dir` (created if missing; must not hold a Linux sample
    // already). Throws std::runtime_error with a readable message on failure.
    static Result build(const Location& dir, std::int64_t bulkFiles, const QString& loginName);
};

} // namespace dovrel
