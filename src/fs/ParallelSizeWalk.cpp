#include "fs/ParallelSizeWalk.h"

#include "fs/DirectoryReader.h"
#include "fs/FolderWalk.h"
#include "fs/FsCalls.h"
#include "fs/PathOps.h"
#include "fs/Syscalls.h"
#include "fs/WalkPool.h"

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <dirent.h>
#include <mutex>
#include <sys/stat.h>
#include <vector>

namespace dovrel {

namespace {

constexpr std::size_t kMaxQueued = 64;

class Walk {
public:
    Walk(Syscalls& sys, int rootfd) : sys_(sys), calls_(sys) { queue_.push_back(rootfd); }

    void work() {
        ByteCount local = 0;
        for (;;) {
            int fd;
            {
                std::unique_lock lock(mutex_);
                ready_.wait(lock, [&] { return !queue_.empty() || busy_ == 0; });
                if (queue_.empty())
                    break; // nothing queued and nobody can queue more
                fd = queue_.back();
                queue_.pop_back();
                ++busy_;
            }
            local += readFolder(fd);
            calls_.close(fd);
            {
                std::lock_guard lock(mutex_);
                --busy_;
                if (busy_ == 0 && queue_.empty())
                    ready_.notify_all();
            }
        }
        total_.fetch_add(local, std::memory_order_relaxed);
    }

    ByteCount total() const { return total_.load(); }

private:
    ByteCount readFolder(int fd) {
        ByteCount sum = 0;
        DirectoryReader reader(calls_, fd);
        DirectoryReader::Entry e{};
        while (reader.next(e)) {
            const char* name = e.name.data();
            if (e.type != DT_DIR) {
                unsigned type = 0;
                ByteCount size = 0;
                if (!calls_.typeAndSize(fd, name, type, size))
                    continue; // vanished
                if (type != S_IFDIR) {
                    sum += size;
                    continue;
                }
            }
            int child = calls_.openFolder(fd, name, true);
            while (child < 0 && (errno == EMFILE || errno == ENFILE)) {
                // Out of descriptors: work off a queued folder here to free one.
                const int queued = takeQueued();
                if (queued < 0)
                    break;
                sum += readFolder(queued);
                calls_.close(queued);
                child = calls_.openFolder(fd, name, true);
            }
            if (child < 0)
                continue; // unreadable or vanished: counts 0
            bool queued = false;
            {
                std::lock_guard lock(mutex_);
                if (queue_.size() < kMaxQueued) {
                    queue_.push_back(child);
                    queued = true;
                }
            }
            if (queued) {
                ready_.notify_one();
            } else {
                FolderWalk::Options options;
                options.calls = &sys_;
                FolderWalk::walkDescriptor(child, options, [&sum](const FolderWalk::Item& item) {
                    sum += item.size;
                    return true;
                });
                calls_.close(child);
            }
        }
        return sum;
    }

    int takeQueued() {
        std::lock_guard lock(mutex_);
        if (queue_.empty())
            return -1;
        const int fd = queue_.back();
        queue_.pop_back();
        return fd;
    }

    Syscalls& sys_;
    FsCalls calls_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<int> queue_;
    int busy_ = 0;
    std::atomic<ByteCount> total_{0};
};

} // namespace

ByteCount ParallelSizeWalk::total(const Location& folder, int threads, Syscalls* calls) {
    WalkPool pool(threads);
    return total(folder, pool, calls);
}

ByteCount ParallelSizeWalk::total(const Location& folder, WalkPool& pool, Syscalls* calls) {
    if (folder.empty())
        return 0;
    Syscalls& sys = calls ? *calls : Syscalls::system();
    if (pool.threads() <= 1) {
        ByteCount sum = 0;
        FolderWalk::Options options;
        options.calls = &sys;
        FolderWalk::walk(folder, options, [&sum](const FolderWalk::Item& item) {
            sum += item.size;
            return true;
        });
        return sum;
    }
    const int rootfd = PathOps::openDirectory(folder, false);
    if (rootfd < 0)
        return 0;
    Walk walk(sys, rootfd);
    if (!pool.runOnAll([&walk] { walk.work(); }))
        walk.work(); // the pool is busy with another walk: this thread alone
    return walk.total();
}

} // namespace dovrel
