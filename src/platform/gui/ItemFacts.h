#pragma once

#include "fs/Types.h"

#include <QDateTime>
#include <QString>

#include <filesystem>
#include <optional>

namespace dovrel {

// What an information window says about one item: gathered with lstat (a
// symbolic link is described as the link, never followed) and, for a folder,
// one fd-relative walk of everything below it. Nothing is opened but folders.
// A plain value; gather() may run on any thread.
struct ItemFacts {
    bool exists = false;
    QString name;     // the last path component, shown (invalid bytes replaced)
    QString path;     // the full path, shown the same way
    QString kind;     // "Folder", "Symbolic link", "FIFO", ... or the type's description
    QString mimeType; // e.g. "text/plain", "inode/directory"
    // Logical size (a folder: everything below it) and the space it takes.
    ByteCount size = 0;
    ByteCount sizeOnDisk = 0;
    bool folderComplete = true; // false when the folder walk was cut short
    std::optional<QDateTime> modified;
    std::optional<QDateTime> created; // when the file system knows
    std::optional<QDateTime> accessed;
    QString permissions; // "drwxr-xr-x (755)"
    QString owner;       // user name, or the number when unknown
    QString group;
    QString linkTarget; // for a symbolic link, what it names (shown, not followed)

    // `measureFolder` false skips the walk (size and sizeOnDisk are then the
    // folder's own entry).
    static ItemFacts gather(const std::filesystem::path& item, bool measureFolder = true);

    // "rwxr-xr-x" style text of a mode, with the type letter first.
    static QString permissionText(unsigned mode);
};

} // namespace dovrel
