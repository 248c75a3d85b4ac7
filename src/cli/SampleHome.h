#pragma once

#include "fs/Types.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>

namespace dovrel {

// Builds a realistic macOS-shaped home folder for demos, tests and benchmarks:
// DIR/<login name>/ with a Library in which every scan category has entries
// (installed applications' caches, leftovers of removed ones, logs, browser
// and mail data, installer files, a Trash), and DIR/Applications with
// application bundles (XML and binary Info.plist files, icons), including a
// "Utilities" folder and nested folders.
//
// `bulkFiles` more files are spread over the places a real home keeps many
// (caches, containers, application support, logs, trash). Their logical
// sizes are set without writing data (sparse files), so a large sample costs
// little disk. The same arguments always give the same tree.
class SampleHome {
public:
    struct Result {
        Location home;
        Location applications;
        std::int64_t files = 0;
    };

    // Builds into `dir` (created if missing; must not hold a sample already).
    // Throws std::runtime_error with a readable message on failure.
    static Result build(const Location& dir, std::int64_t bulkFiles, const QString& loginName);

    // The login name of the user running the process.
    static QString loginName();

    // A 64x64 PNG application icon in one colour (0xRRGGBB).
    static QByteArray appIconPng(std::uint32_t rgb);
};

} // namespace dovrel
