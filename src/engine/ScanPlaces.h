#pragma once

#include "engine/Types.h"

#include <optional>

namespace dovrel {

// The folders of one home that the smart scan searches, as a home layout
// places them (each absent when there is no home). The scan reads only
// these, so another layout fills them from its own folders.
struct ScanPlaces {
    std::optional<Location> url_home;
    std::optional<Location> url_library;
    std::optional<Location> url_logs;
    std::optional<Location> url_mails;
    std::optional<Location> url_trash;
    std::optional<Location> url_downloads;
};

} // namespace dovrel
