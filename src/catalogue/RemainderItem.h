#pragma once

#include "fs/Types.h"

#include <QString>

#include <vector>

namespace dovrel {

// Leftovers of one bundle identifier whose application is gone.
struct RemainderItem {
    QString label;
    QString bundle;
    std::vector<Location> files;
    ByteCount size = 0;
};

} // namespace dovrel
