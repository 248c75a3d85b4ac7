#pragma once

#include "fs/RemovalReport.h"
#include "fs/RemovalRequest.h"
#include "fs/Types.h"

#include <optional>
#include <string>
#include <vector>

namespace dovrel {

class Remover;

// Removal of chosen locations where a trashed item and its .trashinfo go
// together, on top of the safe Remover (every location still goes through it,
// with all its checks).
//
//   TRASH/files/<name>            1. removed through the Remover
//        | fully gone (Removed or AlreadyGone)?  no -> stop: the .trashinfo stays
//        v
//   TRASH/info/<name>.trashinfo   2. removed through the Remover
//        v
//   TRASH/directorysizes          3. the line of <name> dropped: the rest is
//                                    written to a new file that replaces the
//                                    old one in one rename
//
// The item goes first: a failure part-way leaves a .trashinfo without its
// item, which file managers ignore, never an item nobody can restore. A
// pair whose .trashinfo could not be removed is reported Failed, even though
// the item is gone. A stale directorysizes line is harmless (readers check
// that the folder exists), so a failed rewrite does not fail the pair.
//
// A requested .trashinfo (TRASH/info/<name>.trashinfo) is removed only while
// TRASH/files/<name> does not exist (else Refused), with its directorysizes
// line. The trash folder, its files and info folders and directorysizes
// themselves are Refused. Any other location goes to the Remover as it is.
//
// A location a running browser holds as its profile, or that lies inside one
// (see BrowserInUse), is Refused with the reason "Close <browser> to clean
// its site data": the lock is read again right before the location goes,
// whatever the scan saw.
//
// One outcome per request, in order; once an outcome is Cancelled the rest
// are reported Cancelled untouched.
class TrashPairRemoval {
public:
    TrashPairRemoval(Remover& remover, Location home, Location trash);

    RemovalReport remove(const std::vector<RemovalRequest>& requests);

    // The removal of a scan's hand-over: trash entries paired when the
    // scan's layout pairs them (`trash` set); running browsers' profiles
    // refused either way.
    static RemovalReport removeFor(Remover& remover, const Location& home,
                                   const std::optional<Location>& trash,
                                   const std::vector<RemovalRequest>& requests);

    // Drops the lines of `name` from TRASH/directorysizes (format:
    // "<size> <mtime> <percent-encoded name>"). The trash folder is reached
    // from the home without following a symbolic link. True when nothing
    // needed changing or the new file is in place.
    bool dropDirectorySize(const std::string& name) const;

private:
    RemovalOutcome removePair(const RemovalRequest& request, const std::string& name);
    RemovalOutcome removeLoneInfo(const RemovalRequest& request, const std::string& name);
    RemovalOutcome removeOne(const RemovalRequest& request);

    Remover& remover_;
    Location home_;
    Location trash_;
    bool pairs_ = true;
};

} // namespace dovrel
