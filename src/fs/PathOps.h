#pragma once

#include "fs/Types.h"

#include <string>

#include <sys/stat.h>

namespace dovrel {

// Path-based entry points into the file system that also work for paths
// longer than PATH_MAX: such a path is opened a slice at a time, each slice
// relative to the folder opened before it.
class PathOps {
public:
    // Opens a folder for reading (O_DIRECTORY, close-on-exec, never blocking on
    // a FIFO). With followLast false a symbolic link as the last component is
    // refused. Returns the descriptor, or -1 with errno set.
    static int openDirectory(const Location& path, bool followLast);

    // stat (follow true) or lstat (follow false). Returns false with errno set.
    static bool status(const Location& path, struct stat& st, bool follow);

    // True when the path exists (following links) — the existence test.
    static bool exists(const Location& path);
    // True when the path exists and is a folder (following links).
    static bool isDirectory(const Location& path);
    // The path's bytes with doubled slashes made single and trailing ones
    // dropped ("/" stays): how the same location is written the same way.
    static std::string tidy(const std::string& path);
};

} // namespace dovrel
