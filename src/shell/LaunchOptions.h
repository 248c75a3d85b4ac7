#pragma once

#include "fs/Types.h"

#include <optional>
#include <string>

namespace dovrel {

// The desktop application's own command-line options, read from argv as
// bytes (a folder name need not be UTF-8). Qt's options (-platform ...) are
// taken out by QApplication first.
//
//   --system-root DIR   the Linux layout reads the machine below DIR in
//                       place of this one, as the headless front end's
//                       option of the same name does (sample homes)
struct LaunchOptions {
    std::optional<Location> systemRoot;

    // Absent with `error` set for an unknown option or a missing or
    // unusable folder.
    static std::optional<LaunchOptions> parse(int argc, const char* const* argv, std::string& error);
};

} // namespace dovrel
