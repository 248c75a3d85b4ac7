#pragma once

#include "fs/Types.h"

#include <optional>
#include <string>
#include <vector>

namespace dovrel {

// One-level listing of a folder, the entries in the order the file system
// returns them. A folder that cannot be listed gives no entries. Nothing but
// the folder itself is opened and nothing is stat'ed: the type is what the
// directory says (DT_UNKNOWN on file systems that do not say).
class DirectoryListing {
public:
    struct Entry {
        Location path;
        std::string name;
        unsigned char type;
    };

    // A symbolic link as the listed folder itself is followed, as a path
    // lookup would; nothing inside is.
    static std::vector<Entry> list(const Location& folder, bool skipHidden);
    // The same, but absent when the folder cannot be opened.
    static std::optional<std::vector<Entry>> listIfReadable(const Location& folder, bool skipHidden);

    // The part of a name after its last ".", or empty (a name starting with its
    // only "." has no extension).
    static std::string pathExtension(const std::string& name);
};

} // namespace dovrel
