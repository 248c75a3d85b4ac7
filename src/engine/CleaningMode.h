#pragma once

#include "fs/RemovalReport.h"
#include "fs/RemovalRequest.h"
#include "fs/Types.h"

#include <optional>
#include <vector>

namespace dovrel {

class Defaults;
class Remover;
class TrashMover;

// What a cleanup does with the chosen locations: removes them for good (the
// default), or moves them into the home's Trash (see TrashMover), where they
// can be put back until the Trash is emptied.
//
// Stored under kKey as `data` holding the bytes "delete" or "trash"; a missing
// key or any other value is "delete".
class CleaningMode {
public:
    enum class Mode { Delete, Trash };

    static constexpr const char* kKey = "CleaningMode";

    static Mode stored(const Defaults& settings);
    static bool store(Defaults& settings, Mode mode);

    // The removal of a scan's hand-over: with `mover` every location goes
    // into its Trash but those in the Trash itself (the Trash category's),
    // which are removed for good as always (see TrashPairRemoval, with
    // `trashPairs`); without, every location is removed for good. One
    // outcome per request, in order; once one is Cancelled, the rest are too.
    static RemovalReport clean(Remover& remover, TrashMover* mover, const Location& home,
                               const std::optional<Location>& trashPairs,
                               const std::vector<RemovalRequest>& requests);
};

} // namespace dovrel
