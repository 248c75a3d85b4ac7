#pragma once

#include "fs/RemovalReport.h"
#include "fs/RemovalRequest.h"
#include "fs/Remover.h"
#include "fs/Syscalls.h"
#include "fs/Types.h"

#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dovrel {

// Moves chosen locations below the granted home into the home's Trash
// instead of removing them, the way file managers trash a file, so that they
// can be put back until the Trash is emptied.
//
//   freedesktop home: TRASH = $XDG_DATA_HOME/Trash
//     1. TRASH/info/NAME.trashinfo   created with O_EXCL: [Trash Info],
//                                    Path=<original, percent-encoded>,
//                                    DeletionDate=<local time>
//     2. TRASH/files/NAME            renameat2(RENAME_NOREPLACE) of the
//                                    location itself; never a copy. When the
//                                    rename fails, the .trashinfo goes again
//     3. TRASH/directorysizes        for a folder, "size mtime NAME" added;
//                                    the new file replaces the old in one
//                                    rename (a cache: a failure is ignored)
//   macOS home: TRASH = ~/.Trash, the rename alone
//
// NAME is the location's own name, or "<name>.2", "<name>.3"… when an item
// or a .trashinfo of that name is already there (both files use the same
// NAME; a long name is shortened so that NAME.trashinfo fits).
//
// The location is judged lexically as the Remover judges it (the home, a
// fixed folder, outside the home: Refused), then reached as the Remover
// reaches it (see ParentReach: no link followed, no mount crossed on the
// way). It is
//  - Changed when the request carries the identity the scan saw and the
//    entry now there is another one, or when the entry renamed is not the
//    one checked (it is then put back and its .trashinfo removed);
//  - Refused when it is a mount point, on another file system than the
//    Trash (it is never copied and deleted), the Trash or inside it (what
//    is in the Trash is only ever removed for good), or a folder holding it;
//  - Failed for every location when the Trash, its files or info folder (or
//    a folder on their way from the home) is a symbolic link, a mount point
//    or cannot be made.
// A moved location counts one item and its logical size (a folder's from a
// walk of it in the Trash) in `bytes`, reported under bytesMovedToTrash and
// movedToTrash: nothing is freed.
//
// cancel() and stopAfterCurrent() (from any thread) leave the locations not
// yet started Cancelled; a move in hand is one rename and always completes.
class FsCalls;

class TrashMover {
public:
    enum class Kind { Freedesktop, MacOS };

    // `home` and `trash` absolute, the Trash strictly below the home.
    TrashMover(Location home, Location trash, Kind kind, Syscalls& calls = Syscalls::system());

    // The mover of a scanned home: into the freedesktop Trash
    // `freedesktopTrash` when the scan's layout has one, else into the macOS
    // home's ~/.Trash.
    TrashMover(const Location& home, const std::optional<Location>& freedesktopTrash,
               Syscalls& calls = Syscalls::system());

    // One outcome per request, in order.
    RemovalReport move(const std::vector<RemovalRequest>& requests);

    // The Trash folder or something inside it (compared lexically).
    bool inTrash(const Location& location) const;
    // A folder the Trash lies in (compared lexically).
    bool holdsTrash(const Location& location) const;
    const Location& trash() const { return trash_; }

    void cancel() { stopped_.store(true, std::memory_order_relaxed); }
    void stopAfterCurrent() { cancel(); }

    // RFC 2396 escaping of a path's bytes as .trashinfo and directorysizes
    // write them: letters, digits, "-_.!~*'()" and "/" kept, every other
    // byte as %XX.
    static std::string percentEncoded(std::string_view bytes);

private:
    struct Trash;
    void openTrash(FsCalls& calls, int homefd, Trash& trash) const;
    RemovalOutcome moveOne(const RemovalRequest& request, const std::vector<std::string>& parts, int homefd,
                           Trash& trash);

    Location home_;
    Location trash_;
    Kind kind_;
    Syscalls& sys_;
    Remover judge_; // the lexical judgement of locations only; it never removes
    std::atomic<bool> stopped_{false};
};

} // namespace dovrel
