#include "support/HeldRemovalSyscalls.h"

#include "engine/CleanupRun.h"

#include <cerrno>
#include <chrono>

namespace dovrel::test {

HeldRemovalSyscalls::HeldRemovalSyscalls(CleanupRun& run) : run_(&run) {
    run.setSyscalls(this);
}

HeldRemovalSyscalls::~HeldRemovalSyscalls() {
    release();
    if (run_) {
        run_->waitUntilIdle();
        run_->setSyscalls(nullptr);
    }
}

void HeldRemovalSyscalls::hold() {
    std::lock_guard lock(mutex_);
    held_ = true;
}

void HeldRemovalSyscalls::release() {
    std::lock_guard lock(mutex_);
    held_ = false;
    changed_.notify_all();
}

bool HeldRemovalSyscalls::waitUntilHeld(int ms) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return waiting_ > 0; });
}

void HeldRemovalSyscalls::failName(const std::string& name, int error) {
    std::lock_guard lock(mutex_);
    failures_[name] = error;
}

int HeldRemovalSyscalls::unlinkat(int dirfd, const char* name, int flags) {
    {
        std::unique_lock lock(mutex_);
        if (held_) {
            ++waiting_;
            changed_.notify_all();
            changed_.wait(lock, [this] { return !held_; });
            --waiting_;
        }
        if (auto it = failures_.find(name); it != failures_.end()) {
            errno = it->second;
            return -1;
        }
    }
    return Syscalls::unlinkat(dirfd, name, flags);
}

} // namespace dovrel::test
