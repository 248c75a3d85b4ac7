#include "RemoverFixture.h"

#include "fs/Remover.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace dovrel::test {
namespace {

namespace fs = std::filesystem;
using Status = RemovalOutcome::Status;

// Records every name the removal opens (from any of its threads).
class RecordingCalls : public Syscalls {
public:
    int openat(int dirfd, const char* name, int flags) override {
        {
            std::lock_guard lock(mutex);
            opened.insert(name);
        }
        return Syscalls::openat(dirfd, name, flags);
    }
    std::mutex mutex;
    std::multiset<std::string> opened;
};

std::string describe(const RemovalReport& report) {
    std::ostringstream out;
    for (const auto& o : report.outcomes)
        out << static_cast<int>(o.status) << "|" << o.reason << "\n";
    return out.str();
}

using RemoverTest = RemoverFixture;

TEST_F(RemoverTest, RemovesChosenLocationsAndCountsWhatWasFreed) {
    tree.file("home/Library/Caches/app/a.bin", 100);
    tree.file("home/Library/Caches/app/sub/b.bin", 50);
    tree.file("home/Library/Caches/app/sub/.hidden", 10);
    tree.folder("home/Library/Caches/app/empty/emptier");
    tree.symlink("home/Library/Caches/app/link", "abc");
    tree.file("home/Library/Logs/x.log", 7);
    tree.file("home/Library/Logs/keep.log", 3);
    const ByteCount expected = logicalSize(caches / "app") + 7;
    ASSERT_EQ(expected, 100 + 50 + 10 + 3 + 7);

    Remover remover(home);
    const RemovalReport report =
        remover.remove({scanned(caches / "app"), scanned(home / "Library/Logs/x.log")});

    ASSERT_EQ(report.outcomes.size(), 2u);
    EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
    EXPECT_EQ(report.outcomes[0].items, 8); // app, a.bin, sub, b.bin, .hidden, empty, emptier, link
    EXPECT_EQ(report.outcomes[1].status, Status::Removed);
    EXPECT_EQ(report.outcomes[1].bytes, 7);
    EXPECT_TRUE(report.allDone());
    EXPECT_EQ(report.bytesFreed, expected);
    EXPECT_EQ(report.itemsRemoved, 9);
    EXPECT_EQ(remover.progress().bytesFreed.load(), expected);
    EXPECT_EQ(remover.progress().itemsRemoved.load(), 9);
    EXPECT_FALSE(exists(caches / "app"));
    EXPECT_FALSE(exists(home / "Library/Logs/x.log"));
    EXPECT_TRUE(exists(home / "Library/Logs/keep.log"));
}

TEST_F(RemoverTest, LinksFifosAndSocketsGoWithoutBeingFollowedOrOpened) {
    // Every non-folder is named "nf-…" so the test can see that none is opened.
    for (const std::string dir : {"app", "app/sub"}) {
        const std::string base = "home/Library/Caches/" + dir + "/";
        tree.symlink(base + "nf-victim", victim);
        tree.symlink(base + "nf-victimfile", victim / "keep0");
        tree.symlink(base + "nf-dangling", "/nonexistent/nowhere");
        tree.symlink(base + "nf-self", "nf-self");
        tree.symlink(base + "nf-a", "nf-b");
        tree.symlink(base + "nf-b", "nf-a");
        tree.symlink(base + "nf-up", "..");
        tree.fifo(base + "nf-fifo");
        tree.socket(base + "nf-sock");
    }
    tree.file("home/Library/Caches/app/sub/deeper/nf-file", 5);
    const ByteCount expected = logicalSize(caches / "app");

    RecordingCalls calls;
    Remover remover(home, calls);
    const RemovalReport report = remover.remove({scanned(caches / "app")});

    EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
    EXPECT_EQ(report.bytesFreed, expected);
    EXPECT_EQ(report.itemsRemoved, 1 + 2 * 9 + 1 + 2); // app, 9 entries twice, sub, deeper and its file
    EXPECT_FALSE(exists(caches / "app"));
    EXPECT_TRUE(victimIntact());
    for (const std::string& name : calls.opened)
        EXPECT_NE(name.rfind("nf-", 0), 0u) << "opened " << name;
}

TEST_F(RemoverTest, ChosenLinkToAFolderRemovesOnlyTheLink) {
    const fs::path link = tree.symlink("home/Library/Caches/shortcut", victim);
    Remover remover(home);
    const RemovalReport report = remover.remove({scanned(link)});
    EXPECT_EQ(report.outcomes[0].status, Status::Removed);
    EXPECT_EQ(report.outcomes[0].items, 1);
    EXPECT_EQ(report.bytesFreed, static_cast<ByteCount>(victim.native().size()));
    EXPECT_FALSE(exists(link));
    EXPECT_TRUE(victimIntact());
}

TEST_F(RemoverTest, NamesAreBytesAndOnlyTheChosenOneGoes) {
    const std::string latin1 = "caf\xe9";           // not UTF-8
    const std::string replaced = "caf\xef\xbf\xbd"; // what a lossy conversion would make of it
    tree.file("home/Library/Caches/" + latin1 + "/inner\xff\xfe", 4);
    tree.file("home/Library/Caches/" + replaced + "/inner", 6);
    tree.file("home/Library/Logs/" + latin1, 1);
    tree.file("home/Library/Logs/" + replaced, 2);

    Remover remover(home);
    const RemovalReport report =
        remover.remove({scanned(caches / latin1), scanned(home / "Library/Logs" / latin1)});

    EXPECT_TRUE(report.allDone()) << describe(report);
    EXPECT_EQ(report.bytesFreed, 5);
    EXPECT_FALSE(exists(caches / latin1));
    EXPECT_FALSE(exists(home / "Library/Logs" / latin1));
    EXPECT_TRUE(exists(caches / replaced / "inner"));
    EXPECT_TRUE(exists(home / "Library/Logs" / replaced));
}

TEST_F(RemoverTest, RefusesHomeOutsideAndFixedFoldersWhateverTheList) {
    const fs::path mailDownloads = home / "Library/Containers/com.apple.mail/Data/Library/Mail Downloads";
    tree.file("home/Library/Containers/com.apple.mail/Data/Library/Mail Downloads/att.pdf", 3);
    tree.file("home/.Trash/old", 3);
    tree.file("home/Downloads/setup.pkg", 3);
    tree.file("home/Library/Caches/x", 3);
    tree.file("home2/Library/Caches/y", 3); // shares home's path as a string prefix
    tree.file("home/Library/Logs/z", 3);

    const std::vector<fs::path> refused = {
        home,
        home.native() + "/",
        home.native() + "//",
        "/",
        victim,
        tmp / "home2/Library/Caches/y",
        home / "../victim",
        home / "Library/Caches/../../../victim",
        home / "./Library/Caches/x",
        home / "Library/Caches/x/..",
        "home/Library/Caches/x", // relative
        home / "Library",
        home / "Library/",
        home / "Library/Caches",
        home / "Library/Logs",
        home / "Library/Containers",
        home / "Library/Containers/com.apple.mail",
        home / "Library/Containers/com.apple.mail/Data/Library",
        mailDownloads,
        home / ".Trash",
        home / "Downloads",
    };
    std::vector<RemovalRequest> requests;
    for (const auto& p : refused)
        requests.push_back({p, std::nullopt});
    // Their contents are fine.
    for (const fs::path& p : {mailDownloads / "att.pdf", home / ".Trash/old", home / "Downloads/setup.pkg",
                              home / "Library/Caches/x", home / "Library/Logs/z"})
        requests.push_back(scanned(p));

    Remover remover(home);
    const RemovalReport report = remover.remove(requests);

    ASSERT_EQ(report.outcomes.size(), requests.size());
    for (std::size_t i = 0; i < refused.size(); ++i)
        EXPECT_EQ(report.outcomes[i].status, Status::Refused) << refused[i];
    for (std::size_t i = refused.size(); i < requests.size(); ++i)
        EXPECT_EQ(report.outcomes[i].status, Status::Removed) << requests[i].location;
    EXPECT_EQ(report.bytesFreed, 15);
    EXPECT_TRUE(exists(mailDownloads));
    EXPECT_TRUE(exists(home / ".Trash"));
    EXPECT_TRUE(exists(home / "Downloads"));
    EXPECT_TRUE(exists(home / "Library/Caches"));
    EXPECT_TRUE(exists(tmp / "home2/Library/Caches/y"));
    EXPECT_TRUE(victimIntact());
}

TEST_F(RemoverTest, MissingLocationOrParentCountsAsAlreadyGone) {
    Remover remover(home);
    const RemovalReport report = remover.remove({{caches / "never-was", std::nullopt},
                                                 {caches / "no-parent/child", std::nullopt},
                                                 {home / "Library/Nothing/a/b", std::nullopt}});
    for (const auto& o : report.outcomes)
        EXPECT_EQ(o.status, Status::AlreadyGone) << o.location;
    EXPECT_TRUE(report.allDone());
    EXPECT_EQ(report.itemsRemoved, 0);
}

TEST_F(RemoverTest, EntryThatChangedSinceTheScanIsLeftAlone) {
    // The same path re-created: another inode (the old one still exists while
    // the new one is made, so the inode cannot be reused).
    tree.file("home/Library/Caches/recreated/data", 5);
    const RemovalRequest recreated = scanned(caches / "recreated");
    fs::rename(caches / "recreated", caches / "old");
    tree.file("home/Library/Caches/recreated/new-data", 5);

    // A parent swapped for a link to a look-alike folder after the scan.
    tree.file("home/Library/Caches/app/data/file", 5);
    tree.file("victim/data/file", 9);
    const RemovalRequest underSwappedParent = scanned(caches / "app/data");
    fs::rename(caches / "app", caches / "app-real");
    tree.symlink("home/Library/Caches/app", victim);

    // A file that became a folder.
    tree.file("home/Library/Logs/entry", 5);
    const RemovalRequest becameFolder = scanned(home / "Library/Logs/entry");
    fs::remove(home / "Library/Logs/entry");
    tree.file("home/Library/Logs/entry/inside", 5);

    Remover remover(home);
    const RemovalReport report = remover.remove({recreated, underSwappedParent, becameFolder});

    for (const auto& o : report.outcomes)
        EXPECT_EQ(o.status, Status::Changed) << o.location << ": " << o.reason;
    EXPECT_EQ(report.itemsRemoved, 0);
    EXPECT_TRUE(exists(caches / "recreated/new-data"));
    EXPECT_TRUE(exists(victim / "data/file"));
    EXPECT_TRUE(exists(home / "Library/Logs/entry/inside"));
    EXPECT_TRUE(victimIntact());
}

TEST_F(RemoverTest, TenThousandLevelsWithin256Descriptors) {
    // On a disk that discards freed blocks synchronously every removed folder
    // costs milliseconds; memory-backed /dev/shm keeps this test quick where
    // it exists. The walk is the same on any file system.
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

    constexpr int kDepth = 10000;
    int fd = ::open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    for (int i = 0; i < kDepth; ++i) {
        ASSERT_EQ(::mkdirat(fd, "d", 0755), 0);
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        ASSERT_GE(next, 0);
        fd = next;
    }
    const int file = ::openat(fd, "bottom", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::write(file, "12345", 5), 5);
    ::close(file);
    ::close(fd);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    struct rlimit low = saved;
    low.rlim_cur = 256;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    Remover remover(deepHome);
    const RemovalReport report = remover.remove({scanned(top)});
    ::setrlimit(RLIMIT_NOFILE, &saved);

    EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
    EXPECT_EQ(report.itemsRemoved, kDepth + 2);
    EXPECT_EQ(report.bytesFreed, 5);
    EXPECT_FALSE(exists(top));
}

// Read-only folders of the user's own (Go's module cache: 0555 folders, 0444
// files) are made writable to be emptied, inside the location only; a folder
// the user may not change (someone else's) is reported and its siblings go;
// the folder holding a location keeps its mode, so a location it refuses fails.
TEST_F(RemoverTest, ReadOnlyFoldersOfTheUserGoOthersAreReportedAndNothingOutsideChanges) {
    constexpr uid_t kNobody = 65534;
    tree.file("home/Library/Caches/app/a.bin", 10);
    tree.file("home/Library/Caches/app/ro/x", 20);
    tree.file("home/Library/Caches/app/ro/deeper/y", 30);
    tree.file("home/Library/Caches/app/theirs/t", 5);
    tree.file("home/Library/Caches/app/z/w", 40);
    tree.file("home/Library/Caches/next/n", 50);
    tree.file("home/Library/Caches/mod/example.com/m@v1.0.0/go.mod", 60);
    tree.file("home/Library/Caches/mod/example.com/m@v1.0.0/sub/a.go", 70);
    tree.file("home/Library/Caches/shut/inner/i", 80);
    tree.file("home/Library/Caches/shut/sibling/s", 1);
    ASSERT_EQ(::chmod(tmp.path().c_str(), 0755), 0);
    ASSERT_EQ(::chown(caches.c_str(), kNobody, kNobody), 0);
    for (const auto& e : fs::recursive_directory_iterator(caches))
        ASSERT_EQ(::lchown(e.path().c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown((caches / "app/theirs").c_str(), 0, 0), 0);
    // Made read-only from the bottom up, as Go leaves them.
    for (const char* folder : {"app/ro/deeper", "app/ro", "app/theirs", "mod/example.com/m@v1.0.0/sub",
                               "mod/example.com/m@v1.0.0", "mod/example.com", "mod", "shut/sibling", "shut"})
        ASSERT_EQ(::chmod((caches / folder).c_str(), 0555), 0);
    for (const char* file : {"app/ro/x", "mod/example.com/m@v1.0.0/go.mod"})
        ASSERT_EQ(::chmod((caches / file).c_str(), 0444), 0);
    const std::vector<RemovalRequest> requests = {scanned(caches / "app"), scanned(caches / "next"),
                                                  scanned(caches / "mod"), scanned(caches / "shut/inner")};

    const ChildResult child = inChild([&](std::ostream& out) {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            return 77;
        Remover remover(home);
        const RemovalReport report = remover.remove(requests);
        out << describe(report) << report.bytesFreed << "\n";
        return 0;
    });
    if (child.exitCode == 77)
        GTEST_SKIP() << "cannot drop privileges here";
    ASSERT_EQ(child.exitCode, 0);

    std::istringstream in(child.output);
    std::string app, next, mod, shut, bytes;
    for (std::string* line : {&app, &next, &mod, &shut, &bytes})
        std::getline(in, *line);
    const auto status = [](Status s) { return std::to_string(static_cast<int>(s)) + "|"; };
    EXPECT_EQ(app.substr(0, 2), status(Status::Failed)) << app;
    EXPECT_NE(app.find("theirs/t"), std::string::npos) << app;
    EXPECT_NE(app.find("Permission denied"), std::string::npos) << app;
    EXPECT_EQ(next, status(Status::Removed));
    EXPECT_EQ(mod, status(Status::Removed));
    EXPECT_EQ(shut.substr(0, 2), status(Status::Failed)) << shut;
    EXPECT_EQ(bytes, "360"); // all but theirs/t and shut/sibling/s
    EXPECT_TRUE(exists(caches / "app/theirs/t"));
    EXPECT_FALSE(exists(caches / "app/ro"));
    EXPECT_FALSE(exists(caches / "app/a.bin"));
    EXPECT_FALSE(exists(caches / "app/z"));
    EXPECT_FALSE(exists(caches / "next"));
    EXPECT_FALSE(exists(caches / "mod"));
    EXPECT_TRUE(fs::is_empty(caches / "shut/inner"));
    // Outside the locations every mode is as it was.
    const auto mode = [](const fs::path& p) {
        struct stat st {};
        ::lstat(p.c_str(), &st);
        return st.st_mode & 07777;
    };
    EXPECT_EQ(mode(caches / "shut"), 0555u);
    EXPECT_EQ(mode(caches / "shut/sibling"), 0555u);
    EXPECT_EQ(mode(caches / "app/theirs"), 0555u);
    ASSERT_EQ(::chmod((caches / "shut").c_str(), 0755), 0);
}

TEST_F(RemoverTest, MountsAreNeitherEnteredNorRemoved) {
    tree.file("home/Library/Caches/app/a.bin", 10);
    tree.folder("home/Library/Caches/app/mnt");
    tree.folder("home/Library/Caches/mounted");
    const std::vector<RemovalRequest> requests = {scanned(caches / "app"), scanned(caches / "mounted")};
    const fs::path inner = caches / "app/mnt";
    const fs::path outer = caches / "mounted";
    const fs::path source = victim;

    // A bind mount of the victim keeps the device number: only the mount
    // itself tells. The mounts live in the child's own mount namespace.
    const ChildResult child = inChild([&](std::ostream& out) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(source.c_str(), inner.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
            ::mount(source.c_str(), outer.c_str(), nullptr, MS_BIND, nullptr) != 0)
            return 77;
        Remover remover(home);
        out << describe(remover.remove(requests));
        return 0;
    });
    if (child.exitCode == 77)
        GTEST_SKIP() << "cannot make bind mounts here";
    ASSERT_EQ(child.exitCode, 0);

    std::istringstream in(child.output);
    std::string first, second;
    std::getline(in, first);
    std::getline(in, second);
    EXPECT_EQ(first, std::to_string(static_cast<int>(Status::Failed)) + "|mnt: a mount point; not entered");
    EXPECT_EQ(second, std::to_string(static_cast<int>(Status::Refused)) + "|a mount point");
    EXPECT_TRUE(victimIntact());
    EXPECT_FALSE(exists(caches / "app/a.bin"));
    EXPECT_TRUE(exists(caches / "app/mnt"));
}

TEST_F(RemoverTest, LocationsBelowABindMountAreRefused) {
    // The victim bind-mounted at .Trash: what the removal reaches through it
    // lies outside the home. Same file system, same device number.
    tree.file("home/Library/Caches/app/a.bin", 10);
    const fs::path trash = home / ".Trash";
    const std::vector<RemovalRequest> requests = {{trash / "keep0", std::nullopt},
                                                  {trash / "inner", std::nullopt},
                                                  {trash / "inner/keep", std::nullopt},
                                                  scanned(caches / "app")};
    const fs::path source = victim;

    const ChildResult child = inChild([&](std::ostream& out) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(source.c_str(), trash.c_str(), nullptr, MS_BIND, nullptr) != 0)
            return 77;
        Remover remover(home);
        out << describe(remover.remove(requests));
        return 0;
    });
    if (child.exitCode == 77)
        GTEST_SKIP() << "cannot make bind mounts here (no mount namespace or no permission)";
    ASSERT_EQ(child.exitCode, 0);

    const std::string refused =
        std::to_string(static_cast<int>(Status::Refused)) + "|a folder on its path is a mount point\n";
    EXPECT_EQ(child.output,
              refused + refused + refused + std::to_string(static_cast<int>(Status::Removed)) + "|\n");
    EXPECT_TRUE(victimIntact());
    EXPECT_FALSE(exists(caches / "app"));
}

} // namespace
} // namespace dovrel::test
