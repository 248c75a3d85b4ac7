#pragma once

#include "fs/Types.h"

#include <optional>
#include <string>

namespace dovrel {

// The guarded reading of a plist file's bytes: only a regular file of at most
// PlistReader::kMaxFileSize bytes is read; anything else reads as nothing.
class PlistFile {
public:
    // Reads an open file (the descriptor stays the caller's).
    static std::optional<std::string> read(int fd);
    // Opens `file` without following a symbolic link and without blocking on
    // a FIFO or device, then reads it as above.
    static std::optional<std::string> read(const Location& file);
};

} // namespace dovrel
