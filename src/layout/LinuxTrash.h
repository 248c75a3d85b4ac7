#pragma once

#include "engine/LargeFile.h"
#include "fs/Types.h"
#include "layout/SkippedPlace.h"
#include "layout/TrashInfo.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dovrel {

class SizeMemo;

// The home trash of the freedesktop trash format: TRASH/files/<name> holds a
// trashed item, TRASH/info/<name>.trashinfo where it came from, and
// TRASH/directorysizes a cache of trashed folders' sizes.
//
// Every entry of files/ (hidden ones too) is one item, named after the
// original path of its .trashinfo (shown lossily; the bytes are kept in
// `info->original`), or after its own name when the .trashinfo is missing or
// damaged. A .trashinfo whose item is gone is an item of its own, the info
// file itself, so that cleaning leaves an empty trash. Items keep the
// listing order of files/, the lone .trashinfo files after them.
class LinuxTrash {
public:
    struct Entry {
        Location location;             // files/<name>, or info/<name>.trashinfo when alone
        std::string name;              // <name>
        bool infoOnly = false;         // a .trashinfo without its item
        std::optional<TrashInfo> info; // absent: no .trashinfo, or a damaged one
    };

    explicit LinuxTrash(Location trash, Location topDirectory);

    const Location& folder() const { return trash_; }
    Location filesFolder() const { return trash_ / "files"; }
    Location infoFolder() const { return trash_ / "info"; }

    // A pair whose .trashinfo is not a regular file is left out, and noted
    // in `skipped` when given.
    std::vector<Entry> entries(std::vector<SkippedPlace>* skipped = nullptr) const;

    // One LargeFile per entry (name: the original path, else the entry's
    // name), each measured; `total` their sum.
    std::vector<std::shared_ptr<LargeFile>> items(SizeMemo& sizes, ByteCount& total,
                                                  std::vector<SkippedPlace>* skipped = nullptr) const;

    static QString label(const Entry& entry);

private:
    Location trash_;
    Location top_;
};

} // namespace dovrel
