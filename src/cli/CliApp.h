#pragma once

#include <string>
#include <vector>

namespace dovrel {

// The headless front end: parses the command line, runs one command and
// returns the exit status (0 success; 1 failure: some removal failed, the
// output could not be written, a grant was not stored; 2 usage error).
// Everything for stdout goes through CliOutput, and the final flush decides:
// output that could not be written makes the status non-zero.
// Arguments are raw bytes, so paths that are not UTF-8 arrive exactly.
// Needs a QCoreApplication: the scan's progress arrives through the event loop.
class CliApp {
public:
    int run(std::vector<std::string> arguments);

    static const char* usage();
};

} // namespace dovrel
