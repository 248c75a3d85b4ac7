#pragma once

#include "fs/RemovalReport.h"
#include "fs/RemovalRequest.h"
#include "fs/Types.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QObject;

namespace dovrel {

class Cleaner;
class Defaults;
class Syscalls;

// The removal of the locations the user chose: one cleanup per remove
// action, run on the global queue and bound to no screen, so it goes on
// after the screen that started it is gone.
//
//   start()            main thread: the hand-over becomes removal requests
//      |               carrying the identities the scan recorded; queued
//      v               behind a cleanup still running, if any
//   worker             Remover::remove(requests) (or the move into the
//   (global queue)     Trash, see CleaningMode), then "TotallyCleaned" +=
//      |               the bytes actually freed (none by a move): exactly
//      |               once per cleanup, whatever happens to the screens
//      v
//   main queue         whenFinished() / whenIdle() work whose context lives
//
// One process-wide instance (shared()) is what the screens and the
// application delegate use; tests may make their own. The removal never
// needs the main thread: a cleanup ends, and its total is stored, even
// when the event loop no longer runs.
//
// Thread-safe, except that whenFinished() and whenIdle() are called on the
// main thread and run their work there.
class CleanupRun {
public:
    // Cleanups are numbered from 1 in the order they were started; 0 = none.
    using Id = std::uint64_t;

    static constexpr const char* kTotalKey = "TotallyCleaned";

    // The process-wide instance, adding to the standard defaults.
    static CleanupRun& shared();

    // A cleanup runner adding what it frees to `settings` (which must
    // outlive it).
    explicit CleanupRun(Defaults& settings);
    // Stops after the location in hand and waits for the end.
    ~CleanupRun();

    CleanupRun(const CleanupRun&) = delete;
    CleanupRun& operator=(const CleanupRun&) = delete;

    // Starts removing the engine's hand-over list `files` below its home
    // folder, with the identities its last scan recorded (the list is taken
    // now; later changes to the engine do not reach this cleanup), or moving
    // them into the Trash when the stored CleaningMode says so. Without a
    // home folder nothing is removed and every location is reported
    // Refused. Returns the cleanup's number.
    Id start(const Cleaner& cleaner);
    // `trash`: the trash folder whose entries go with their .trashinfo (the
    // Linux layout's), see TrashPairRemoval. `toTrash`: the locations go into
    // the Trash (that folder's, else the macOS home's), see CleaningMode.
    Id start(std::optional<Location> home, std::vector<RemovalRequest> requests,
             std::optional<Location> trash = std::nullopt, bool toTrash = false);

    // A cleanup is running or waiting to run. Turns false only after the
    // last one's total has been stored.
    bool isRunning() const;
    // The number of the cleanup started last (0 before the first).
    Id lastStarted() const;
    // The report of a finished cleanup (the last few are kept); null while
    // it runs, and for numbers never started or no longer kept.
    std::shared_ptr<const RemovalReport> report(Id id) const;
    // Bytes freed so far by the cleanup running now (0 when none).
    ByteCount bytesFreedSoFar() const;

    // Runs `work` with the cleanup's report once cleanup `id` has ended: at
    // once (before returning) when it already has, else later on the main
    // thread. Nothing runs once `context` is destroyed (a null context binds
    // to nothing), nor for a number whose report is not kept.
    void whenFinished(Id id, QObject* context, std::function<void(const RemovalReport&)> work);
    // Runs `work` once no cleanup is running: at once when none is, else on
    // the main thread after the last one has ended. Bound to `context` alike.
    void whenIdle(QObject* context, std::function<void()> work);

    // Blocks the calling thread until no cleanup runs (no event loop
    // needed). False when `timeout` passed first.
    bool waitUntilIdle(std::chrono::milliseconds timeout = std::chrono::milliseconds::max()) const;

    // Lets the running cleanup finish the location it is in; every location
    // after it, and every cleanup still waiting, is left as it is and
    // reported Cancelled. Holds until no cleanup runs.
    void stopAfterCurrentLocation();
    // Stops at the next entry, even inside a location (what was removed
    // stays removed and is counted). Holds until no cleanup runs.
    void cancel();

    // The system calls of the cleanups started from now on (null: the real
    // ones). Tests hold a removal back or make it fail with this.
    void setSyscalls(Syscalls* calls);

private:
    struct State;
    struct Job;
    static void drain(const std::shared_ptr<State>& state);
    static void deliver(const std::shared_ptr<State>& state);

    std::shared_ptr<State> d;
};

} // namespace dovrel
