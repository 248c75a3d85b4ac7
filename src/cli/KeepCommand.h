#pragma once

#include <string>
#include <vector>

namespace dovrel {

// `keep add PATH...`, `keep remove PATH...`, `keep list [--json]`: the keep
// list shared with dovrel-cleaner (KeepList). Paths are added as they are
// meant when added (links resolved then); list prints them, one per line.
class KeepCommand {
public:
    static int run(std::vector<std::string> args);
};

} // namespace dovrel
