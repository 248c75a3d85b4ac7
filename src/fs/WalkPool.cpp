#include "fs/WalkPool.h"

namespace dovrel {

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
    if (helpers_.empty()) {
        for (int i = 1; i < threads_; ++i)
            helpers_.emplace_back([this] { helper(); });
    }
    {
        std::lock_guard lock(mutex_);
        work_ = &work;
        running_ = static_cast<int>(helpers_.size());
        ++round_;
    }
    wake_.notify_all();
    work();
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return running_ == 0; });
    work_ = nullptr;
    return true;
}

void WalkPool::helper() {
    std::uint64_t seen = 0;
    for (;;) {
        const std::function<void()>* work;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || round_ != seen; });
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
