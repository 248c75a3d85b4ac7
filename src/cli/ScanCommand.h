#pragma once

#include "fs/Types.h"
#include "layout/HomeLayout.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dovrel {

class KeepList;

class Cache;
class Cleaner;
class Remainders;

// Resolves the folders a headless scan runs over (flags first, then the stored
// grants) and runs the smart scan on a worker while the main thread shows its
// progress.
class ScanCommand {
public:
    struct Folders {
        Location home;
        std::optional<Location> applications;
        // --layout: the home layout forced, else chosen from the home.
        std::optional<HomeLayout::Kind> layout;
        // --system-root: the machine the Linux layout reads outside the home
        // (share/, flatpak/, snap/ as sample-home --layout linux builds it).
        std::optional<Location> systemRoot;
    };

    // The engine objects of one headless scan, over explicit folders.
    struct Engine {
        std::unique_ptr<Cache> cache;
        std::unique_ptr<Remainders> remainders;
        std::unique_ptr<Cleaner> cleaner;
        // The shared keep list every scan holds back (KeepList).
        std::unique_ptr<KeepList> keepList;
        // Sets a damaged keep list aside (the user is told on stderr) before
        // it is used; true when it did.
        bool keepListWasDamaged = false;
        explicit Engine(const Folders& folders);
        ~Engine();
    };

    static constexpr const char* kFolderNeed = "a folder";
    static constexpr const char* kThreadsNeed = "a count from 1 to 64";

    static constexpr const char* kLayoutNeed = "macos or linux";

    // Takes --home DIR, --applications DIR, --layout NAME and --system-root
    // DIR out of `args`. Returns the
    // folders, or nothing with `error` set (a usage error).
    static std::optional<Folders> resolveFolders(std::vector<std::string>& args, std::string& error);

    // Takes --threads N (1..64) out of `args`.
    static bool takeThreads(std::vector<std::string>& args, int& threads, std::string& error);

    // Runs the scan on a worker thread and spins the event loop until it is
    // done; progress goes to stderr when it is a terminal.
    static void runScan(Cleaner& cleaner);

    // `scan [--json] [--entries]` after the folder flags: the exit status.
    static int run(std::vector<std::string> args);

    // Human-readable outline of the results.
    static std::string outline(const Cleaner& cleaner, bool entries);

    // An absolute, normalised location from a command-line argument.
    static Location locationFromArgument(const std::string& argument);
};

} // namespace dovrel
