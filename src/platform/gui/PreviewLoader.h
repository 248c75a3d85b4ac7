#pragma once

#include "fs/Types.h"
#include "platform/gui/ItemFacts.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <filesystem>
#include <optional>
#include <vector>

namespace dovrel {

// What the preview panel shows for one item.
struct PreviewContent {
    enum class Kind {
        Image,  // `image`, decoded within the bounds
        Pdf,    // `image`: the first page, rendered
        Text,   // `text`: the start of the file
        Folder, // `entries`: its first level
        Facts,  // nothing to look inside: icon, type, size and dates (`facts`)
        Missing // the item is gone: `message`
    };
    struct Entry {
        QString name;
        bool folder = false;
        bool link = false;
        ByteCount size = 0;
    };

    Kind kind = Kind::Missing;
    ItemFacts facts; // every kind but Missing
    QImage image;
    QString text;
    std::vector<Entry> entries;
    bool truncated = false; // Text: more than the start; Folder: more entries than listed
    QString message;        // Missing, or why an image or document was not shown
};

// Loads what the preview panel shows for an item, treating the item as
// hostile:
//  - a symbolic link is described as a link, never followed (the panel never
//    leaves the location it was given);
//  - a FIFO, socket or device is described, never opened;
//  - a regular file is opened with O_NOFOLLOW | O_NONBLOCK and checked with
//    fstat to be the file lstat saw;
//  - at most `maxSniffBytes` are read to tell the type and at most
//    `maxTextBytes` of a text; images and PDF documents are read only up to
//    their size bounds, images are decoded with an allocation limit and only
//    when their header's pixel count is within bounds;
//  - a folder lists at most `maxFolderEntries` entries, each measured without
//    following links;
//  - an item that vanished, before or while loading, gives Missing.
// Blocking, no widgets: run it off the main thread.
class PreviewLoader {
public:
    struct Limits {
        qint64 maxSniffBytes = 64 * 1024;
        qint64 maxTextBytes = 64 * 1024;
        qint64 maxImageFileBytes = 64 * 1024 * 1024;
        qint64 maxImagePixels = 64 * 1024 * 1024;
        int imageAllocationMb = 256;
        qint64 maxPdfFileBytes = 64 * 1024 * 1024;
        QSize renderSize{640, 640};
        int maxFolderEntries = 500;
    };

    static PreviewContent load(const std::filesystem::path& item, const Limits& limits);
    static PreviewContent load(const std::filesystem::path& item) { return load(item, Limits{}); }
};

} // namespace dovrel
