#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace dovrel {

// The worker threads of one scan: started with the first walk that wants
// them, kept for every later walk of the scan, joined when the pool goes.
//
//   caller ──runOnAll(work)──▶ every base helper runs work() ─┐
//     │   a walker that waited on the disk ──moreInFlight()──▶ one more helper joins
//     └── runs work() itself, then waits for all ◀────────────┘
//
// A walk of a tree already in memory is bound by the processors, so each walk
// starts on as many threads as the pool's base count. A walker that keeps
// waiting on the disk asks for one more helper, up to the pool's maximum, so
// that more reads are in flight while the disk is slow; those extra helpers
// sit out the next walk until they are asked again.
//
// One walk at a time uses the pool; a walk asked for while another runs gets
// the calling thread only (its result is the same, found more slowly).
class WalkPool {
public:
    // The most threads an automatic pool grows to while walkers wait on I/O.
    static constexpr int kMaxInFlight = 16;

    // A pool of exactly `threads` threads, the calling one included (1 starts
    // no helper): never grows.
    explicit WalkPool(int threads) : WalkPool(threads, threads) {}
    // `threads` to start each walk with, growing to `maxThreads` on request.
    WalkPool(int threads, int maxThreads);
    // As many threads as this process may run at once on the machine's
    // processors, growing to kMaxInFlight while walkers wait on the disk.
    static int machineThreads();
    WalkPool(const WalkPool&) = delete;
    WalkPool& operator=(const WalkPool&) = delete;
    ~WalkPool();

    int threads() const { return threads_; }
    int maxThreads() const { return max_; }

    // Runs `work` on every base helper and on the caller; returns when every
    // run has returned. False (and nothing run) when the pool is busy with
    // another walk.
    bool runOnAll(const std::function<void()>& work);

    // From inside a running walk: one more helper runs `work` too, unless the
    // pool is at its maximum or no walk runs. True when one was added.
    bool moreInFlight();

private:
    void helper(int index);

    const int threads_;
    const int max_;
    std::mutex busy_; // held for the length of one runOnAll
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    const std::function<void()>* work_ = nullptr;
    std::uint64_t round_ = 0;
    int wanted_ = 0; // helpers 0 .. wanted_-1 take part in this round
    int running_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> helpers_;
};

} // namespace dovrel
