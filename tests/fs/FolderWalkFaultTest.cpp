#include "fs/FolderWalk.h"
#include "fs/ParallelSizeWalk.h"
#include "fs/Syscalls.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>

namespace dovrel {
namespace {

using test::FixtureTree;
using test::TempDir;

// Fails the calls of the size walks the way a busy or hostile system would.
class FaultySyscalls : public Syscalls {
public:
    enum class Fault {
        None,
        Interrupted,      // every call fails once with EINTR before it is made
        OutOfDescriptors, // opening a folder fails with EMFILE past `limit` open ones
        ParentMoved,      // ".." opens another folder than the one above
    };

    FaultySyscalls(Fault fault, int limit, std::string elsewhere)
        : fault_(fault), limit_(limit), elsewhere_(std::move(elsewhere)) {}

    int openat(int dirfd, const char* name, int flags) override {
        if (interrupted())
            return -1;
        if (fault_ == Fault::OutOfDescriptors && open_.load() >= limit_) {
            errno = EMFILE;
            return -1;
        }
        int fd;
        if (fault_ == Fault::ParentMoved && std::strcmp(name, "..") == 0) {
            fd = ::open(elsewhere_.c_str(), flags);
        } else {
            fd = Syscalls::openat(dirfd, name, flags);
        }
        if (fd >= 0)
            open_++;
        return fd;
    }
    int close(int fd) override {
        open_--;
        return Syscalls::close(fd);
    }
    int statx(int dirfd, const char* name, int flags, unsigned mask, struct statx* out) override {
        return interrupted() ? -1 : Syscalls::statx(dirfd, name, flags, mask, out);
    }
    long getdents(int fd, void* buffer, std::size_t size) override {
        return interrupted() ? -1 : Syscalls::getdents(fd, buffer, size);
    }

private:
    // With Interrupted, every second call on a thread fails with EINTR.
    bool interrupted() {
        thread_local bool flip = false;
        if (fault_ != Fault::Interrupted)
            return false;
        flip = !flip;
        if (flip)
            errno = EINTR;
        return flip;
    }

    Fault fault_;
    int limit_;
    std::string elsewhere_;
    std::atomic<int> open_{0};
};

class FolderWalkFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Six levels deep, two subfolders each, a 3-byte file in every folder.
        build("w", 5);
        tree.file("elsewhere/x", 1);
    }

    void build(const std::string& rel, int depth) {
        tree.file(rel + "/f", 3);
        total += 3;
        if (depth == 0)
            return;
        build(rel + "/a", depth - 1);
        build(rel + "/b", depth - 1);
    }

    TempDir dir;
    FixtureTree tree{dir.path()};
    ByteCount total = 0;
};

TEST_F(FolderWalkFaultTest, SequentialWalkThroughTheSeam) {
    using Fault = FaultySyscalls::Fault;
    struct Case {
        const char* what;
        Fault fault;
        int budget;
        int limit; // descriptors the system lets the walk hold
        bool complete;
    };
    const Case cases[] = {
        {"no fault, tight budget", Fault::None, 2, 1000, true},
        {"EINTR on every other call", Fault::Interrupted, 2, 1000, true},
        {"EMFILE below the budget", Fault::OutOfDescriptors, 48, 3, true},
        {"'..' leads elsewhere", Fault::ParentMoved, 2, 1000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FaultySyscalls sys(c.fault, c.limit, (tree / "elsewhere").string());
        FolderWalk::Options options;
        options.maxOpenDescriptors = c.budget;
        options.calls = &sys;
        ByteCount sum = 0;
        const bool complete = FolderWalk::walk(tree / "w", options, [&sum](const FolderWalk::Item& item) {
            sum += item.size;
            return true;
        });
        EXPECT_EQ(complete, c.complete);
        if (c.complete)
            EXPECT_EQ(sum, total);
        else // stopped at the first way back up: nothing of "elsewhere" was counted
            EXPECT_LT(sum, total);
    }
}

TEST_F(FolderWalkFaultTest, ParallelWalkSeesTheSameTotalThroughEintr) {
    for (int threads : {1, 2, 4}) {
        SCOPED_TRACE(threads);
        FaultySyscalls sys(FaultySyscalls::Fault::Interrupted, 1000, {});
        EXPECT_EQ(ParallelSizeWalk::total(tree / "w", threads, &sys), total);
    }
}

} // namespace
} // namespace dovrel
