#include "cli/KeepCommand.h"

#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "engine/KeepList.h"
#include "platform/JsonText.h"

#include <cstdio>

namespace dovrel {

namespace {

int usage() {
    std::fprintf(stderr, "dovrel-cleaner-cli: keep needs add PATH..., remove PATH... or list [--json]\n");
    return 2;
}

} // namespace

int KeepCommand::run(std::vector<std::string> args) {
    if (args.empty())
        return usage();
    const std::string action = args.front();
    args.erase(args.begin());
    KeepList list(KeepList::standardStore());
    // A damaged list is set aside (and said) before anything else.
    list.setAsideIfDamaged();

    if (action == "list") {
        const bool json = !args.empty() && args.front() == "--json";
        if (args.size() > (json ? 1u : 0u))
            return usage();
        const auto paths = list.paths();
        if (!paths) {
            std::fprintf(stderr, "dovrel-cleaner-cli: the keep list cannot be read\n");
            return 1;
        }
        std::string out = json ? "[" : "";
        for (std::size_t i = 0; i < paths->size(); ++i) {
            if (json)
                out += (i ? "," : "") + jsonString((*paths)[i].native());
            else
                out += CliText::display((*paths)[i]) + "\n";
        }
        CliOutput::write(json ? out + "]\n" : out);
        return 0;
    }
    if ((action != "add" && action != "remove") || args.empty())
        return usage();
    int status = 0;
    for (const std::string& path : args) {
        std::string error;
        const bool ok =
            action == "add" ? list.add(Location(path), error) : list.remove(Location(path), error);
        if (!ok) {
            std::fprintf(stderr, "dovrel-cleaner-cli: keep %s %s: %s\n", action.c_str(),
                         CliText::display(Location(path)).c_str(), error.c_str());
            status = 1;
        }
    }
    return status;
}

} // namespace dovrel
