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
//   caller ──runOnAll(work)──▶ every helper runs work() ─┐
//     └── runs work() itself, then waits for all ◀───────┘
//
// One walk at a time uses the pool; a walk asked for while another runs gets
// the calling thread only (its result is the same, found more slowly).
class WalkPool {
public:
    // `threads` counts the calling thread; 1 starts no helper.
    explicit WalkPool(int threads) : threads_(threads < 1 ? 1 : threads) {}
    WalkPool(const WalkPool&) = delete;
    WalkPool& operator=(const WalkPool&) = delete;
    ~WalkPool();

    int threads() const { return threads_; }

    // Runs `work` on every helper and on the caller; returns when every run
    // has returned. False (and nothing run) when the pool is busy with
    // another walk.
    bool runOnAll(const std::function<void()>& work);

private:
    void helper();

    const int threads_;
    std::mutex busy_; // held for the length of one runOnAll
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    const std::function<void()>* work_ = nullptr;
    std::uint64_t round_ = 0;
    int running_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> helpers_;
};

} // namespace dovrel
