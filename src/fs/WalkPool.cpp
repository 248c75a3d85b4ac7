#include "fs/WalkPool.h"

#include <algorithm>
#include <sched.h>

namespace dovrel {

WalkPool::WalkPool(int threads, int maxThreads)
    : threads_(std::max(threads, 1)), max_(std::max(maxThreads, std::max(threads, 1))) {}

int WalkPool::machineThreads() {
    cpu_set_t set;
    CPU_ZERO(&set);
    int n = 0;
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        n = CPU_COUNT(&set);
    if (n < 1)
        n = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(n, 1, kMaxInFlight);
}

WalkPool::~WalkPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : helpers_)
        t.join();
}

bool WalkPool::runOnAll(const std::function<void()>& work) {
    std::unique_lock busy(busy_, std::try_to_lock);
    if (!busy.owns_lock())
        return false;
    {
        std::lock_guard lock(mutex_);
        while (static_cast<int>(helpers_.size()) < threads_ - 1) {
            const int index = static_cast<int>(helpers_.size());
            helpers_.emplace_back([this, index] { helper(index); });
        }
        work_ = &work;
        wanted_ = threads_ - 1;
        running_ = wanted_;
        ++round_;
    }
    wake_.notify_all();
    work();
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return running_ == 0; });
    work_ = nullptr;
    return true;
}

bool WalkPool::moreInFlight() {
    {
        std::lock_guard lock(mutex_);
        if (work_ == nullptr || wanted_ >= max_ - 1)
            return false;
        if (wanted_ == static_cast<int>(helpers_.size())) {
            const int index = wanted_;
            helpers_.emplace_back([this, index] { helper(index); });
        }
        ++wanted_;
        ++running_;
    }
    wake_.notify_all();
    return true;
}

void WalkPool::helper(int index) {
    std::uint64_t seen = 0;
    for (;;) {
        const std::function<void()>* work;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || (round_ != seen && index < wanted_ && work_); });
            if (stopping_)
                return;
            seen = round_;
            work = work_;
        }
        (*work)();
        std::lock_guard lock(mutex_);
        if (--running_ == 0)
            finished_.notify_all();
    }
}

} // namespace dovrel
