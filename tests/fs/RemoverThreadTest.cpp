#include "RemoverFixture.h"

#include "fs/Remover.h"
#include "fs/TreeEraser.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>

// What the helper threads add to a removal: totals that stay exact, one
// descriptor bound for all threads, cancel and stop reaching every thread,
// and a handed-off folder that fills up again.

namespace dovrel::test {
namespace {

namespace fs = std::filesystem;
using Status = RemovalOutcome::Status;

// The real calls, watched from every thread: which threads unlink, how many
// descriptors the removal holds at once (all its opens and closes pass
// here), and hooks that run first (an errno from beforeUnlink fails the call).
class WatchedCalls : public Syscalls {
public:
    std::function<void(int dirfd, const char* name)> beforeOpen;
    std::function<void(int dirfd, const char* name, int fd)> afterOpen;
    std::function<void(int fd)> beforeClose;
    std::function<int(const char* name, int flags)> beforeUnlink;

    int openat(int dirfd, const char* name, int flags) override {
        if (beforeOpen)
            beforeOpen(dirfd, name);
        const int fd = Syscalls::openat(dirfd, name, flags);
        if (afterOpen)
            afterOpen(dirfd, name, fd);
        if (fd >= 0) {
            const int now = ++open;
            int seen = peak.load();
            while (now > seen && !peak.compare_exchange_weak(seen, now)) {
            }
        }
        return fd;
    }
    int close(int fd) override {
        if (beforeClose)
            beforeClose(fd);
        --open;
        return Syscalls::close(fd);
    }
    int unlinkat(int dirfd, const char* name, int flags) override {
        {
            std::lock_guard lock(mutex_);
            unlinkers_.insert(std::this_thread::get_id());
        }
        if (const int error = beforeUnlink ? beforeUnlink(name, flags) : 0) {
            errno = error;
            return -1;
        }
        return Syscalls::unlinkat(dirfd, name, flags);
    }

    std::size_t unlinkingThreads() {
        std::lock_guard lock(mutex_);
        return unlinkers_.size();
    }

    std::atomic<int> open{0};
    std::atomic<int> peak{0};

private:
    std::mutex mutex_;
    std::set<std::thread::id> unlinkers_;
};

// Waits (at most ten seconds) until `flag` is set.
bool waitFor(const std::atomic<bool>& flag) {
    for (int i = 0; i < 10000 && !flag.load(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return flag.load();
}

std::uint64_t inodeOf(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? st.st_ino : 0;
}

class RemoverThreadTest : public RemoverFixture {
protected:
    // `folders` folders nested ten to a level below Caches/name/d0 (d0 holds
    // d1..d9, d1 holds d10..d19, …), each with `files` files of 0 to 2999
    // bytes; now and then a link to the victim or an empty folder.
    fs::path wideTree(const std::string& name, int folders, int files) {
        unsigned seed = 7;
        for (int i = 0; i < folders; ++i) {
            std::string dir;
            for (int k = i; k > 0; k /= 10)
                dir = "/d" + std::to_string(k) + dir;
            dir = "home/Library/Caches/" + name + "/d0" + dir;
            tree.folder(dir);
            for (int j = 0; j < files; ++j) {
                seed = seed * 1103515245u + 12345u;
                tree.file(dir + "/f" + std::to_string(j), (seed >> 16) % 3000);
            }
            if (i % 7 == 3)
                tree.symlink(dir + "/link", victim);
            if (i % 11 == 5)
                tree.folder(dir + "/empty");
        }
        return caches / name;
    }
};

TEST_F(RemoverThreadTest, TotalsAreExactWhateverTheThreadsAndBound) {
    for (const int threads : {1, 2, 3}) {
        for (const int maxOpen : {4, 5, 48}) {
            SCOPED_TRACE("threads " + std::to_string(threads) + ", bound " + std::to_string(maxOpen));
            const fs::path app = wideTree("app", 120, 12);
            const ByteCount bytes = logicalSize(app);
            const std::int64_t items = entryCount(app);

            WatchedCalls calls;
            Remover remover(home, calls);
            remover.setThreads(threads);
            remover.setMaxOpenFolders(maxOpen);
            const RemovalReport report = remover.remove({scanned(app)});

            EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
            EXPECT_EQ(report.itemsRemoved, items);
            EXPECT_EQ(report.outcomes[0].items, items);
            EXPECT_EQ(report.bytesFreed, bytes);
            EXPECT_EQ(remover.progress().itemsRemoved.load(), items);
            EXPECT_EQ(remover.progress().bytesFreed.load(), bytes);
            EXPECT_FALSE(exists(app));
            EXPECT_EQ(calls.open.load(), 0) << "descriptors left open";
            // Each thread walks with at least two descriptors.
            const bool helped = std::min(threads, maxOpen / 2) > 1;
            EXPECT_EQ(calls.unlinkingThreads() > 1, helped) << calls.unlinkingThreads();
        }
    }
    EXPECT_TRUE(victimIntact());
}

TEST_F(RemoverThreadTest, DescriptorBoundIsSharedByAllThreads) {
    // Two chains sixty folders deep, a file at every level and a leaf folder
    // at every fifth: both threads go deep at once, and leaves are handed off
    // from deep down.
    for (const char* chain : {"a", "b"}) {
        std::string dir = std::string("home/Library/Caches/app/") + chain;
        for (int level = 0; level < 60; ++level) {
            tree.file(dir + "/f", level);
            if (level % 5 == 0)
                tree.file(dir + "/leaf/g", 3);
            dir += "/x";
        }
    }
    const fs::path app = caches / "app";
    const ByteCount bytes = logicalSize(app);
    const std::int64_t items = entryCount(app);

    for (const int threads : {1, 2, 3}) {
        SCOPED_TRACE("threads " + std::to_string(threads));
        const fs::path copy = caches / ("app" + std::to_string(threads));
        fs::copy(app, copy, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        constexpr int kBound = 8;
        WatchedCalls calls;
        Remover remover(home, calls);
        remover.setThreads(threads);
        remover.setMaxOpenFolders(kBound);
        const RemovalReport report = remover.remove({scanned(copy)});

        EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
        EXPECT_EQ(report.itemsRemoved, items);
        EXPECT_EQ(report.bytesFreed, bytes);
        // The bound, plus the home folder and the location's parent, plus
        // one descriptor per thread for the moment a folder is being opened.
        EXPECT_LE(calls.peak.load(), kBound + 2 + threads);
        EXPECT_EQ(calls.open.load(), 0);
    }
}

TEST_F(RemoverThreadTest, DeepChainsOnThreeThreadsWithin256Descriptors) {
    // As TenThousandLevelsWithin256Descriptors, with two chains of 5,000 and a
    // leaf every 50 levels, so that helpers climb back through ".." far down.
    fs::path base = tmp.path();
    struct statfs sfs {};
    std::string shm = "/dev/shm/dovrel-deep-XXXXXX";
    if (::statfs("/dev/shm", &sfs) == 0 && sfs.f_type == TMPFS_MAGIC && ::mkdtemp(shm.data()))
        base = shm;
    const fs::path deepHome = base / "home";
    const fs::path top = deepHome / "Library/Caches/deep";
    fs::create_directories(top);
    struct Cleanup {
        fs::path base, home, top;
        bool own;
        ~Cleanup() {
            Remover(home).remove({{top, std::nullopt}});
            std::error_code ec;
            if (own)
                fs::remove_all(base, ec);
        }
    } cleanup{base, deepHome, top, base != tmp.path()};

    constexpr int kDepth = 5000;
    std::int64_t items = 1;
    ByteCount bytes = 0;
    for (const char* chain : {"a", "b"}) {
        int fd = ::open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        const char* name = chain;
        for (int level = 0; level < kDepth; ++level, name = "d") {
            ASSERT_EQ(::mkdirat(fd, name, 0755), 0);
            const int next = ::openat(fd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            ::close(fd);
            ASSERT_GE(next, 0);
            fd = next;
            ++items;
            if (level % 50 == 0) {
                ASSERT_EQ(::mkdirat(fd, "leaf", 0755), 0);
                const int file = ::openat(fd, "leaf/x", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
                ASSERT_EQ(::write(file, "123", 3), 3);
                ::close(file);
                items += 2;
                bytes += 3;
            }
        }
        ::close(fd);
    }

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    struct rlimit low = saved;
    low.rlim_cur = 256;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    Remover remover(deepHome);
    remover.setThreads(3);
    const RemovalReport report = remover.remove({scanned(top)});
    ::setrlimit(RLIMIT_NOFILE, &saved);

    EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
    EXPECT_EQ(report.itemsRemoved, items);
    EXPECT_EQ(report.bytesFreed, bytes);
    EXPECT_FALSE(exists(top));
}

TEST_F(RemoverThreadTest, CancelWhileHelpersWorkCountsExactlyWhatWent) {
    const fs::path app = wideTree("app", 200, 10);
    const fs::path other = wideTree("other", 3, 3);
    const ByteCount bytes = logicalSize(app);
    const std::int64_t items = entryCount(app);

    WatchedCalls calls;
    Remover remover(home, calls);
    const auto caller = std::this_thread::get_id();
    std::atomic<int> helperUnlinks{0};
    calls.beforeUnlink = [&](const char*, int) {
        if (std::this_thread::get_id() != caller && ++helperUnlinks == 30)
            remover.cancel();
        return 0;
    };
    const RemovalReport report = remover.remove({scanned(app), scanned(other)});

    EXPECT_EQ(report.outcomes[0].status, Status::Cancelled);
    EXPECT_EQ(report.outcomes[1].status, Status::Cancelled);
    EXPECT_GE(helperUnlinks.load(), 30);
    ASSERT_TRUE(exists(app));
    EXPECT_EQ(report.itemsRemoved, items - entryCount(app));
    EXPECT_EQ(report.bytesFreed, bytes - logicalSize(app));
    EXPECT_EQ(remover.progress().itemsRemoved.load(), report.itemsRemoved);
    EXPECT_EQ(remover.progress().bytesFreed.load(), report.bytesFreed);
    EXPECT_TRUE(exists(other / "d0/f0"));

    // The cancel is used up; the rest goes and the two runs add up.
    calls.beforeUnlink = nullptr;
    const RemovalReport rest = remover.remove({scanned(app)});
    EXPECT_EQ(rest.outcomes[0].status, Status::Removed) << rest.outcomes[0].reason;
    EXPECT_EQ(report.itemsRemoved + rest.itemsRemoved, items);
    EXPECT_EQ(report.bytesFreed + rest.bytesFreed, bytes);
    EXPECT_TRUE(victimIntact());
}

TEST_F(RemoverThreadTest, HandedOffFolderFillingUpIsEnteredAgainAFewTimes) {
    // app/a, app/b and app/c: helpers get some of them, and with three
    // threads a folder that refused to go may be handed off again. Whenever
    // one is about to be removed, a file appears in it.
    const std::string folders = "abc";
    auto build = [&] {
        for (const char sub : folders) {
            for (int i = 0; i < 10; ++i)
                tree.file(std::string("home/Library/Caches/app/") + sub + "/f" + std::to_string(i), 10);
        }
    };
    std::array<std::atomic<int>, 3> refills{};
    std::atomic<int> allowed{2};
    WatchedCalls calls;
    calls.beforeUnlink = [&](const char* name, int flags) {
        const std::string n(name);
        if ((flags & AT_REMOVEDIR) && n.size() == 1 && folders.find(n[0]) != std::string::npos) {
            std::atomic<int>& count = refills[folders.find(n[0])];
            if (count < allowed)
                tree.file("home/Library/Caches/app/" + n + "/new" + std::to_string(count++), 1);
        }
        return 0;
    };

    for (const int threads : {2, 3}) {
        SCOPED_TRACE("threads " + std::to_string(threads));
        Remover remover(home, calls);
        remover.setThreads(threads);
        build();
        allowed = 2;
        for (auto& count : refills)
            count = 0;
        RemovalReport report = remover.remove({scanned(caches / "app")});
        EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
        EXPECT_EQ(report.bytesFreed, 300 + 6);
        EXPECT_EQ(report.itemsRemoved, 1 + 3 + 30 + 6);
        EXPECT_GT(calls.unlinkingThreads(), 1u) << "nothing was handed off";

        // Never done filling up: each is listed kMaxListings times in all,
        // the helpers' listings included, then reported.
        build();
        allowed = 1000;
        for (auto& count : refills)
            count = 0;
        report = remover.remove({scanned(caches / "app")});
        EXPECT_EQ(report.outcomes[0].status, Status::Failed);
        EXPECT_EQ(report.outcomes[0].reason.substr(1), ": Directory not empty") << report.outcomes[0].reason;
        for (std::size_t i = 0; i < folders.size(); ++i) {
            EXPECT_EQ(refills[i].load(), TreeEraser::kMaxListings) << folders[i];
            EXPECT_TRUE(exists(caches / "app" / std::string(1, folders[i])));
        }
        std::error_code ec;
        fs::remove_all(caches / "app", ec);
    }
}

TEST_F(RemoverThreadTest, HandedOffFolderReplacedMeanwhileIsLeftAlone) {
    // While a helper empties its folder, the folder is renamed and a new
    // empty one takes its name: the new one is not the folder that was
    // handed off, so it stays.
    for (const char* sub : {"a", "b"}) {
        for (int i = 0; i < 5; ++i)
            tree.file(std::string("home/Library/Caches/app/") + sub + "/" + sub + std::to_string(i), 10);
    }
    const fs::path app = caches / "app";
    WatchedCalls calls;
    const auto caller = std::this_thread::get_id();
    std::string swapped;
    calls.beforeUnlink = [&](const char* name, int) {
        if (std::this_thread::get_id() != caller && swapped.empty()) {
            swapped = std::string(1, name[0]); // the helper's folder
            fs::rename(app / swapped, app / (swapped + "-old"));
            fs::create_directory(app / swapped);
        }
        return 0;
    };
    Remover remover(home, calls);
    const RemovalReport report = remover.remove({scanned(app)});

    ASSERT_FALSE(swapped.empty()) << "nothing was handed off";
    EXPECT_EQ(report.outcomes[0].status, Status::Changed);
    EXPECT_EQ(report.outcomes[0].reason, swapped + ": replaced while being removed");
    EXPECT_TRUE(exists(app / swapped));
    EXPECT_TRUE(fs::is_empty(app / (swapped + "-old")));
    EXPECT_EQ(report.bytesFreed, 100);
}

TEST_F(RemoverThreadTest, HandedOffFolderRemovedAndMadeAgainByItsApplicationIsDone) {
    // While a helper empties its folder, the application removes that folder
    // and makes a fresh one: the folder handed off is gone, not replaced, and
    // the fresh one is new content of the location.
    for (const char* sub : {"a", "b"}) {
        for (int i = 0; i < 5; ++i)
            tree.file(std::string("home/Library/Caches/app/") + sub + "/" + sub + std::to_string(i), 10);
    }
    const fs::path app = caches / "app";
    WatchedCalls calls;
    const auto caller = std::this_thread::get_id();
    std::string cleared;
    calls.beforeUnlink = [&](const char* name, int) {
        if (std::this_thread::get_id() != caller && cleared.empty()) {
            cleared = std::string(1, name[0]); // the helper's folder
            fs::remove_all(app / cleared);
            tree.file(app / cleared / "fresh", 1);
        }
        return 0;
    };
    Remover remover(home, calls);
    const RemovalReport report = remover.remove({scanned(app)});

    ASSERT_FALSE(cleared.empty()) << "nothing was handed off";
    EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
    EXPECT_EQ(report.bytesFreed, 50 + 1);
    EXPECT_FALSE(exists(app));
}

TEST_F(RemoverThreadTest, FolderReplacedBeforeItIsEnteredAgainIsLeftAlone) {
    // The helper's folder refuses to go (ENOTEMPTY) and, before it is entered
    // again, another folder takes its name: that one is not entered.
    for (const char* sub : {"a", "b"}) {
        for (int i = 0; i < 5; ++i)
            tree.file(std::string("home/Library/Caches/app/") + sub + "/" + sub + std::to_string(i), 10);
    }
    const fs::path app = caches / "app";
    WatchedCalls calls;
    const auto caller = std::this_thread::get_id();
    std::atomic<char> helpers{0};
    std::atomic<bool> replaced{false};
    calls.beforeUnlink = [&](const char* name, int flags) {
        if (std::this_thread::get_id() != caller && helpers == 0)
            helpers = name[0]; // the helper's folder
        if ((flags & AT_REMOVEDIR) && name[0] == helpers && name[1] == '\0' && !replaced.exchange(true)) {
            const std::string n(name);
            fs::rename(app / n, app / (n + "-old"));
            tree.file("home/Library/Caches/app/" + n + "/intruder", 7);
            return ENOTEMPTY;
        }
        return 0;
    };
    Remover remover(home, calls);
    const RemovalReport report = remover.remove({scanned(app)});

    ASSERT_NE(helpers.load(), 0) << "nothing was handed off";
    const std::string n(1, helpers.load());
    EXPECT_EQ(report.outcomes[0].status, Status::Changed);
    EXPECT_EQ(report.outcomes[0].reason, n + ": replaced while being removed");
    EXPECT_TRUE(exists(app / n / "intruder"));
    EXPECT_EQ(report.bytesFreed, 100);
}

TEST_F(RemoverThreadTest, CallingThreadStoppingStopsItsHelpers) {
    // Two chains, app/a/b/c/d/e and app/p/q/r/s/t, with 200 files at the
    // bottom. The helper gets one and is held at its first file until the
    // calling thread has found its own chain moved away (as in
    // FolderMovedOutWhileRemovingStopsTheWalk) and stopped: the helper must
    // then stop too, leaving nearly all of its files.
    const std::vector<std::vector<std::string>> chains = {{"a", "b", "c", "d", "e"},
                                                          {"p", "q", "r", "s", "t"}};
    for (const auto& chain : chains) {
        std::string rel = "home/Library/Caches/app";
        for (const std::string& level : chain)
            rel += "/" + level;
        for (int i = 0; i < 200; ++i)
            tree.file(rel + "/" + chain[0] + std::to_string(i), 1);
    }
    const auto done = contained([&](std::ostream&) {
        WatchedCalls calls;
        Remover remover(home, calls);
        remover.setMaxOpenFolders(4);
        remover.setThreads(2);
        const auto caller = std::this_thread::get_id();
        std::atomic<char> helpers{0};
        std::atomic<bool> moved{false};
        std::atomic<int> climbs{0}; // by the calling thread, from the one that moved the folder on
        std::atomic<int> refusedClimb{-1};
        std::atomic<bool> stopped{false};
        std::atomic<bool> helperHeld{false};
        calls.beforeOpen = [&](int, const char* name) {
            if (std::this_thread::get_id() != caller || std::string(name) != ".." || moved)
                return;
            // The calling thread's first climb, once the helper is held: its
            // chain's fourth folder leaves.
            EXPECT_TRUE(waitFor(helperHeld)) << "the helper never started";
            const auto& chain = chains[helpers == 'a' ? 1 : 0];
            std::error_code ec;
            fs::rename(caches / "app" / chain[0] / chain[1] / chain[2] / chain[3], victim / "moved", ec);
            EXPECT_FALSE(ec) << ec.message();
            moved = true;
        };
        calls.afterOpen = [&](int, const char* name, int fd) {
            // The climb after the one that moved the folder leads outside the tree.
            if (std::this_thread::get_id() == caller && std::string(name) == ".." && moved && ++climbs == 2)
                refusedClimb = fd;
        };
        calls.beforeClose = [&](int fd) {
            // Closing the climb that led outside comes right before stopping.
            if (std::this_thread::get_id() == caller && fd == refusedClimb && fd >= 0)
                stopped = true;
        };
        calls.beforeUnlink = [&](const char* name, int) {
            if (std::this_thread::get_id() != caller && helpers == 0) {
                helpers = name[0];
                helperHeld = true;
                EXPECT_TRUE(waitFor(stopped)) << "the calling thread did not stop";
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            return 0;
        };
        const RemovalReport report = remover.remove({scanned(caches / "app")});

        ASSERT_NE(helpers.load(), 0) << "nothing was handed off";
        const auto& mine = chains[helpers == 'a' ? 0 : 1];
        const auto& theirs = chains[helpers == 'a' ? 1 : 0];
        EXPECT_EQ(report.outcomes[0].status, Status::Changed);
        EXPECT_EQ(report.outcomes[0].reason, theirs[0] + "/" + theirs[1] + "/" + theirs[2] + "/" + theirs[3] +
                                                 ": moved while being removed; stopped");
        const fs::path bottom = caches / "app" / mine[0] / mine[1] / mine[2] / mine[3] / mine[4];
        EXPECT_GE(entryCount(bottom), 150) << "the helper went on after the stop";
        EXPECT_TRUE(victimIntact());
        EXPECT_TRUE(exists(victim / "moved"));
    });
    if (!done)
        GTEST_SKIP() << "cannot shut the test in a chroot here";
}

TEST_F(RemoverThreadTest, HelperFindingItsFolderMovedStopsTheWholeLocation) {
    // Two chains, app/a/b/c/d/e and app/p/q/r/s/t, a file at each level. One
    // goes to the helper. With two descriptors each, the helper climbs back
    // through "..": the first time it does, the fourth folder of its chain
    // moves into the victim folder. It must notice at its next climb and
    // stop, and the whole location with it.
    const std::vector<std::vector<std::string>> chains = {{"a", "b", "c", "d", "e"},
                                                          {"p", "q", "r", "s", "t"}};
    for (const auto& chain : chains) {
        std::string rel = "home/Library/Caches/app";
        for (const std::string& level : chain) {
            rel += "/" + level;
            tree.file(rel + "/file", 10);
        }
    }
    const auto done = contained([&](std::ostream&) {
        std::vector<std::uint64_t> deepest;
        std::vector<fs::path> fourth;
        for (const auto& chain : chains) {
            fs::path p = caches / "app";
            for (std::size_t i = 0; i < chain.size(); ++i) {
                p /= chain[i];
                if (i == 3)
                    fourth.push_back(p);
            }
            struct stat st {};
            EXPECT_EQ(::lstat(p.c_str(), &st), 0);
            deepest.push_back(st.st_ino);
        }

        WatchedCalls moving;
        Remover walker(home, moving);
        walker.setMaxOpenFolders(4);
        walker.setThreads(2);
        const auto caller = std::this_thread::get_id();
        std::atomic<int> moved{-1};
        moving.beforeOpen = [&](int dirfd, const char* name) {
            if (std::string(name) != ".." || std::this_thread::get_id() == caller || moved >= 0)
                return;
            const std::uint64_t from = inodeOf(dirfd);
            for (int c = 0; c < 2; ++c) {
                if (from == deepest[static_cast<std::size_t>(c)]) {
                    moved = c;
                    fs::rename(fourth[static_cast<std::size_t>(c)], victim / "moved");
                }
            }
        };
        const RemovalReport report = walker.remove({scanned(caches / "app")});

        ASSERT_GE(moved.load(), 0) << "the helper never climbed from the deepest folder";
        const auto& chain = chains[static_cast<std::size_t>(moved.load())];
        EXPECT_EQ(report.outcomes[0].status, Status::Changed);
        EXPECT_EQ(report.outcomes[0].reason, chain[0] + "/" + chain[1] + "/" + chain[2] + "/" + chain[3] +
                                                 ": moved while being removed; stopped");
        EXPECT_TRUE(victimIntact());
        EXPECT_TRUE(exists(victim / "moved"));
        EXPECT_TRUE(exists(caches / "app" / chain[0] / chain[1] / chain[2]));
    });
    if (!done)
        GTEST_SKIP() << "cannot shut the test in a chroot here";
}

} // namespace
} // namespace dovrel::test
