#include "RemoverFixture.h"

#include "fs/FsCalls.h"
#include "fs/Remover.h"
#include "fs/TreeEraser.h"

#include <fcntl.h>
#include <sys/sysmacros.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace dovrel::test {
namespace {

namespace fs = std::filesystem;
using Status = RemovalOutcome::Status;

// The real calls, with hooks that run first and may fail the call with an
// errno (0 lets it through), or adjust a status afterwards. The removal's
// helper threads call the hooks too: what they share must be atomic.
class HookedCalls : public Syscalls {
public:
    std::function<int(const char* name, int flags)> beforeOpen;
    std::function<int(const char* name, int flags)> beforeUnlink;
    std::function<int(int fd)> beforeList;
    std::function<void(const char* name, struct statx* out)> afterStatx;

    int openat(int dirfd, const char* name, int flags) override {
        if (int error = beforeOpen ? beforeOpen(name, flags) : 0)
            return fail(error);
        return Syscalls::openat(dirfd, name, flags);
    }
    int unlinkat(int dirfd, const char* name, int flags) override {
        if (int error = beforeUnlink ? beforeUnlink(name, flags) : 0)
            return fail(error);
        return Syscalls::unlinkat(dirfd, name, flags);
    }
    long getdents(int fd, void* buffer, std::size_t size) override {
        if (int error = beforeList ? beforeList(fd) : 0)
            return fail(error);
        return Syscalls::getdents(fd, buffer, size);
    }
    int statx(int dirfd, const char* name, int flags, unsigned mask, struct statx* out) override {
        const int rc = Syscalls::statx(dirfd, name, flags, mask, out);
        if (rc == 0 && afterStatx)
            afterStatx(name, out);
        return rc;
    }

private:
    static int fail(int error) {
        errno = error;
        return -1;
    }
};

std::uint64_t inodeOf(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? st.st_ino : 0;
}

std::uint64_t inodeOf(const fs::path& p) {
    struct stat st {};
    return ::lstat(p.c_str(), &st) == 0 ? st.st_ino : 0;
}

class RemoverFaultTest : public RemoverFixture {
protected:
    // A folder of three 10-byte files and a subfolder with two more.
    fs::path smallTree(const std::string& name) {
        for (const char* f : {"f1", "f2", "f3", "sub/g1", "sub/g2"})
            tree.file("home/Library/Caches/" + name + "/" + f, 10);
        return caches / name;
    }

    HookedCalls calls;
    Remover remover{home, calls};
};

TEST_F(RemoverFaultTest, InterruptedCallsAreRestarted) {
    std::atomic<int> interruptions{0};
    auto everyOtherCall = [&](const char*, int) {
        // Every other call of each thread, so that no call is interrupted twice in a row.
        thread_local int made = 0;
        if (++made % 2 == 0)
            return 0;
        ++interruptions;
        return EINTR;
    };
    calls.beforeOpen = everyOtherCall;
    calls.beforeUnlink = everyOtherCall;

    const RemovalReport report = remover.remove({scanned(smallTree("app"))});

    EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
    EXPECT_EQ(report.bytesFreed, 50);
    EXPECT_GT(interruptions.load(), 10); // nearly every call
    EXPECT_FALSE(exists(caches / "app"));
}

TEST_F(RemoverFaultTest, EndlessInterruptionsFailInsteadOfLooping) {
    std::atomic<int> attempts{0};
    calls.beforeUnlink = [&](const char* name, int) {
        return std::string(name) == "f2" ? (++attempts, EINTR) : 0;
    };
    const RemovalReport report = remover.remove({scanned(smallTree("app"))});

    EXPECT_EQ(report.outcomes[0].status, Status::Failed);
    EXPECT_EQ(report.outcomes[0].reason, "f2: Interrupted system call");
    EXPECT_EQ(attempts.load(), FsCalls::kMaxInterruptions);
    EXPECT_EQ(report.bytesFreed, 40);
    EXPECT_TRUE(exists(caches / "app/f2"));
    EXPECT_FALSE(exists(caches / "app/sub"));
}

TEST_F(RemoverFaultTest, PermissionAndBusyErrorsAreReportedAndTheRestGoes) {
    smallTree("busy");
    smallTree("locked");
    tree.file("home/Library/Caches/locked/sub/deeper/h", 10);
    smallTree("fine");
    calls.beforeUnlink = [](const char* name, int) { return std::string(name) == "f1" ? EBUSY : 0; };
    calls.beforeOpen = [](const char* name, int flags) {
        return std::string(name) == "sub" && !(flags & O_PATH) ? EACCES : 0;
    };

    const RemovalReport report =
        remover.remove({scanned(caches / "busy"), scanned(caches / "locked"), scanned(caches / "fine")});

    // Every f1 is busy and no "sub" can be listed: each location loses the rest.
    EXPECT_EQ(report.outcomes[0].status, Status::Failed);
    EXPECT_EQ(report.outcomes[0].reason, "f1: Device or resource busy");
    EXPECT_EQ(report.outcomes[1].status, Status::Failed);
    EXPECT_EQ(report.outcomes[1].reason, "f1: Device or resource busy");
    EXPECT_EQ(report.outcomes[2].status, Status::Failed);
    EXPECT_EQ(report.bytesFreed, 3 * 20);
    EXPECT_EQ(report.outcomes[0].bytes, 20);
    EXPECT_FALSE(report.allDone());
    EXPECT_TRUE(exists(caches / "locked/sub/deeper/h"));
    EXPECT_FALSE(exists(caches / "fine/f2"));

    // With only the listing refused, the first error is the folder's.
    calls.beforeUnlink = nullptr;
    const RemovalReport again = remover.remove({scanned(caches / "locked")});
    EXPECT_EQ(again.outcomes[0].status, Status::Failed);
    EXPECT_EQ(again.outcomes[0].reason, "sub: Permission denied");
    EXPECT_EQ(again.bytesFreed, 10);
}

TEST_F(RemoverFaultTest, FoldersOfOtherMountsAreNotEntered) {
    for (const char* f : {"app/otherdev/x", "app/bind/x", "app/root/x", "app/plain/x", "mounted/x"})
        tree.file(fs::path("home/Library/Caches") / f, 10);
    calls.afterStatx = [](const char* name, struct statx* st) {
        const std::string n(name);
        if (n == "otherdev" || n == "mounted")
            st->stx_dev_minor += 1; // another file system
        if (n == "bind")
            st->stx_mnt_id += 1; // same file system, another mount
        if (n == "root") {
            st->stx_attributes_mask |= STATX_ATTR_MOUNT_ROOT;
            st->stx_attributes |= STATX_ATTR_MOUNT_ROOT;
        }
    };

    const RemovalReport report = remover.remove({scanned(caches / "app"), scanned(caches / "mounted")});

    // "mounted" is refused although its identity (as faked) also differs.
    EXPECT_EQ(report.outcomes[0].status, Status::Failed);
    EXPECT_NE(report.outcomes[0].reason.find("a mount point; not entered"), std::string::npos);
    EXPECT_EQ(report.outcomes[1].status, Status::Refused);
    EXPECT_EQ(report.outcomes[1].reason, "a mount point");
    EXPECT_TRUE(exists(caches / "app/otherdev/x"));
    EXPECT_TRUE(exists(caches / "app/bind/x"));
    EXPECT_TRUE(exists(caches / "app/root/x"));
    EXPECT_FALSE(exists(caches / "app/plain"));
    EXPECT_TRUE(exists(caches / "mounted/x"));
    EXPECT_EQ(report.bytesFreed, 10);
}

TEST_F(RemoverFaultTest, WhatOthersRemoveMeanwhileIsGoneNotFailed) {
    // Another cleaner, or the application clearing its own cache, removes
    // part of the location at the worst moment. What it took is gone; only
    // what really stays behind is a failure.
    struct Case {
        const char* what;
        std::function<void(HookedCalls&, const fs::path& app)> arrange;
        Status status;
        ByteCount bytes;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"subfolder removed before it is listed",
         [](HookedCalls& c, const fs::path& app) {
             c.beforeList = [sub = inodeOf(app / "sub"), app](int fd) {
                 if (inodeOf(fd) == sub)
                     fs::remove_all(app / "sub");
                 return 0;
             };
         },
         Status::Removed, 30, ""},
        {"location removed before it is listed",
         [](HookedCalls& c, const fs::path& app) {
             c.beforeList = [app](int) {
                 fs::remove_all(app);
                 return 0;
             };
         },
         Status::AlreadyGone, 0, ""},
        {"subfolder cleared and made again by its application",
         [this](HookedCalls& c, const fs::path& app) {
             c.beforeList = [this, sub = inodeOf(app / "sub"), app](int fd) {
                 if (inodeOf(fd) == sub) {
                     fs::remove_all(app / "sub");
                     tree.file(app / "sub/fresh", 1);
                 }
                 return 0;
             };
         },
         Status::Removed, 31, ""},
        {"subfolder removed before it is opened",
         [](HookedCalls& c, const fs::path& app) {
             c.beforeOpen = [app](const char* name, int flags) {
                 if (std::string(name) == "sub" && !(flags & O_PATH))
                     fs::remove_all(app / "sub");
                 return 0;
             };
         },
         Status::Removed, 30, ""},
        {"file removed just before its unlink",
         [](HookedCalls& c, const fs::path& app) {
             c.beforeUnlink = [app](const char* name, int) {
                 if (std::string(name) == "f2")
                     fs::remove(app / "f2");
                 return 0;
             };
         },
         Status::Removed, 40, ""},
        // The same errors while the entries are still there: never a success.
        {"listing fails with ENOENT, folder still full",
         [](HookedCalls& c, const fs::path& app) {
             c.beforeList = [sub = inodeOf(app / "sub")](int fd) { return inodeOf(fd) == sub ? ENOENT : 0; };
         },
         Status::Failed, 30, "sub: Directory not empty"},
        {"unlink fails with ENOENT, file still there",
         [](HookedCalls& c, const fs::path&) {
             c.beforeUnlink = [](const char* name, int) { return std::string(name) == "g1" ? ENOENT : 0; };
         },
         Status::Failed, 40, "sub: Directory not empty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path app = smallTree("app");
        HookedCalls hooked;
        c.arrange(hooked, app);
        Remover others(home, hooked);
        const RemovalReport report = others.remove({scanned(app)});

        EXPECT_EQ(report.outcomes[0].status, c.status) << report.outcomes[0].reason;
        EXPECT_EQ(report.outcomes[0].reason, c.reason);
        EXPECT_EQ(report.bytesFreed, c.bytes);
        EXPECT_EQ(exists(app), c.status == Status::Failed);
        std::error_code ec;
        fs::remove_all(app, ec);
    }
}

TEST_F(RemoverFaultTest, LocationsReachedThroughAMountAreRefused) {
    // A mount at any folder between the home and the location, told by each
    // sign a mount can give: the root attribute, another mount id (a bind
    // mount of the same file system), another device.
    tree.file("home/.Trash/old/x", 10);
    tree.file("home/Library/Caches/app/data/y", 10);
    struct Way {
        const char* mount;
        const char* location;
    };
    const Way ways[] = {{".Trash", ".Trash/old"}, {"Library", "Library/Caches/app/data"}};
    for (const Way& way : ways) {
        std::set<std::uint64_t> below; // the mounted folder and everything in it
        below.insert(inodeOf(home / way.mount));
        for (const auto& e : fs::recursive_directory_iterator(home / way.mount))
            below.insert(inodeOf(e.path()));
        const std::uint64_t root = inodeOf(home / way.mount);
        for (const char* sign : {"root attribute", "mount id", "device"}) {
            SCOPED_TRACE(std::string(way.mount) + ", " + sign);
            calls.afterStatx = [&, sign](const char*, struct statx* st) {
                const std::string s(sign);
                if (s == "root attribute" && st->stx_ino == root) {
                    st->stx_attributes_mask |= STATX_ATTR_MOUNT_ROOT;
                    st->stx_attributes |= STATX_ATTR_MOUNT_ROOT;
                }
                if (s == "mount id" && below.count(st->stx_ino))
                    st->stx_mnt_id += 1;
                if (s == "device" && below.count(st->stx_ino))
                    st->stx_dev_minor += 1;
            };
            // As the scan would have seen it through the mount.
            const RemovalReport report = remover.remove({{home / way.location, std::nullopt}});

            EXPECT_EQ(report.outcomes[0].status, Status::Refused) << report.outcomes[0].reason;
            EXPECT_EQ(report.outcomes[0].reason, "a folder on its path is a mount point");
            EXPECT_EQ(report.itemsRemoved, 0);
            EXPECT_TRUE(exists(home / way.location));
        }
    }

    // Without the mount the same locations go.
    calls.afterStatx = nullptr;
    EXPECT_TRUE(remover.remove({scanned(home / ".Trash/old"), scanned(caches / "app/data")}).allDone());
    EXPECT_FALSE(exists(home / ".Trash/old"));
}

TEST_F(RemoverFaultTest, FolderFillingUpWhileEmptiedIsListedAgainAFewTimes) {
    smallTree("app");
    std::atomic<int> refills{0};
    std::atomic<int> allowedRefills{2};
    calls.beforeUnlink = [&](const char* name, int flags) {
        if ((flags & AT_REMOVEDIR) && std::string(name) == "sub" && refills < allowedRefills)
            tree.file("home/Library/Caches/app/sub/new" + std::to_string(refills++), 1);
        return 0;
    };
    RemovalReport report = remover.remove({scanned(caches / "app")});
    EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
    EXPECT_EQ(report.bytesFreed, 52);

    // A folder that never stops filling up: bounded attempts, then reported.
    smallTree("app");
    refills = 0;
    allowedRefills = 1000;
    report = remover.remove({scanned(caches / "app")});
    EXPECT_EQ(report.outcomes[0].status, Status::Failed);
    EXPECT_EQ(report.outcomes[0].reason, "sub: Directory not empty");
    EXPECT_EQ(refills.load(), TreeEraser::kMaxListings);
}

TEST_F(RemoverFaultTest, FolderSwappedBetweenStatusAndOpenIsNotEntered) {
    smallTree("app");
    calls.beforeOpen = [&](const char* name, int flags) {
        if (std::string(name) == "sub" && !(flags & O_PATH)) {
            fs::rename(caches / "app/sub", caches / "app-sub-moved-away");
            fs::rename(victim / "inner", caches / "app/sub");
        }
        return 0;
    };
    const RemovalReport report = remover.remove({scanned(caches / "app")});

    EXPECT_EQ(report.outcomes[0].status, Status::Changed);
    EXPECT_EQ(report.outcomes[0].reason, "sub: replaced while being removed; not entered");
    EXPECT_TRUE(exists(caches / "app/sub/keep"));
    EXPECT_FALSE(exists(caches / "app/f1"));
}

TEST_F(RemoverFaultTest, FolderMovedOutWhileRemovingStopsTheWalk) {
    // app/a/b/c/d/e, a file in each. With two descriptors the walk must climb
    // back through "..": when it finds itself outside the tree it stops.
    std::string rel = "home/Library/Caches/app";
    for (const char* level : {"a", "b", "c", "d", "e"}) {
        rel += std::string("/") + level;
        tree.file(rel + "/file", 10);
    }
    const auto done = contained([&](std::ostream&) {
        HookedCalls moving;
        Remover walker(home, moving);
        walker.setMaxOpenFolders(2);
        int climbs = 0;
        moving.beforeOpen = [&](const char* name, int) {
            if (std::string(name) == ".." && climbs++ == 0)
                fs::rename(caches / "app/a/b/c/d", victim / "d");
            return 0;
        };
        const RemovalReport report = walker.remove({scanned(caches / "app")});

        EXPECT_EQ(report.outcomes[0].status, Status::Changed);
        EXPECT_EQ(report.outcomes[0].reason, "a/b/c/d: moved while being removed; stopped");
        EXPECT_TRUE(victimIntact());
        EXPECT_TRUE(exists(victim / "d"));
        EXPECT_TRUE(exists(caches / "app/a/b/c"));
    });
    if (!done)
        GTEST_SKIP() << "cannot shut the test in a chroot here";
}

TEST_F(RemoverFaultTest, CancelStopsAtTheNextEntry) {
    smallTree("one");
    smallTree("two");
    std::atomic<int> unlinks{0};
    calls.beforeUnlink = [&](const char*, int) {
        if (++unlinks == 2)
            remover.cancel();
        return 0;
    };
    const RemovalReport report = remover.remove({scanned(caches / "one"), scanned(caches / "two")});

    EXPECT_EQ(report.outcomes[0].status, Status::Cancelled);
    EXPECT_EQ(report.outcomes[1].status, Status::Cancelled);
    EXPECT_EQ(report.itemsRemoved, 2);
    EXPECT_EQ(report.bytesFreed, 20);
    EXPECT_FALSE(report.allDone());
    EXPECT_TRUE(exists(caches / "two/f1"));

    // The cancel is used up: the next run removes all.
    calls.beforeUnlink = nullptr;
    EXPECT_TRUE(remover.remove({scanned(caches / "one"), scanned(caches / "two")}).allDone());
}

} // namespace
} // namespace dovrel::test
