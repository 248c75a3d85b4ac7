#include "fs/ParallelSizeWalk.h"

#include "fs/DirectoryReader.h"
#include "fs/FolderTotals.h"
#include "fs/FolderWalk.h"
#include "fs/FsCalls.h"
#include "fs/IoWaitProbe.h"
#include "fs/PathOps.h"
#include "fs/Syscalls.h"
#include "fs/WalkPool.h"

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <dirent.h>
#include <mutex>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

namespace dovrel {

namespace {

constexpr std::size_t kMaxQueued = 64;

// A folder being measured: done when its own listing and every subfolder
// queued from it are done; then its total goes to its parent (or, for a root,
// to the walk's results and to the roots waiting for it).
struct Node {
    Node* parent = nullptr;
    std::size_t root = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0; // as the parent's listing (a root: its stat) gives it
    bool trusted = false;    // (device, inode) names this folder
    bool hidden = false;     // its name starts with "."
    std::atomic<bool> marked{false};
    std::atomic<ByteCount> sum{0};
    std::atomic<int> pending{1}; // its own listing + subfolders not yet done
};

struct Queued {
    int fd = -1;
    Node* node = nullptr;
};

class Walk {
public:
    Walk(Syscalls& sys, WalkPool& pool, FolderTotals* memo, const std::vector<ParallelSizeWalk::Root>& roots,
         ParallelSizeWalk::NameMark marks)
        : sys_(sys), calls_(sys), pool_(pool), memo_(memo), marks_(marks), roots_(roots),
          totals_(roots.size(), 0), done_(roots.size(), false), waiters_(roots.size()) {
        for (std::size_t i = 0; i < roots.size(); ++i) {
            const FileIdentity& id = roots[i].identity;
            if (id.inode != 0)
                rootIndex_.emplace(FolderKey{id.device, id.inode}, i);
        }
    }

    void work() {
        IoWaitProbe probe;
        for (;;) {
            Queued item;
            std::size_t root = 0;
            bool isRoot = false;
            {
                std::unique_lock lock(mutex_);
                ready_.wait(lock, [&] { return !queue_.empty() || nextRoot_ < roots_.size() || busy_ == 0; });
                if (!queue_.empty()) {
                    item = queue_.back();
                    queue_.pop_back();
                } else if (nextRoot_ < roots_.size()) {
                    root = nextRoot_++;
                    isRoot = true;
                } else {
                    break; // nothing queued, no root left, and nobody can queue more
                }
                ++busy_;
            }
            if (isRoot)
                item = openRoot(root);
            if (item.fd >= 0) {
                probe.begin();
                readFolder(item);
                if (probe.end() && hasWaiting())
                    pool_.moreInFlight();
            }
            {
                std::lock_guard lock(mutex_);
                --busy_;
                if (busy_ == 0 && queue_.empty() && nextRoot_ == roots_.size())
                    ready_.notify_all();
            }
        }
    }

    const std::vector<ByteCount>& totals() const { return totals_; }

private:
    Queued openRoot(std::size_t index) {
        const ParallelSizeWalk::Root& r = roots_[index];
        auto duplicate = rootIndex_.find({r.identity.device, r.identity.inode});
        if (r.identity.inode != 0 && duplicate != rootIndex_.end() && duplicate->second != index) {
            // The same folder as another root: its total, once known.
            auto* node = new Node;
            node->root = index;
            node->pending = 2;
            waitFor(duplicate->second, node);
            finish(node);
            return {};
        }
        const int fd = PathOps::openDirectory(r.folder, false);
        if (fd < 0) {
            completeRoot(index, 0);
            return {};
        }
        auto* node = new Node;
        node->root = index;
        node->device = r.identity.device;
        node->inode = r.identity.inode;
        node->trusted = memo_ != nullptr && r.identity.inode != 0;
        return {fd, node};
    }

    // Lists the folder, closes it, and counts its listing as done.
    void readFolder(Queued item) {
        Node* node = item.node;
        const int fd = item.fd;
        ByteCount sum = 0;
        bool marked = marks_ == nullptr;
        DirectoryReader reader(calls_, fd);
        DirectoryReader::Entry e{};
        while (reader.next(e)) {
            const char* name = e.name.data();
            const bool hidden = name[0] == '.';
            if (!marked && !hidden && marks_(e.name))
                marked = true;
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
            // Below a folder whose "." agrees with its key, a subfolder's key
            // is this folder's device and the inode the listing gives it.
            const bool keyed = node->trusted && reader.selfInode() == node->inode;
            if (keyed && reuse(node, fd, name, e.inode, sum, hidden ? nullptr : &marked))
                continue;
            int child = calls_.openFolder(fd, name, true);
            while (child < 0 && (errno == EMFILE || errno == ENFILE)) {
                // Out of descriptors: work off a queued folder here to free one.
                const Queued queued = takeQueued();
                if (queued.fd < 0)
                    break;
                readFolder(queued);
                child = calls_.openFolder(fd, name, true);
            }
            if (child < 0)
                continue; // unreadable or vanished: counts 0
            auto* sub = new Node;
            sub->parent = node;
            sub->root = node->root;
            sub->device = node->device;
            sub->inode = e.inode;
            sub->trusted = keyed;
            sub->hidden = hidden;
            bool queued = false;
            {
                std::lock_guard lock(mutex_);
                if (queue_.size() < kMaxQueued) {
                    node->pending.fetch_add(1);
                    queue_.push_back({child, sub});
                    queued = true;
                }
            }
            if (queued) {
                ready_.notify_one();
            } else {
                delete sub;
                marked = marked || !hidden; // not looked at closely enough to tell
                FolderWalk::Options options;
                options.calls = &sys_;
                FolderWalk::walkDescriptor(child, options, [&sum](const FolderWalk::Item& i) {
                    sum += i.size;
                    return true;
                });
                calls_.close(child);
            }
        }
        calls_.close(fd);
        node->sum.fetch_add(sum);
        if (marked)
            node->marked = true;
        if (node->trusted && reader.selfInode() != node->inode)
            node->trusted = false; // not what its parent took it for: nothing to record
        finish(node);
    }

    // A subfolder already measured (recorded, or another root of this walk)
    // is taken from there once a stat shows it is that folder.
    bool reuse(Node* node, int fd, const char* name, std::uint64_t inode, ByteCount& sum, bool* marked) {
        const FolderKey key{node->device, inode};
        const std::optional<FolderTotals::Measured> known = memo_->find(key.device, key.inode);
        auto root = rootIndex_.end();
        if (!known) {
            root = rootIndex_.find(key);
            if (root == rootIndex_.end())
                return false;
        }
        FsCalls::Status st;
        if (!calls_.status(fd, name, st) || !st.isDirectory() || st.identity.device != key.device ||
            st.identity.inode != key.inode)
            return false;
        if (known) {
            sum += known->total;
            if (marked && known->marked)
                *marked = true;
            return true;
        }
        // Another root of this walk, maybe not done yet: this folder waits.
        auto* stand = new Node;
        stand->parent = node;
        stand->pending = 2; // the root's total, and this placeholder's own "listing"
        stand->hidden = marked == nullptr;
        stand->marked = true; // another root's marks are not carried over
        node->pending.fetch_add(1);
        waitFor(root->second, stand);
        finish(stand);
        return true;
    }

    void waitFor(std::size_t root, Node* waiter) {
        ByteCount total = 0;
        {
            std::lock_guard lock(rootsMutex_);
            if (!done_[root]) {
                waiters_[root].push_back(waiter);
                return;
            }
            total = totals_[root];
        }
        waiter->sum.fetch_add(total);
        finish(waiter);
    }

    void completeRoot(std::size_t root, ByteCount total) {
        std::vector<Node*> waiting;
        {
            std::lock_guard lock(rootsMutex_);
            totals_[root] = total;
            done_[root] = true;
            waiting.swap(waiters_[root]);
        }
        for (Node* w : waiting) {
            w->sum.fetch_add(total);
            finish(w);
        }
    }

    // One part of `node` is done; when it was the last, its total goes up
    // (and so on up the tree).
    void finish(Node* node) {
        while (node && node->pending.fetch_sub(1) == 1) {
            const ByteCount total = node->sum.load();
            Node* parent = node->parent;
            if (node->trusted)
                memo_->record(node->device, node->inode, {total, node->marked.load()});
            if (parent) {
                parent->sum.fetch_add(total);
                if (!node->hidden && node->marked)
                    parent->marked = true;
            } else
                completeRoot(node->root, total);
            delete node;
            node = parent;
        }
    }

    Queued takeQueued() {
        std::lock_guard lock(mutex_);
        if (queue_.empty())
            return {};
        const Queued q = queue_.back();
        queue_.pop_back();
        return q;
    }

    bool hasWaiting() {
        std::lock_guard lock(mutex_);
        return !queue_.empty() || nextRoot_ < roots_.size();
    }

    Syscalls& sys_;
    FsCalls calls_;
    WalkPool& pool_;
    FolderTotals* memo_;
    ParallelSizeWalk::NameMark marks_;
    const std::vector<ParallelSizeWalk::Root>& roots_;
    std::unordered_map<FolderKey, std::size_t, FolderKeyHash> rootIndex_;

    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<Queued> queue_;
    std::size_t nextRoot_ = 0;
    int busy_ = 0;

    std::mutex rootsMutex_;
    std::vector<ByteCount> totals_;
    std::vector<bool> done_;
    std::vector<std::vector<Node*>> waiters_;
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
    if (pool.maxThreads() <= 1) {
        ByteCount sum = 0;
        FolderWalk::Options options;
        options.calls = &sys;
        FolderWalk::walk(folder, options, [&sum](const FolderWalk::Item& item) {
            sum += item.size;
            return true;
        });
        return sum;
    }
    return totals({Root{folder, {}}}, pool, nullptr, calls).front();
}

std::vector<ByteCount> ParallelSizeWalk::totals(const std::vector<Root>& roots, WalkPool& pool,
                                                FolderTotals* memo, Syscalls* calls, NameMark marks) {
    if (roots.empty())
        return {};
    Syscalls& sys = calls ? *calls : Syscalls::system();
    Walk walk(sys, pool, memo, roots, marks);
    if (!pool.runOnAll([&walk] { walk.work(); }))
        walk.work(); // the pool is busy with another walk: this thread alone
    return walk.totals();
}

} // namespace dovrel
