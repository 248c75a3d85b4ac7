#pragma once

#include "catalogue/IconRef.h"

#include <QIcon>

#include <optional>

namespace dovrel {

// Turns the engine's image references into icons:
//  - Resource: the application's named images (CategoryArtwork);
//  - File: the image file, decoded with bounds (FileIcons), cached by path;
//  - FileSystemIcon: the icon the desktop gives the item's type (FileIcons).
// A reference that gives nothing yields a null icon. Main thread only.
class IconImages {
public:
    static QIcon icon(const IconRef& ref);
    static QIcon icon(const std::optional<IconRef>& ref) { return ref ? icon(*ref) : QIcon(); }
};

} // namespace dovrel
