#pragma once

#include "fs/Syscalls.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>

namespace dovrel {
class CleanupRun;
}

namespace dovrel::test {

// Real removal system calls with two test handles:
//  - hold(): every unlinkat waits until release(), so a removal can be kept
//    running for as long as a test needs (waitUntilHeld() tells when one is
//    waiting);
//  - failName(): unlinkat of an entry of that name fails with the error.
// Thread-safe. When destroyed it releases everything waiting and, when it
// was installed in a cleanup runner, waits for that runner's end and gives
// it back the real calls (so a failed test leaves nothing behind).
class HeldRemovalSyscalls : public Syscalls {
public:
    HeldRemovalSyscalls() = default;
    // Installed as the system calls of `run`'s next cleanups.
    explicit HeldRemovalSyscalls(CleanupRun& run);
    ~HeldRemovalSyscalls() override;

    void hold();
    void release();
    // True once a removal waits at the hold (within `ms`).
    bool waitUntilHeld(int ms = 10000);

    void failName(const std::string& name, int error);

    int unlinkat(int dirfd, const char* name, int flags) override;

private:
    CleanupRun* run_ = nullptr;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool held_ = false;
    int waiting_ = 0;
    std::map<std::string, int> failures_;
};

} // namespace dovrel::test
