#pragma once

#include "fs/RemovalOutcome.h"
#include "fs/RemovalProgress.h"
#include "fs/Types.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

namespace dovrel {

// What one TreeEraser walk did and why it stopped: its counts (told to the
// shared progress in batches), the first failure and the first change it met,
// and the one reason it stopped early, from which the walk's result follows.
class EraseLog {
public:
    struct Result {
        RemovalOutcome::Status status =
            RemovalOutcome::Status::Removed; // Removed, Changed, Failed, Cancelled, AlreadyGone
        std::string reason;                  // first problem, path relative to the removed location
        std::int64_t items = 0;
        ByteCount bytes = 0;
        bool stopped = false; // the walk stopped itself (status Changed): every helper of it stops too
        int listings = 0;     // how often the (emptied) folder itself was listed
        bool gone = false;    // the folder itself was removed by someone else meanwhile
    };

    explicit EraseLog(RemovalProgress& progress) : progress_(progress) {}

    // Starts a walk whose root was listed `listings` times before; a stop for
    // a change raises `halt` for every walk sharing it.
    void begin(int listings, std::atomic<bool>* halt);
    Result& result() { return result_; }
    bool stopped() const { return stopped_; }

    void count(std::int64_t items, ByteCount bytes);
    void flushProgress();
    // Remembers the first of each kind of problem ("path: what").
    void failure(std::string text);
    void change(std::string text);
    // Takes over the problem a helper's walk ended with.
    void problemOf(const Result& helper);
    // Adds what a helper removed (it told the progress already) and stops
    // this walk too when the helper's walk stopped itself.
    void takeOver(const Result& helper);
    // Stops the walk; the first reason is the one reported.
    void stop(RemovalOutcome::Status status, const std::string& what);

    // The walk's result. `removedRoot` when the walk was to remove its root
    // (not only empty it): a root removed by someone else before this walk
    // removed anything is AlreadyGone.
    Result finish(bool removedRoot);

private:
    RemovalProgress& progress_;
    std::atomic<bool>* halt_ = nullptr;
    Result result_;
    bool stopped_ = false;
    std::int64_t unreportedItems_ = 0;
    ByteCount unreportedBytes_ = 0;
    std::optional<std::string> firstFailure_;
    std::optional<std::string> firstChange_;
};

} // namespace dovrel
