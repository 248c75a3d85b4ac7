#pragma once

#include <string>
#include <vector>

namespace dovrel {

// The headless front end: parses the command line, runs one command and
// returns the exit status (0 success, 1 some removal failed, 2 usage error).
// Arguments are raw bytes, so paths that are not UTF-8 arrive exactly.
// Needs a QCoreApplication: the scan's progress arrives through the event loop.
class CliApp {
public:
    int run(std::vector<std::string> arguments);

    static const char* usage();
};

} // namespace dovrel
