#pragma once

#include "fs/FsCalls.h"
#include "fs/RemovalProgress.h"
#include "fs/TreeEraser.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace dovrel {

// Helper threads that empty subfolders handed off by a TreeEraser, so that
// independent subtrees of one location go on several cores at once.
//
//   eraser ──handOff(verified folder fd)──▶ [ jobs ] ──▶ helper: TreeEraser::empty()
//      ▲                                                      │
//      └──────── wait(job) / job.done ◀───────────────────────┘
//      then rmdir of the emptied folder, by name, identity checked
//
// A job is taken only when a helper is idle, so a job never waits in the
// queue for a busy helper and every helper holds at most one job: with each
// helper's own descriptor bound, the descriptors of the whole removal stay
// bounded. The helpers start with the first job and stop when the crew goes.
class RemovalCrew {
public:
    // `helpers` threads, each walking with at most `maxOpenFolders`
    // descriptors (the handed-off folder included).
    RemovalCrew(FsCalls& calls, RemovalProgress& progress, const std::atomic<bool>& cancelled, int helpers,
                int maxOpenFolders);
    RemovalCrew(const RemovalCrew&) = delete;
    RemovalCrew& operator=(const RemovalCrew&) = delete;
    // Lets the running jobs finish, then joins the helpers.
    ~RemovalCrew();

    // Gives `job` to an idle helper; false when none is idle (or none could be
    // started), and the caller keeps the folder. `job` must stay alive until
    // wait() has returned for it.
    bool handOff(TreeEraser::Handoff& job);

    // Some helper is idle (a hint: handOff() may still find none).
    bool hasIdleHelper() const { return idle_.load(std::memory_order_relaxed) > 0; }

    // Blocks until `job` is done (a helper always finishes what it took).
    void wait(TreeEraser::Handoff& job);

private:
    void start();
    void work();

    FsCalls& calls_;
    RemovalProgress& progress_;
    const std::atomic<bool>& cancelled_;
    const int helpers_;
    const int maxOpen_;

    std::mutex mutex_;
    std::condition_variable jobReady_;
    std::condition_variable jobDone_;
    std::deque<TreeEraser::Handoff*> jobs_;
    std::atomic<int> idle_; // changed under mutex_, read without it as a hint; all before start()
    bool started_ = false;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace dovrel
