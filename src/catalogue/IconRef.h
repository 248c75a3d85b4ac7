#pragma once

#include "fs/Types.h"

#include <QString>

namespace dovrel {

// Where an image comes from. The engine never decodes pixels; the screens turn
// a reference into an image.
//  - File: an image file to load (e.g. a bundle's icon resource).
//  - FileSystemIcon: the icon the desktop shows for the item at `path`.
//  - Resource: a named image of the application ("Smart cache", ...).
struct IconRef {
    enum class Kind { File, FileSystemIcon, Resource };

    Kind kind = Kind::Resource;
    Location path;
    QString name;

    static IconRef file(const Location& p) { return {Kind::File, p, {}}; }
    static IconRef fileSystemIconOf(const Location& p) { return {Kind::FileSystemIcon, p, {}}; }
    static IconRef resource(const QString& n) { return {Kind::Resource, {}, n}; }

    bool operator==(const IconRef&) const = default;
};

} // namespace dovrel
