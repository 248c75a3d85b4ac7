#include "fs/SizeAccounting.h"
#include "engine/Cleaner.h"
#include "fs/DirectoryReader.h"
#include "fs/FolderTotals.h"
#include "fs/FolderWalk.h"
#include "fs/ParallelSizeWalk.h"
#include "fs/Syscalls.h"
#include "fs/WalkPool.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <set>
#include <sys/stat.h>

#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace dovrel;
using dovrel::test::FixtureTree;
using dovrel::test::TempDir;

namespace {

class SizeAccountingTest : public ::testing::Test {
protected:
    TempDir tmp;
    FixtureTree tree{tmp.path()};
};

TEST_F(SizeAccountingTest, CountsFilesAtEveryDepthInBothOperations) {
    tree.file("f/a", 100);
    tree.file("f/sub/b", 50);
    tree.file("f/.hidden", 10);
    tree.folder("f/empty");
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(tree / "f"), 160);
    EXPECT_EQ(SizeAccounting::overall_size_of_files({tree / "f"}), 160);
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(tree / "f/empty"), 0);
}

TEST_F(SizeAccountingTest, EntersBundlesAndPackages) {
    tree.file("f/Editor.app/Contents/MacOS/Editor", 300);
    tree.file("f/Editor.app/Contents/Info.plist", 20);
    tree.file("f/Setup.pkg/Contents/Archive.pax", 5);
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(tree / "f"), 325);
}

TEST_F(SizeAccountingTest, PlainFileMissingAndDuplicateLocations) {
    auto seven = tree.file("seven", 7);
    tree.file("d/twenty", 20);
    EXPECT_EQ(SizeAccounting::overall_size_of_files({seven}), 7);
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(seven), 0);
    EXPECT_EQ(SizeAccounting::overall_size_of_files({tree / "missing", tree / "d/twenty"}), 20);
    // A folder and a file inside it: the file counts twice.
    EXPECT_EQ(SizeAccounting::overall_size_of_files({tree / "d", tree / "d/twenty"}), 40);
    EXPECT_EQ(SizeAccounting::overall_size_of_files({}), 0);
    EXPECT_EQ(SizeAccounting::overall_size_of_files({Location()}), 0);
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(tree / "missing"), 0);
}

TEST_F(SizeAccountingTest, SymbolicLinksAreCountedAsLinksNeverFollowed) {
    tree.file("victim/big", 1000);
    tree.file("f/small", 3);
    tree.symlink("f/to-victim", tmp / "victim"); // link to a folder inside the walk
    tree.symlink("f/dangling", tmp / "nowhere"); // dangling link
    tree.symlink("f/loop", tmp / "f");           // loop
    const auto linkSize = [](const Location& p) {
        return static_cast<ByteCount>(std::filesystem::read_symlink(p).native().size());
    };
    const ByteCount expected =
        3 + linkSize(tree / "f/to-victim") + linkSize(tree / "f/dangling") + linkSize(tree / "f/loop");
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(tree / "f"), expected);

    // A location that is itself a link to a folder is measured as the link.
    auto top = tree.symlink("top-link", tmp / "victim");
    EXPECT_EQ(SizeAccounting::overall_size_of_files({top}), linkSize(top));
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(top), 0);
    // A dangling link does not exist: 0.
    EXPECT_EQ(SizeAccounting::overall_size_of_files({tree / "f/dangling"}), 0);
}

TEST_F(SizeAccountingTest, FifoAndSocketDoNotBlockAndCountZero) {
    tree.file("f/a", 11);
    tree.fifo("f/pipe");
    tree.socket("f/sock");
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(tree / "f"), 11);
    EXPECT_EQ(SizeAccounting::overall_size_of_files({tree / "f/pipe", tree / "f"}), 11);
}

TEST_F(SizeAccountingTest, UnreadableFolderCountsZeroButSiblingsCount) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every folder; the unreadable case needs a normal user";
    tree.file("f/locked/secret", 500);
    tree.file("f/open", 5);
    std::filesystem::permissions(tree / "f/locked", std::filesystem::perms::none);
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(tree / "f"), 5);
}

TEST_F(SizeAccountingTest, HardLinksCountEveryTime) {
    auto a = tree.file("f/a", 40);
    std::filesystem::create_hard_link(a, tree / "f/b");
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(tree / "f"), 80);
}

TEST_F(SizeAccountingTest, NamesThatAreNotUtf8AreMeasuredExactly) {
    tree.file(std::string("f/caf\xe9"), 4);
    tree.file(std::string("f/caf\xef\xbf\xbd"), 6);
    tree.file(std::string("f/\xff\xfe/inner"), 9);
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(tree / "f"), 19);
    EXPECT_EQ(SizeAccounting::overall_size_of_files({tree / std::string("f/caf\xe9")}), 4);
}

// Builds a chain of `depth` nested folders with one byte at the bottom, using
// relative calls so the full path may exceed PATH_MAX.
Location deepChain(const Location& root, int depth, const std::string& name) {
    int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < depth; ++i) {
        ::mkdirat(fd, name.c_str(), 0755);
        int next = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    int f = ::openat(fd, "leaf", O_WRONLY | O_CREAT, 0644);
    [[maybe_unused]] auto w = ::write(f, "z", 1);
    ::close(f);
    ::close(fd);
    return root;
}

TEST_F(SizeAccountingTest, TenThousandLevelsWithinA256DescriptorLimit) {
    tree.folder("deep");
    deepChain(tree / "deep", 10000, "d");
    tree.file("deep/top", 2);
    // Run in a child so the lowered limit cannot disturb the rest of the run.
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        struct rlimit rl {
            256, 256
        };
        ::setrlimit(RLIMIT_NOFILE, &rl);
        ByteCount n = SizeAccounting::overall_size_of_direcory(tree / "deep");
        ::_exit(n == 3 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "deep walk gave a wrong total or failed";
}

TEST_F(SizeAccountingTest, LocationLongerThanPathMaxIsMeasured) {
    // 300 levels of a 20-byte name: about 6,300 bytes of path.
    tree.folder("long");
    deepChain(tree / "long", 300, std::string(20, 'n'));
    Location p = tree / "long";
    for (int i = 0; i < 300; ++i)
        p /= std::string(20, 'n');
    ASSERT_GT(p.native().size(), 4096u);
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(p), 1);
    EXPECT_EQ(SizeAccounting::overall_size_of_files({p / "leaf"}), 1);
    EXPECT_EQ(SizeAccounting::overall_size_of_direcory(tree / "long"), 1);
}

TEST_F(SizeAccountingTest, SmallDescriptorBudgetReopensParentsAndVisitsEverything) {
    // Wide and deep: every folder has two subfolders, four levels, files everywhere.
    int files = 0;
    std::function<void(const std::string&, int)> build = [&](const std::string& rel, int depth) {
        tree.file(rel + "/f", 1);
        ++files;
        if (depth == 0)
            return;
        build(rel + "/a", depth - 1);
        build(rel + "/b", depth - 1);
    };
    build("w", 6);
    FolderWalk::Options options;
    options.maxOpenDescriptors = 2;
    ByteCount total = 0;
    int dirs = 0;
    std::set<std::string> seen;
    bool complete = FolderWalk::walk(tree / "w", options, [&](const FolderWalk::Item& item) {
        total += item.size;
        dirs += item.isDirectory();
        seen.insert(item.path(tree / "w").string());
        return true;
    });
    EXPECT_TRUE(complete);
    EXPECT_EQ(total, files);
    EXPECT_EQ(dirs, files - 1);
    EXPECT_TRUE(seen.count((tree / "w/a/b/a/f").string()));
}

TEST_F(SizeAccountingTest, VanishingItemsDuringAWalkDoNotCrash) {
    for (int i = 0; i < 200; ++i)
        tree.file("v/d" + std::to_string(i % 20) + "/f" + std::to_string(i), 1);
    std::atomic<bool> stop{false};
    std::thread churn([&] {
        while (!stop) {
            std::error_code ec;
            std::filesystem::remove_all(tree / "v/d3", ec);
            tree.file("v/d3/again", 1);
        }
    });
    for (int round = 0; round < 50; ++round) {
        ByteCount n = SizeAccounting::overall_size_of_direcory(tree / "v");
        EXPECT_GE(n, 180);
        EXPECT_LE(n, 200);
    }
    stop = true;
    churn.join();
}

TEST_F(SizeAccountingTest, FolderRemovedWhileBeingReadEndsItsListingWithoutError) {
    // The kernel answers ENOENT when listing a folder removed after it was
    // opened: it is empty, not unreadable.
    tree.folder("gone");
    const int fd = ::open((tree / "gone").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::rmdir((tree / "gone").c_str()), 0);
    DirectoryReader gone(fd);
    DirectoryReader::Entry e{};
    EXPECT_FALSE(gone.next(e));
    EXPECT_EQ(gone.error(), 0);
    EXPECT_EQ(FolderWalk::totalSizeOfDescriptor(fd), 0);
    ::close(fd);

    // A descriptor that cannot be listed still is an error.
    const int pathOnly = ::open(tmp.path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(pathOnly, 0);
    DirectoryReader unreadable(pathOnly);
    EXPECT_FALSE(unreadable.next(e));
    EXPECT_EQ(unreadable.error(), EBADF);
    ::close(pathOnly);
}

TEST(CleanerLocations, DerivedFromHome) {
    Cleaner c(Location("/Users/ann"));
    EXPECT_EQ(c.url_library->native(), "/Users/ann/Library");
    EXPECT_EQ(c.url_caches->native(), "/Users/ann/Library/Caches");
    EXPECT_EQ(c.url_logs->native(), "/Users/ann/Library/Logs");
    EXPECT_EQ(c.url_mails->native(),
              "/Users/ann/Library/Containers/com.apple.mail/Data/Library/Mail Downloads");
    EXPECT_EQ(c.url_trash->native(), "/Users/ann/.Trash");
    EXPECT_EQ(c.url_downloads->native(), "/Users/ann/Downloads");
    EXPECT_EQ(c.total_smart_size.load(), 0);
    EXPECT_EQ(c.apps_caches_item, nullptr);
}

TEST(CleanerLocations, AbsentWithoutHome) {
    Cleaner c(std::nullopt);
    EXPECT_FALSE(c.url_home || c.url_library || c.url_caches || c.url_logs || c.url_mails || c.url_trash ||
                 c.url_downloads);
    EXPECT_EQ(c.overall_size_of_files({}), 0);
}

} // namespace

namespace {

TEST(ParallelSizeWalkTest, SameTotalOnAnyThreadCountAndPastTheQueueBound) {
    TempDir tmp;
    FixtureTree tree(tmp.path());
    // 300 sibling folders overflow the shared queue, so workers also measure
    // subfolders themselves; links, FIFOs and hidden files are mixed in.
    ByteCount expected = 0;
    for (int i = 0; i < 300; ++i) {
        const std::string d = "p/d" + std::to_string(i);
        tree.file(d + "/a", i);
        tree.file(d + "/sub/.b", 3);
        expected += i + 3;
    }
    tree.fifo("p/d7/pipe");
    auto link = tree.symlink("p/d8/up", tmp.path());
    expected += static_cast<ByteCount>(std::filesystem::read_symlink(link).native().size());
    for (int threads : {1, 2, 3, 8})
        EXPECT_EQ(ParallelSizeWalk::total(tree / "p", threads), expected) << threads << " threads";
    EXPECT_EQ(ParallelSizeWalk::total(link, 2), 0);            // a link is never entered
    EXPECT_EQ(ParallelSizeWalk::total(tree / "p/d5/a", 2), 0); // a file is no folder
    EXPECT_EQ(ParallelSizeWalk::total(tree / "missing", 2), 0);
}

// Counts the walk's calls through the seam.
class CountingSyscalls : public Syscalls {
public:
    std::atomic<int> stats{0}, opens{0};
    int statx(int dirfd, const char* name, int flags, unsigned mask, struct statx* out) override {
        ++stats;
        return Syscalls::statx(dirfd, name, flags, mask, out);
    }
    int openat(int dirfd, const char* name, int flags) override {
        ++opens;
        return Syscalls::openat(dirfd, name, flags);
    }
};

ParallelSizeWalk::Root rootAt(const std::filesystem::path& folder) {
    struct stat st {};
    EXPECT_EQ(::lstat(folder.c_str(), &st), 0) << folder;
    return {folder, FileIdentity::of(st)};
}

TEST(ParallelSizeWalkTest, AFolderMeasuredOnceIsNeverWalkedAgain) {
    TempDir tmp;
    FixtureTree tree(tmp.path());
    tree.file("outer/f1", 10);
    tree.file("outer/f2", 20);
    tree.file("outer/in/g1", 5);
    tree.file("outer/in/deep/g2", 7);
    tree.file("outer/in/deep/g3", 1);
    const auto outer = rootAt(tree / "outer"), in = rootAt(tree / "outer/in");
    for (int threads : {1, 3}) {
        SCOPED_TRACE(threads);
        WalkPool pool(threads);
        { // nested roots walked together: every file stat'ed once, the inner root checked once
            FolderTotals memo;
            CountingSyscalls calls;
            EXPECT_EQ(ParallelSizeWalk::totals({outer, in, outer}, pool, &memo, &calls),
                      (std::vector<ByteCount>{43, 13, 43}));
            EXPECT_EQ(calls.stats, 5 + 1);
        }
        FolderTotals memo;
        CountingSyscalls first, second;
        EXPECT_EQ(ParallelSizeWalk::totals({in}, pool, &memo, &first), std::vector<ByteCount>{13});
        EXPECT_EQ(first.stats, 3);
        // Outer later: its two files, and one stat telling that "in" is the folder measured.
        EXPECT_EQ(ParallelSizeWalk::totals({outer}, pool, &memo, &second), std::vector<ByteCount>{43});
        EXPECT_EQ(second.stats, 2 + 1);
        EXPECT_EQ(second.opens, 0);
        EXPECT_EQ(memo.find(in.identity.device, in.identity.inode)->total, 13);
    }
}

TEST(WalkPoolTest, GrowsOnRequestUpToItsMaximumForThatWalkOnly) {
    WalkPool pool(2, 4);
    std::atomic<int> ran{0};
    const std::function<void()> asking = [&] {
        if (ran++ == 0)
            while (pool.moreInFlight()) {
            }
    };
    ASSERT_TRUE(pool.runOnAll(asking));
    EXPECT_EQ(ran, 4);
    ran = 0;
    ASSERT_TRUE(pool.runOnAll([&] { ++ran; }));
    EXPECT_EQ(ran, 2);
    EXPECT_FALSE(pool.moreInFlight()); // no walk runs
    WalkPool fixed(3);
    ran = 0;
    ASSERT_TRUE(fixed.runOnAll(asking));
    EXPECT_EQ(ran, 3);
}

} // namespace
