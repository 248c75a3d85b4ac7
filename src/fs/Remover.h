#pragma once

#include "fs/RemovalProgress.h"
#include "fs/RemovalReport.h"
#include "fs/RemovalRequest.h"
#include "fs/Syscalls.h"
#include "fs/Types.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace dovrel {

// Removes chosen locations below the granted home folder, permanently, and
// nothing else: whatever happens on the disk meanwhile (a folder swapped for
// a symbolic link, a parent renamed, files appearing or vanishing), only the
// chosen locations and what lies inside them go.
//
// Each location is reached from a descriptor of the home folder, one
// component at a time, refusing symbolic links; removal is by name relative
// to the parent folder's descriptor, never by full path. A location is
//  - Refused when it is the home folder or not strictly below it (compared
//    lexically; "." and ".." components are refused outright), when it is
//    one of the fixed folders — Library, Library/Caches, Library/Logs, the
//    mail downloads folder, .Trash, Downloads, and the Linux layout's
//    .cache, .config, .local/share and its Trash (with files and info),
//    .var/app, snap, .mozilla/firefox, Desktop, Documents — or a folder holding one of
//    them (their contents are fine), when it is a mount point, and when it is
//    reached through one: any folder from the home down to it that is the
//    root of a mount or on another mount than the folder above (see
//    FsCalls::crossesMount);
//  - Changed when the request carries the identity the scan saw and the entry
//    now at that path is another one, or when a parent component is no longer
//    a real folder; then nothing of it is touched;
//  - AlreadyGone when it or a parent is missing, or someone else removed it
//    before this removal took anything of it (counted as done).
// Inside a location nothing is followed, nothing but folders is opened, no
// mount is entered (such a folder stays and is reported), and a failure does
// not stop the rest: what can go goes, and the first error is reported. What
// someone else removes meanwhile is gone, not a failure (see TreeEraser).
//
// remove() runs on the calling thread, with helper threads that empty
// independent subfolders of a location at the same time (see setThreads());
// progress() and cancel() may be used from any other thread meanwhile. One
// remove() at a time per object.
class Remover {
public:
    static constexpr int kDefaultMaxOpenFolders = 48;
    static constexpr int kDefaultThreads = 2;

    // `home` must be absolute; it is opened (following links in its own path)
    // once per remove(). `calls` is the system-call seam (tests replace it).
    explicit Remover(Location home, Syscalls& calls = Syscalls::system());

    // Removes the locations in list order; one outcome per request, in order.
    // Totals count what was actually removed, also from locations that failed
    // part-way.
    RemovalReport remove(const std::vector<RemovalRequest>& requests);

    // Items removed and bytes freed so far by the running (or last) remove().
    const RemovalProgress& progress() const { return progress_; }

    // Makes the running remove() stop at the next entry (or the next remove(),
    // if none is running); the locations not finished are reported Cancelled.
    // The request is used up when that remove() returns.
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }

    // Makes the running remove() finish the location it is in and report the
    // ones after it Cancelled, untouched (or the next remove(), if none is
    // running: then nothing is touched). Used up like cancel().
    void stopAfterCurrent() { stopping_.store(true, std::memory_order_relaxed); }

    // Bounds the folder descriptors kept open inside one location (at least 2),
    // by all threads together.
    void setMaxOpenFolders(int count) { maxOpenFolders_ = count < 2 ? 2 : count; }

    // How many threads (the calling one included, 1 to 16) remove one
    // location. The descriptor bound is shared out: each thread walks with at
    // least 2, so fewer threads work when the bound is small.
    void setThreads(int count) { threads_ = count < 1 ? 1 : count > 16 ? 16 : count; }

    // Why the location may never be removed, judged from its path alone;
    // empty when it may.
    std::optional<std::string> refusal(const Location& location) const;

    // The location's components below the home, judged as refusal() judges
    // it; absent, with `refusal` set, when it may never be removed.
    std::optional<std::vector<std::string>> relativeComponents(const Location& location,
                                                               std::string& refusal) const;

private:
    Location home_;
    Syscalls& sys_;
    RemovalProgress progress_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> stopping_{false};
    int maxOpenFolders_ = kDefaultMaxOpenFolders;
    int threads_ = kDefaultThreads;
};

} // namespace dovrel
