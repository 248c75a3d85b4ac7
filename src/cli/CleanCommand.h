#pragma once

#include <string>
#include <vector>

namespace dovrel {

// `clean`: a smart scan, the app's initial selection (everything) narrowed by
// --only categories and --keep paths, then — only with --yes — the removal of
// the hand-over list, with a report of what was freed and what failed.
// Without --yes nothing is removed.
//
// A location is kept back when a --keep path names it, lies inside it (the
// whole location stays: removing it would remove the kept path) or holds it,
// judged by what the paths name (see KeptPaths). A --keep path that names
// nothing, or nothing the scan found, is a usage error: nothing is removed.
//
// The plan (what goes, what is kept back) is written and flushed before the
// removal starts; when that output fails nothing is removed. What was freed
// is added to "TotallyCleaned" in one step under the settings lock; when that
// cannot be done the removal still stands: it is said on stderr and in the
// JSON ("total_recorded":false), and does not change the exit status, which
// tells what happened to the user's files.
//
// A location a running browser holds as its profile (see BrowserInUse) is
// left alone: named on stderr with the reason ("Close Chromium to clean its
// site data") and in the plan; the removal checks the lock again as it goes.
//
// With --to-trash every location but those in the Trash (which only ever go
// for good) is moved into the home's Trash (see TrashMover, CleaningMode):
// the plan says "to Trash", the report what emptying the Trash will free,
// and only what was removed for good joins "TotallyCleaned".
//
// --json writes one object: {"format":"dovrel-clean/1","dry_run":B,
// "to_trash":B,"chosen_size":N,"locations":[P...],"kept":[{"url":P,"keep":ARG}...],
// "in_use":[{"url":P,"browser":NAME,"reason":TEXT}...]} and,
// after a removal, also "bytes_freed":N,"bytes_moved_to_trash":N,
// "items_removed":N,"total_recorded":B,
// "outcomes":[{"url","status","reason","items","bytes","moved_to_trash"}...].
// Paths as in ScanJson; the plan's part is written before the removal starts.
//
// Exit status: 0 all went (or dry run), 1 some location failed or the output
// could not be written, 2 usage error.
class CleanCommand {
public:
    static int run(std::vector<std::string> args);
};

} // namespace dovrel
