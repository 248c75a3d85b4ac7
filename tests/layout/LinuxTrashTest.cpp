#include "layout/LinuxTrash.h"
#include "LinuxHomeFixture.h"
#include "fs/Remover.h"
#include "layout/TrashInfo.h"
#include "layout/TrashPairRemoval.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <fstream>
#include <sstream>

using namespace dovrel;
using dovrel::test::LinuxHomeFixture;
using Status = RemovalOutcome::Status;

namespace {

class LinuxTrashTest : public LinuxHomeFixture {
protected:
    Location trash = home / ".local/share/Trash";
    LinuxTrash bin{trash, home};
    Remover remover{home};
    TrashPairRemoval pairs{remover, home, trash};

    // files/<name> of `size` bytes and its .trashinfo with the raw Path= value.
    void trashed(const std::string& name, std::int64_t size, const std::optional<std::string>& path) {
        if (size >= 0)
            file(".local/share/Trash/files/" + name, size);
        if (path)
            text(".local/share/Trash/info/" + name + ".trashinfo",
                 "[Trash Info]\nPath=" + *path + "\nDeletionDate=2026-11-30T09:15:00\n");
    }
    std::string sizesFile() const {
        std::ifstream in(trash / "directorysizes");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static bool exists(const Location& l) {
        std::error_code ec;
        return std::filesystem::symlink_status(l, ec).type() != std::filesystem::file_type::not_found;
    }
};

TEST_F(LinuxTrashTest, OriginalPathsArePercentDecodedToTheirExactBytes) {
    const struct {
        const char* raw;
        std::string original;
    } cases[] = {
        {"/home/ann/My%20Report.pdf", "/home/ann/My Report.pdf"},
        {"/home/ann/caf%C3%A9", "/home/ann/caf\xc3\xa9"},
        {"/home/ann/r%E9sum%E9.doc", "/home/ann/r\xe9sum\xe9.doc"}, // not UTF-8: bytes kept
        {"/home/ann/100%25%2", "/home/ann/100%%2"},                 // a broken escape stays as written
        {"/home/ann/%zz", "/home/ann/%zz"},
        {"Documents/rel.txt", (home / "Documents/rel.txt").native()},
    };
    for (const auto& c : cases) {
        auto info = TrashInfo::parse(std::string("[Trash Info]\nPath=") + c.raw + "\n", home);
        ASSERT_TRUE(info) << c.raw;
        EXPECT_EQ(info->original.native(), c.original) << c.raw;
    }
    EXPECT_FALSE(TrashInfo::parse("[Trash Info]\nDeletionDate=2026-01-01T00:00:00\n", home));
    EXPECT_FALSE(TrashInfo::parse("Path=/home/ann/x\n", home));
    EXPECT_FALSE(TrashInfo::parse("[Trash Info]\nPath=/home/ann/a%00b\n", home));
}

TEST_F(LinuxTrashTest, EveryTrashedItemIsOneEntryNamedByItsOriginalPath) {
    trashed("report.pdf", 100, "/home/ann/Documents/report.pdf");
    trashed(std::string("r\xe9sum\xe9.doc"), 20, "/home/ann/r%E9sum%E9.doc");
    trashed("no-info.txt", 7, std::nullopt);
    trashed("damaged.txt", 3, std::nullopt);
    text(".local/share/Trash/info/damaged.txt.trashinfo", "garbage\n");
    trashed(".hidden", 5, "/home/ann/.hidden");
    trashed("folder", -1, "/home/ann/folder");
    file(".local/share/Trash/files/folder/inner/a", 40);
    trashed("lost.txt", -1, "/home/ann/lost.txt"); // the item is gone, its .trashinfo is not
    text(".local/share/Trash/info/not-an-info", "x");

    std::vector<std::string> names;
    bool loneLast = true;
    const auto entries = bin.entries();
    for (const auto& e : entries) {
        names.push_back(e.info ? e.info->original.native() : "(" + e.name + ")");
        if (&e != &entries.back())
            loneLast = loneLast && !e.infoOnly;
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"(damaged.txt)", "(no-info.txt)", "/home/ann/.hidden",
                                        "/home/ann/Documents/report.pdf", "/home/ann/folder",
                                        "/home/ann/lost.txt", std::string("/home/ann/r\xe9sum\xe9.doc")}));
    ASSERT_TRUE(entries.back().infoOnly);
    EXPECT_TRUE(loneLast);
    EXPECT_EQ(entries.back().location, trash / "info/lost.txt.trashinfo");

    ByteCount total = -1;
    auto items = bin.items(sizes, total);
    ASSERT_EQ(items.size(), entries.size());
    const ByteCount loneInfoSize =
        static_cast<ByteCount>(std::filesystem::file_size(trash / "info/lost.txt.trashinfo"));
    EXPECT_EQ(total, 100 + 20 + 7 + 3 + 5 + 40 + loneInfoSize);
    for (const auto& i : items)
        if (i->url_file == trash / std::string("files/r\xe9sum\xe9.doc")) {
            EXPECT_EQ(i->name,
                      QString::fromUtf8("/home/ann/r\xef\xbf\xbdsum\xef\xbf\xbd.doc")); // shown lossily
        }
}

TEST_F(LinuxTrashTest, AnItemAndItsTrashinfoGoTogetherWithTheirDirectorySizesLine) {
    trashed("a b", -1, "/home/ann/a%20b");
    file(".local/share/Trash/files/a b/x", 30);
    trashed("keep", 10, "/home/ann/keep");
    trashed("plain", 10, std::nullopt);
    text(".local/share/Trash/directorysizes", "30 1700000000 a%20b\n10 1700000001 keep\n");
    const auto infoSize = static_cast<ByteCount>(std::filesystem::file_size(trash / "info/a b.trashinfo"));

    RemovalReport report =
        pairs.remove({{trash / "files/a b", std::nullopt}, {trash / "files/plain", std::nullopt}});
    ASSERT_EQ(report.outcomes.size(), 2u);
    EXPECT_EQ(report.outcomes[0].status, Status::Removed) << report.outcomes[0].reason;
    EXPECT_EQ(report.outcomes[1].status, Status::Removed) << report.outcomes[1].reason;
    EXPECT_FALSE(exists(trash / "files/a b"));
    EXPECT_FALSE(exists(trash / "info/a b.trashinfo"));
    EXPECT_FALSE(exists(trash / "files/plain"));
    EXPECT_TRUE(exists(trash / "files/keep"));
    EXPECT_TRUE(exists(trash / "info/keep.trashinfo"));
    EXPECT_EQ(sizesFile(), "10 1700000001 keep\n");
    EXPECT_EQ(report.outcomes[0].bytes, 30 + infoSize);
    EXPECT_EQ(report.bytesFreed, 30 + infoSize + 10);
}

TEST_F(LinuxTrashTest, AnItemThatDoesNotGoKeepsItsTrashinfo) {
    trashed("swapped", 10, "/home/ann/swapped");
    text(".local/share/Trash/directorysizes", "10 1 swapped\n");
    // The scan saw another entry at that path: the Remover refuses it as Changed.
    struct stat other {};
    ASSERT_EQ(::lstat(trash.c_str(), &other), 0);
    RemovalReport report = pairs.remove({{trash / "files/swapped", FileIdentity::of(other)}});
    ASSERT_EQ(report.outcomes.size(), 1u);
    EXPECT_EQ(report.outcomes[0].status, Status::Changed);
    EXPECT_TRUE(exists(trash / "files/swapped"));
    EXPECT_TRUE(exists(trash / "info/swapped.trashinfo"));
    EXPECT_EQ(sizesFile(), "10 1 swapped\n");
}

TEST_F(LinuxTrashTest, ALoneTrashinfoGoesOnlyWhileItsItemIsGone) {
    trashed("lost", -1, "/home/ann/lost");
    trashed("back", -1, "/home/ann/back");
    text(".local/share/Trash/directorysizes", "5 1 lost\n5 1 other\n");
    // "back" reappeared after the scan.
    RemovalReport report = pairs.remove({{trash / "info/lost.trashinfo", std::nullopt}});
    file(".local/share/Trash/files/back", 3);
    RemovalReport refused = pairs.remove({{trash / "info/back.trashinfo", std::nullopt},
                                          {trash / "files", std::nullopt},
                                          {trash, std::nullopt}});
    EXPECT_EQ(report.outcomes.at(0).status, Status::Removed);
    EXPECT_FALSE(exists(trash / "info/lost.trashinfo"));
    EXPECT_EQ(sizesFile(), "5 1 other\n");
    ASSERT_EQ(refused.outcomes.size(), 3u);
    for (const auto& o : refused.outcomes)
        EXPECT_EQ(o.status, Status::Refused) << o.location;
    EXPECT_TRUE(exists(trash / "info/back.trashinfo"));
    EXPECT_TRUE(exists(trash / "files/back"));
}

TEST_F(LinuxTrashTest, ALinkedDirectorySizesFileIsNeverRewritten) {
    trashed("lost", -1, "/home/ann/lost");
    const Location outside = tree.fileWith("outside-sizes", "5 1 lost\n");
    tree.symlink("ann/.local/share/Trash/directorysizes", outside);
    EXPECT_EQ(pairs.remove({{trash / "info/lost.trashinfo", std::nullopt}}).outcomes.at(0).status,
              Status::Removed);
    EXPECT_FALSE(pairs.dropDirectorySize("lost"));
    std::ifstream in(outside);
    std::stringstream s;
    s << in.rdbuf();
    EXPECT_EQ(s.str(), "5 1 lost\n");
    EXPECT_TRUE(std::filesystem::is_symlink(trash / "directorysizes"));
}

TEST_F(LinuxTrashTest, OtherLocationsGoStraightToTheRemoverInOrder) {
    file(".cache/app/x", 4);
    trashed("t", 6, "/home/ann/t");
    file(".cache/other/y", 5);
    RemovalReport report = pairs.remove({{home / ".cache/app", std::nullopt},
                                         {trash / "files/t", std::nullopt},
                                         {home / ".cache/other", std::nullopt},
                                         {tmp / "outside", std::nullopt}});
    ASSERT_EQ(report.outcomes.size(), 4u);
    EXPECT_EQ(report.outcomes[0].location, home / ".cache/app");
    EXPECT_EQ(report.outcomes[1].location, trash / "files/t");
    EXPECT_EQ(report.outcomes[2].status, Status::Removed);
    EXPECT_EQ(report.outcomes[3].status, Status::Refused);
    EXPECT_FALSE(exists(trash / "info/t.trashinfo"));
}

} // namespace

// Only what removal can take is listed: a pair whose .trashinfo is a folder or
// a link stays whole, and orphans named "..trashinfo"/"...trashinfo" or that
// are not regular files are not offered.
TEST_F(LinuxTrashTest, PairsAndOrphansThatCannotGoAreNotListed) {
    trashed("plain.txt", 4, "/home/ann/plain.txt");
    trashed("boxed.txt", 6, std::nullopt);
    file(".local/share/Trash/info/boxed.txt.trashinfo/inside", 9);
    trashed("linked.txt", 8, std::nullopt);
    std::filesystem::create_symlink("/etc/hostname", trash / "info/linked.txt.trashinfo");
    text(".local/share/Trash/info/..trashinfo", "[Trash Info]\nPath=/x\n");
    text(".local/share/Trash/info/...trashinfo", "[Trash Info]\nPath=/y\n");
    file(".local/share/Trash/info/folder-orphan.trashinfo/inside", 3);

    std::vector<std::string> names;
    std::vector<SkippedPlace> skipped;
    for (const auto& e : bin.entries(&skipped))
        names.push_back(e.name);
    EXPECT_EQ(names, std::vector<std::string>{"plain.txt"});
    // The pairs left whole are named, so the user learns why they stay.
    std::vector<std::string> left;
    for (const auto& p : skipped) {
        EXPECT_EQ(p.why, SkippedPlace::Why::TrashInfoNotAFile);
        left.push_back(p.location.filename().native());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"boxed.txt", "linked.txt"}));
}
