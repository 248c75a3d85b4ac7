#include "fs/RemovalCrew.h"

#include <system_error>

namespace dovrel {

RemovalCrew::RemovalCrew(FsCalls& calls, RemovalProgress& progress, const std::atomic<bool>& cancelled,
                         int helpers, int maxOpenFolders)
    : calls_(calls), progress_(progress), cancelled_(cancelled), helpers_(helpers < 0 ? 0 : helpers),
      maxOpen_(maxOpenFolders), idle_(helpers_) {}

RemovalCrew::~RemovalCrew() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    jobReady_.notify_all();
    for (std::thread& t : threads_)
        t.join();
}

void RemovalCrew::start() {
    // Called with mutex_ held, once. A helper that cannot be started is simply
    // not there; with none the caller does all the work itself.
    started_ = true;
    int running = 0;
    for (; running < helpers_; ++running) {
        try {
            threads_.emplace_back([this] { work(); });
        } catch (const std::system_error&) {
            break;
        }
    }
    idle_.store(running, std::memory_order_relaxed);
}

bool RemovalCrew::handOff(TreeEraser::Handoff& job) {
    if (idle_.load(std::memory_order_relaxed) <= 0)
        return false;
    {
        std::lock_guard lock(mutex_);
        if (!started_)
            start();
        if (stopping_ || idle_.load(std::memory_order_relaxed) <= 0)
            return false;
        idle_.fetch_sub(1, std::memory_order_relaxed);
        jobs_.push_back(&job);
    }
    jobReady_.notify_one();
    return true;
}

void RemovalCrew::wait(TreeEraser::Handoff& job) {
    if (job.done.load(std::memory_order_acquire))
        return;
    std::unique_lock lock(mutex_);
    jobDone_.wait(lock, [&] { return job.done.load(std::memory_order_acquire); });
}

void RemovalCrew::work() {
    TreeEraser eraser(calls_, progress_, cancelled_, maxOpen_, this);
    for (;;) {
        TreeEraser::Handoff* job;
        {
            std::unique_lock lock(mutex_);
            jobReady_.wait(lock, [&] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty())
                return;
            job = jobs_.front();
            jobs_.pop_front();
        }
        job->result = eraser.empty(*job);
        {
            std::lock_guard lock(mutex_);
            idle_.fetch_add(1, std::memory_order_relaxed);
            job->done.store(true, std::memory_order_release);
        }
        jobDone_.notify_all();
    }
}

} // namespace dovrel
