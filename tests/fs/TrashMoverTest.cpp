#include "RemoverFixture.h"

#include "fs/TrashMover.h"

#include <sys/mount.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <utility>

namespace dovrel::test {
namespace {

namespace fs = std::filesystem;
using Status = RemovalOutcome::Status;

// The real calls, with the rename into the Trash replaceable.
class RenameHook : public Syscalls {
public:
    std::function<int(int olddirfd, const char* oldname, int newdirfd, const char* newname, unsigned flags)>
        rename;
    int renameat2(int olddirfd, const char* oldname, int newdirfd, const char* newname,
                  unsigned flags) override {
        if (rename)
            return rename(olddirfd, oldname, newdirfd, newname, flags);
        return Syscalls::renameat2(olddirfd, oldname, newdirfd, newname, flags);
    }
};

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
        names.push_back(e.path().filename().native());
    std::sort(names.begin(), names.end());
    return names;
}

class TrashMoverTest : public RemoverFixture {
protected:
    TrashMoverTest() : trash(home / ".local/share/Trash") {}

    TrashMover mover(TrashMover::Kind kind = TrashMover::Kind::Freedesktop) {
        return TrashMover(home, kind == TrashMover::Kind::Freedesktop ? trash : home / ".Trash", kind, calls);
    }
    // The Trash holds nothing, in files or info.
    ::testing::AssertionResult trashEmpty() const {
        if (!namesIn(trash / "files").empty() || !namesIn(trash / "info").empty())
            return ::testing::AssertionFailure() << "the Trash holds something";
        return ::testing::AssertionSuccess();
    }

    fs::path trash;
    RenameHook calls;
};

TEST_F(TrashMoverTest, AnItemAndItsTrashInfoAreWrittenAsFileManagersReadThem) {
    // Paths with bytes that need escaping; the home's own path is plain.
    ASSERT_TRUE(std::regex_match(home.native(), std::regex("[A-Za-z0-9/._-]+"))) << home;
    const fs::path file = tree.file("home/Library/Caches/app/report 100%.bin", 1234);
    const fs::path folder = caches / "Dir \xc3\xa9\x01";
    tree.file(folder / "a", 100);
    tree.file(folder / "sub/b", 23);
    const auto fileInode = identityOf(file).inode, folderInode = identityOf(folder).inode;

    const RemovalReport report = mover().move({scanned(file), scanned(folder)});

    ASSERT_EQ(report.outcomes.size(), 2u);
    for (const auto& o : report.outcomes) {
        EXPECT_EQ(o.status, Status::Removed) << o.reason;
        EXPECT_TRUE(o.movedToTrash);
    }
    EXPECT_EQ(report.bytesFreed, 0);
    EXPECT_EQ(report.bytesMovedToTrash, 1234 + 123);
    EXPECT_FALSE(exists(file));
    EXPECT_FALSE(exists(folder));
    // Moved, not copied: the same inodes.
    EXPECT_EQ(identityOf(trash / "files/report 100%.bin").inode, fileInode);
    EXPECT_EQ(identityOf(trash / "files/Dir \xc3\xa9\x01").inode, folderInode);
    EXPECT_EQ(logicalSize(trash / "files/Dir \xc3\xa9\x01"), 123);

    const std::string date = "DeletionDate=[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}\n";
    EXPECT_TRUE(std::regex_match(contents(trash / "info/report 100%.bin.trashinfo"),
                                 std::regex("\\[Trash Info\\]\nPath=" + home.native() +
                                            "/Library/Caches/app/report%20100%25.bin\n" + date)));
    EXPECT_TRUE(std::regex_match(
        contents(trash / "info/Dir \xc3\xa9\x01.trashinfo"),
        std::regex("\\[Trash Info\\]\nPath=" + home.native() + "/Library/Caches/Dir%20%C3%A9%01\n" + date)));
    // Only the folder has a size line: "size mtime-of-its-trashinfo name".
    struct stat info {};
    ASSERT_EQ(::stat((trash / "info/Dir \xc3\xa9\x01.trashinfo").c_str(), &info), 0);
    EXPECT_EQ(contents(trash / "directorysizes"),
              "123 " + std::to_string(info.st_mtime) + " Dir%20%C3%A9%01\n");
    EXPECT_EQ(namesIn(trash), (std::vector<std::string>{"directorysizes", "files", "info"}));
    EXPECT_TRUE(victimIntact());
}

TEST_F(TrashMoverTest, ANameTakenInTheTrashGivesBothFilesTheNextNumber) {
    struct Case {
        const char* what;
        std::vector<std::string> files, infos; // already in the Trash
        std::vector<std::string> moved;        // names the two "x.txt" take
    };
    const std::vector<Case> cases = {
        {"free", {}, {}, {"x.txt", "x.txt.2"}},
        {"a whole pair", {"x.txt"}, {"x.txt"}, {"x.txt.2", "x.txt.3"}},
        {"a lone item", {"x.txt"}, {}, {"x.txt.2", "x.txt.3"}},
        {"a lone .trashinfo", {}, {"x.txt"}, {"x.txt.2", "x.txt.3"}},
        {"a gap", {"x.txt", "x.txt.3"}, {"x.txt", "x.txt.2"}, {"x.txt.4", "x.txt.5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(trash);
        for (const auto& f : c.files)
            tree.fileWith(trash / "files" / f, "old");
        for (const auto& i : c.infos)
            tree.fileWith(trash / "info" / (i + ".trashinfo"), "old");
        const fs::path a = tree.fileWith(caches / "a/x.txt", "a"), b = tree.fileWith(caches / "b/x.txt", "b");

        const RemovalReport report = mover().move({scanned(a), scanned(b)});

        ASSERT_TRUE(report.allDone());
        EXPECT_EQ(contents(trash / "files" / c.moved[0]), "a");
        EXPECT_EQ(contents(trash / "files" / c.moved[1]), "b");
        EXPECT_NE(contents(trash / "info" / (c.moved[0] + ".trashinfo")).find("/a/x.txt\n"),
                  std::string::npos);
        EXPECT_NE(contents(trash / "info" / (c.moved[1] + ".trashinfo")).find("/b/x.txt\n"),
                  std::string::npos);
        for (const auto& f : c.files)
            EXPECT_EQ(contents(trash / "files" / f), "old");
        for (const auto& i : c.infos)
            EXPECT_EQ(contents(trash / "info" / (i + ".trashinfo")), "old");
    }

    // The macOS home's ~/.Trash: the rename alone, numbered the same way.
    tree.fileWith(home / ".Trash/x.txt", "old");
    const fs::path a = tree.fileWith(caches / "a/x.txt", "a");
    ASSERT_TRUE(mover(TrashMover::Kind::MacOS).move({scanned(a)}).allDone());
    EXPECT_EQ(namesIn(home / ".Trash"), (std::vector<std::string>{"x.txt", "x.txt.2"}));
    EXPECT_EQ(contents(home / ".Trash/x.txt.2"), "a");
}

TEST_F(TrashMoverTest, AFailedRenameLeavesNoTrashInfoBehind) {
    struct Case {
        int error;
        Status status;
    };
    for (const Case& c :
         {Case{EACCES, Status::Failed}, Case{EXDEV, Status::Refused}, Case{EBUSY, Status::Failed}}) {
        SCOPED_TRACE(c.error);
        const fs::path item = tree.file("home/Library/Caches/app/item", 10);
        calls.rename = [&](int, const char*, int, const char*, unsigned) {
            // The .trashinfo is already written when the item moves.
            EXPECT_EQ(namesIn(trash / "info"), std::vector<std::string>{"item.trashinfo"});
            errno = c.error;
            return -1;
        };
        const RemovalReport report = mover().move({scanned(item)});
        EXPECT_EQ(report.outcomes[0].status, c.status) << report.outcomes[0].reason;
        EXPECT_TRUE(exists(item));
        EXPECT_TRUE(trashEmpty());
    }
}

TEST_F(TrashMoverTest, WhatIsNotTheScannedItemStaysWhereItIs) {
    // Replaced between the scan and the move.
    const fs::path item = tree.fileWith(caches / "item", "scanned");
    const RemovalRequest request = scanned(item);
    fs::rename(item, caches / "aside"); // kept, so that its inode is not reused
    tree.fileWith(caches / "item", "stranger");
    RemovalReport report = mover().move({request});
    EXPECT_EQ(report.outcomes[0].status, Status::Changed);
    EXPECT_EQ(contents(item), "stranger");
    EXPECT_TRUE(trashEmpty());

    // Replaced at the very moment of the rename: the stranger goes back.
    const RemovalRequest now = scanned(item);
    const fs::path other = tree.fileWith(caches / "other", "other");
    calls.rename = [&, first = true](int od, const char* on, int nd, const char* nn, unsigned flags) mutable {
        if (std::exchange(first, false))
            fs::rename(other, item);
        return ::renameat2(od, on, nd, nn, flags);
    };
    report = mover().move({now});
    EXPECT_EQ(report.outcomes[0].status, Status::Changed);
    EXPECT_EQ(report.outcomes[0].reason, "replaced while it was being moved; put back");
    EXPECT_EQ(contents(item), "other");
    EXPECT_TRUE(trashEmpty());

    // A parent folder swapped for a link to the victim.
    tree.file("home/Library/Caches/app/keep0", 10);
    const RemovalRequest inside = scanned(caches / "app/keep0");
    fs::rename(caches / "app", caches / "app-moved");
    tree.symlink(caches / "app", victim);
    calls.rename = nullptr;
    report = mover().move({inside});
    EXPECT_EQ(report.outcomes[0].status, Status::Changed);
    EXPECT_TRUE(victimIntact());
    EXPECT_TRUE(trashEmpty());
}

TEST_F(TrashMoverTest, TrashFoldersThatAreLinksAreRefused) {
    const fs::path item = tree.file("home/Library/Caches/item", 10);
    for (const char* part : {"", "/files", "/info"}) {
        SCOPED_TRACE(part);
        fs::remove_all(trash);
        fs::create_directories(trash);
        const fs::path link = fs::path(trash.native() + part);
        if (std::string(part).empty())
            fs::remove(link);
        tree.symlink(link, victim);
        const RemovalReport report = mover().move({scanned(item)});
        EXPECT_EQ(report.outcomes[0].status, Status::Failed);
        EXPECT_NE(report.outcomes[0].reason.find("symbolic link"), std::string::npos)
            << report.outcomes[0].reason;
        EXPECT_TRUE(exists(item));
        EXPECT_TRUE(victimIntact());
        EXPECT_EQ(namesIn(victim).size(), 6u);
    }
    // What lies in the Trash never moves into it, nor what holds it.
    fs::remove_all(trash);
    tree.file(trash / "files/old", 5);
    RemovalReport report = mover().move({scanned(trash / "files/old")});
    EXPECT_EQ(report.outcomes[0].status, Status::Refused);
    EXPECT_TRUE(exists(trash / "files/old"));
    tree.file("home/data/Trash/files/old", 5);
    report = TrashMover(home, home / "data/Trash", TrashMover::Kind::Freedesktop, calls)
                 .move({scanned(home / "data")});
    EXPECT_EQ(report.outcomes[0].status, Status::Refused);
    EXPECT_EQ(report.outcomes[0].reason, "holds the Trash");
    EXPECT_TRUE(exists(home / "data/Trash/files/old"));
}

TEST_F(TrashMoverTest, NothingCrossesToAnotherFileSystem) {
    // Real tmpfs mounts in a mount namespace of a child process of its own.
    const ChildResult r = inChild([&](std::ostream& out) {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return 77;
        tree.file("home/Library/Caches/disk/item", 10);
        tree.file("home/Library/Caches/plain", 10);
        fs::create_directories(caches / "mnt");
        fs::create_directories(trash / "files");
        if (::mount("tmpfs", (caches / "mnt").c_str(), "tmpfs", 0, nullptr) != 0)
            return 77;
        tree.file("home/Library/Caches/mnt/item", 10);
        const RemovalReport moved = mover().move({scanned(caches / "mnt/item"), scanned(caches / "mnt")});
        out << "inside:" << static_cast<int>(moved.outcomes[0].status) << " "
            << "mount:" << static_cast<int>(moved.outcomes[1].status) << " " << exists(caches / "mnt/item")
            << namesIn(trash / "files").size() << namesIn(trash / "info").size() << "\n";

        // The Trash itself, or its files folder, on another file system.
        for (const fs::path& at : {trash, trash / "files"}) {
            fs::create_directories(at);
            if (::mount("tmpfs", at.c_str(), "tmpfs", 0, nullptr) != 0)
                return 77;
            const RemovalReport report = mover().move({scanned(caches / "plain")});
            out << "trash:" << static_cast<int>(report.outcomes[0].status) << exists(caches / "plain")
                << namesIn(at).size() << " " << report.outcomes[0].reason << "\n";
            ::umount(at.c_str());
        }
        return 0;
    });
    if (r.exitCode == 77)
        GTEST_SKIP() << "no tmpfs can be mounted here (needs a mount namespace and root)";
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const int refused = static_cast<int>(Status::Refused), failed = static_cast<int>(Status::Failed);
    EXPECT_EQ(r.output, "inside:" + std::to_string(refused) + " mount:" + std::to_string(refused) + " 100\n" +
                            "trash:" + std::to_string(failed) +
                            "10 the Trash folder, or one on its way, is a mount point\n" +
                            "trash:" + std::to_string(failed) +
                            "10 the Trash folder, or one on its way, is a mount point\n");
}

} // namespace
} // namespace dovrel::test
