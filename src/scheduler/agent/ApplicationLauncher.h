#pragma once

#include <filesystem>

namespace dovrel::agent {

// Starts an application bundle's executable as a program of its own.
class ApplicationLauncher {
public:
    // Starts the bundle's executable (BundleLayout::executableOfBundle)
    // without arguments. True when the program was started.
    static bool launchApplication(const std::filesystem::path& bundle);

    // Starts `program` (path bytes as given, no search of PATH) without
    // arguments, detached: in a session of its own and not a child of the
    // caller, so it outlives the caller and leaves no zombie behind. The
    // environment and the working folder are inherited. Returns after the
    // program's image was loaded (true) or could not be (false).
    static bool startDetached(const std::filesystem::path& program);
};

} // namespace dovrel::agent
