#include "fs/ParallelSizeWalk.h"

#include "fs/DirectoryReader.h"
#include "fs/FolderWalk.h"
#include "fs/PathOps.h"

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace dovrel {

namespace {

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
constexpr std::size_t kMaxQueued = 64;

class Walk {
public:
    explicit Walk(int rootfd) { queue_.push_back(rootfd); }

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
            ::close(fd);
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
        DirectoryReader reader(fd);
        DirectoryReader::Entry e{};
        while (reader.next(e)) {
            const char* name = e.name.data();
            if (e.type != DT_DIR) {
                struct stat st {};
                if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue; // vanished
                if (!S_ISDIR(st.st_mode)) {
                    sum += static_cast<ByteCount>(st.st_size);
                    continue;
                }
            }
            int child;
            do {
                child = ::openat(fd, name, kDirFlags);
            } while (child < 0 && errno == EINTR);
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
                sum += FolderWalk::totalSizeOfDescriptor(child);
                ::close(child);
            }
        }
        return sum;
    }

    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<int> queue_;
    int busy_ = 0;
    std::atomic<ByteCount> total_{0};
};

} // namespace

ByteCount ParallelSizeWalk::total(const Location& folder, int threads) {
    if (folder.empty())
        return 0;
    if (threads <= 1)
        return FolderWalk::totalSize(folder);
    const int rootfd = PathOps::openDirectory(folder, false);
    if (rootfd < 0)
        return 0;
    Walk walk(rootfd);
    std::vector<std::thread> helpers;
    for (int i = 1; i < threads; ++i)
        helpers.emplace_back([&walk] { walk.work(); });
    walk.work();
    for (auto& t : helpers)
        t.join();
    return walk.total();
}

} // namespace dovrel
