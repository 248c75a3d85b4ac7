#pragma once

#include <string>
#include <vector>

namespace dovrel {

// `clean`: a smart scan, the app's initial selection (everything) narrowed by
// --only categories and --keep paths, then — only with --yes — the removal of
// the hand-over list, with a report of what was freed and what failed.
// Without --yes nothing is removed.
//
// A location is kept back when it lies under a --keep path, and also when a
// --keep path lies inside it (removing it would remove the kept path).
//
// Exit status: 0 all went (or dry run), 1 some location failed, 2 usage error.
class CleanCommand {
public:
    static int run(std::vector<std::string> args);
};

} // namespace dovrel
