#pragma once

#include <QIcon>
#include <QMimeType>
#include <QString>

#include <filesystem>

namespace dovrel {

// The icons the file manager shows for items, the stand-in for the
// workspace's icon-for-file.
//
// An item's type is judged without opening it: lstat says folder, link,
// FIFO, socket or device, and a plain file's type comes from its name alone
// (QMimeDatabase). The icon is the one the desktop's icon theme gives that
// type; when the theme has none, a picture drawn here stands in for it.
// Main thread only (icons are pixmaps).
class FileIcons {
public:
    enum class Generic { File, Folder, Application, Link, Special };

    static QIcon iconForFile(const std::filesystem::path& item);

    // The type of the item as far as its name and lstat tell: "inode/directory",
    // "inode/symlink", "inode/fifo", "inode/socket", "inode/chardevice",
    // "inode/blockdevice", a name-based type, or application/octet-stream.
    // A missing item is typed by its name.
    static QMimeType mimeTypeOf(const std::filesystem::path& item);

    static QIcon iconForMimeType(const QMimeType& type);

    // The pictures drawn here, used when the theme has nothing.
    static QIcon generic(Generic kind);

    // An image file (a bundle's icon) as an icon, decoded with a bound on
    // file size, image size and memory; a null icon when it cannot be read
    // within them. Never follows a symbolic link as the file itself and never
    // opens anything but a regular file.
    static QIcon iconFromImageFile(const std::filesystem::path& file);
};

} // namespace dovrel
