#pragma once

#include "fs/Types.h"

#include <QString>

#include <optional>
#include <vector>

namespace dovrel {

// Finds the image file of a desktop entry's Icon value: an absolute path is
// taken as it is (when it is a regular file); a name is looked up in the
// hicolor theme, the one every application installs into, largest bitmap
// first, then scalable, then in the pixmaps folder, in each data directory in
// order. Absent when nothing is found.
class ThemeIcon {
public:
    static std::optional<Location> find(const QString& icon, const std::vector<Location>& dataDirs);
};

} // namespace dovrel
