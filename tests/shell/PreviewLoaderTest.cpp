// What the preview panel loads for ordinary and hostile items: it never
// blocks on a FIFO, never reads without bound, never decodes a picture past
// its bounds, never follows a link out of the location, and says plainly
// when the item is gone.

#include "platform/gui/PreviewLoader.h"
#include "platform/gui/PreviewPanel.h"

#include "GuiTestSupport.h"
#include "support/FixtureTree.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace dovrel {
namespace {

using Kind = PreviewContent::Kind;
namespace fs = std::filesystem;

constexpr qint64 kTenGB = 10LL * 1000 * 1000 * 1000;

std::uint32_t crc32(const QByteArray& data) {
    std::uint32_t crc = 0xffffffffu;
    for (char ch : data) {
        crc ^= static_cast<unsigned char>(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data) {
    auto be = [&](std::uint32_t v) {
        for (int s = 24; s >= 0; s -= 8)
            png.append(static_cast<char>((v >> s) & 0xff));
    };
    be(static_cast<std::uint32_t>(data.size()));
    const QByteArray body = QByteArray(type) + data;
    png += body;
    be(crc32(body));
}

// A well-formed PNG header claiming side x side pixels, with a little data.
QByteArray pngClaiming(std::uint32_t side) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr;
    for (std::uint32_t v : {side, side})
        for (int s = 24; s >= 0; s -= 8)
            ihdr.append(static_cast<char>((v >> s) & 0xff));
    ihdr.append("\x08\x06\x00\x00\x00", 5); // 8-bit RGBA
    appendChunk(png, "IHDR", ihdr);
    appendChunk(png, "IDAT", QByteArray::fromHex("789c63000100000500010d0a2db4"));
    appendChunk(png, "IEND", {});
    return png;
}

fs::path sparse(const fs::path& file, const QByteArray& start, qint64 size) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::write(fd, start.constData(), size_t(start.size())), start.size());
    EXPECT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
    return file;
}

struct Case {
    const char* name;
    std::function<fs::path(test::FixtureTree&)> make;
    Kind kind;
    std::function<void(const PreviewContent&)> check;
    PreviewLoader::Limits limits = {};
};

const Case kCases[] = {
    {"FifoIsDescribedNotOpened", [](test::FixtureTree& t) { return t.fifo("pipe.log"); }, Kind::Facts,
     [](const PreviewContent& c) { EXPECT_EQ(c.facts.mimeType, QStringLiteral("inode/fifo")); }},
    {"SocketIsDescribedNotOpened", [](test::FixtureTree& t) { return t.socket("s"); }, Kind::Facts,
     [](const PreviewContent& c) { EXPECT_EQ(c.facts.mimeType, QStringLiteral("inode/socket")); }},
    {"DeviceIsDescribedNotOpened", [](test::FixtureTree&) { return fs::path("/dev/zero"); }, Kind::Facts,
     [](const PreviewContent& c) { EXPECT_EQ(c.facts.mimeType, QStringLiteral("inode/chardevice")); }},
    {"TenGigabyteSparseTextShowsOnlyItsStart",
     [](test::FixtureTree& t) { return sparse(t / "huge.log", QByteArray(70 * 1024, 'a'), kTenGB); },
     Kind::Text,
     [](const PreviewContent& c) {
         EXPECT_EQ(c.text.size(), 64 * 1024);
         EXPECT_TRUE(c.truncated);
         EXPECT_EQ(c.facts.size, kTenGB);
     }},
    {"TenGigabyteSparseBinaryIsOnlyDescribed",
     [](test::FixtureTree& t) { return sparse(t / "huge.bin", QByteArray(16, '\0'), kTenGB); }, Kind::Facts,
     [](const PreviewContent& c) { EXPECT_EQ(c.facts.size, kTenGB); }},
    {"ImageClaimingAHundredThousandSquareIsRefusedFromItsHeader",
     [](test::FixtureTree& t) { return t.fileWith("bomb.png", pngClaiming(100000).toStdString()); },
     Kind::Facts,
     [](const PreviewContent& c) {
         EXPECT_TRUE(c.image.isNull());
         EXPECT_FALSE(c.message.isEmpty());
     }},
    {"PictureBeyondTheAllocationLimitIsNotDecoded",
     [](test::FixtureTree& t) {
         QImage image(1000, 1000, QImage::Format_ARGB32); // 4 MB decoded
         image.fill(Qt::blue);
         const fs::path p = t / "large.png";
         image.save(QString::fromStdString(p.string()));
         return p;
     },
     Kind::Facts,
     [](const PreviewContent& c) {
         EXPECT_TRUE(c.image.isNull());
         EXPECT_FALSE(c.message.isEmpty());
     },
     [] {
         PreviewLoader::Limits l;
         l.imageAllocationMb = 1;
         l.maxImagePixels = std::numeric_limits<qint64>::max();
         l.renderSize = QSize(2000, 2000); // no scaled decoding either
         return l;
     }()},
    {"LinkToAFileOutsideIsDescribedAsTheLink",
     [](test::FixtureTree& t) {
         const fs::path outside = t.fileWith("../outside/secret.txt", "secret words");
         return t.symlink("in/secret.txt", outside);
     },
     Kind::Facts,
     [](const PreviewContent& c) {
         EXPECT_EQ(c.facts.mimeType, QStringLiteral("inode/symlink"));
         EXPECT_TRUE(c.facts.linkTarget.endsWith(QStringLiteral("outside/secret.txt")));
         EXPECT_TRUE(c.text.isEmpty());
         EXPECT_LT(c.facts.size, 200); // the link's own size, not the file's
     }},
    {"FileDeletedAfterTheScanSaysSoPlainly",
     [](test::FixtureTree& t) {
         const fs::path gone = t.fileWith("gone.txt", "x");
         fs::remove(gone);
         return gone;
     },
     Kind::Missing,
     [](const PreviewContent& c) { EXPECT_TRUE(c.message.contains(QStringLiteral("gone.txt"))); }},
    {"FolderListsItsFirstLevelWithSizesWithoutFollowingLinks",
     [](test::FixtureTree& t) {
         t.file("f/a.txt", 10);
         t.file("f/sub/x", 5);
         t.file("f/sub/deeper/y", 7);
         t.file("big/z", 100000);
         t.symlink("f/link", t / "big");
         return t / "f";
     },
     Kind::Folder,
     [](const PreviewContent& c) {
         ASSERT_EQ(c.entries.size(), 3u);
         EXPECT_EQ(c.entries[0].name, QStringLiteral("a.txt"));
         EXPECT_EQ(c.entries[0].size, 10);
         EXPECT_TRUE(c.entries[1].link);
         EXPECT_LT(c.entries[1].size, 1000);
         EXPECT_TRUE(c.entries[2].folder);
         EXPECT_EQ(c.entries[2].size, 12);
         EXPECT_FALSE(c.truncated);
     }},
    {"FolderListingIsBounded",
     [](test::FixtureTree& t) {
         for (int i = 0; i < 12; ++i)
             t.file("many/" + std::to_string(i), 1);
         return t / "many";
     },
     Kind::Folder,
     [](const PreviewContent& c) {
         EXPECT_EQ(c.entries.size(), 5u);
         EXPECT_TRUE(c.truncated);
     },
     [] {
         PreviewLoader::Limits l;
         l.maxFolderEntries = 5;
         return l;
     }()},
    {"TextWithAnInvalidByteIsShownLossily",
     [](test::FixtureTree& t) { return t.fileWith(std::string("n\xe9.txt"), "caf\xe9 au lait\n"); },
     Kind::Text,
     [](const PreviewContent& c) {
         EXPECT_EQ(c.text, QStringLiteral("caf\uFFFD au lait\n"));
         EXPECT_EQ(c.facts.name, QStringLiteral("n\uFFFD.txt"));
         EXPECT_FALSE(c.truncated);
     }},
    {"SmallPicture",
     [](test::FixtureTree& t) {
         QImage image(20, 10, QImage::Format_RGB32);
         image.fill(Qt::red);
         const fs::path p = t / "pic.png";
         image.save(QString::fromStdString(p.string()));
         return p;
     },
     Kind::Image, [](const PreviewContent& c) { EXPECT_EQ(c.image.size(), QSize(20, 10)); }},
    {"PdfFirstPage",
     [](test::FixtureTree& t) {
         const fs::path p = t / "doc.pdf";
         QPdfWriter writer(QString::fromStdString(p.string()));
         QPainter painter(&writer);
         painter.drawText(100, 100, QStringLiteral("page one"));
         painter.end();
         return p;
     },
     Kind::Pdf,
     [](const PreviewContent& c) {
         EXPECT_FALSE(c.image.isNull());
         EXPECT_LE(c.image.width(), 640);
     }},
};

void PrintTo(const Case& k, std::ostream* os) {
    *os << k.name;
}

class PreviewLoaderTest : public ::testing::TestWithParam<Case> {};

TEST_P(PreviewLoaderTest, Loads) {
    const Case& k = GetParam();
    test::TempDir tmp;
    test::FixtureTree tree(tmp / "home");
    fs::create_directories(tree.root());
    const fs::path item = k.make(tree);
    const PreviewContent content = PreviewLoader::load(item, k.limits);
    EXPECT_EQ(int(content.kind), int(k.kind));
    k.check(content);
}

INSTANTIATE_TEST_SUITE_P(Items, PreviewLoaderTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A data source of one item, the one the test sets.
struct OneItemSource : QObject, PreviewPanelDataSource {
    std::optional<fs::path> item;
    int numberOfPreviewItemsInPreviewPanel(PreviewPanel*) override { return 1; }
    std::optional<fs::path> previewItemAtIndex(PreviewPanel*, int) override { return item; }
};

TEST(PreviewPanel, ShowsTheDataSourcesItemAndDropsAnOutdatedLoad) {
    test::TempDir tmp;
    test::FixtureTree tree(tmp.path());
    OneItemSource source;
    source.item = tree.fileWith("first.txt", "first");
    PreviewPanel* panel = PreviewPanel::sharedPreviewPanel();
    panel->setDataSource(&source, &source);
    panel->makeKeyAndOrderFront();
    source.item = tree.fileWith("second.txt", "second");
    panel->reloadData();
    ASSERT_TRUE(test::waitFor([&] { return panel->isLoaded(); }, 5000));
    test::spin(50);
    EXPECT_EQ(panel->currentItem(), source.item);
    EXPECT_EQ(panel->content().text, QStringLiteral("second"));

    // Decoding runs off the main thread; a PDF too.
    source.item = tmp / "doc.pdf";
    {
        QPdfWriter writer(QString::fromStdString(source.item->string()));
        QPainter painter(&writer);
        painter.drawText(100, 100, QStringLiteral("page one"));
    }
    panel->reloadData();
    ASSERT_TRUE(test::waitFor([&] { return panel->isLoaded(); }, 5000));
    EXPECT_EQ(int(panel->content().kind), int(Kind::Pdf));
    panel->close();
    test::spin();
    EXPECT_EQ(PreviewPanel::existingPreviewPanel(), nullptr);
}

TEST(PreviewPanel, AFolderNotesHowManyItemsItHolds) {
    test::TempDir tmp;
    test::FixtureTree tree(tmp.path());
    tree.file("one/a", 10);
    tree.file("two/a", 10);
    tree.file("two/b", 20);
    OneItemSource source;
    PreviewPanel* panel = PreviewPanel::sharedPreviewPanel();
    panel->setDataSource(&source, &source);
    for (const auto& [folder, note] :
         {std::pair{"one", "1 item, 10 bytes"}, std::pair{"two", "2 items, 30 bytes"}}) {
        source.item = tmp / folder;
        panel->makeKeyAndOrderFront();
        ASSERT_TRUE(test::waitFor([&] { return panel->isLoaded(); }, 5000));
        EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("previewNote"))->text(), QString::fromUtf8(note));
    }
    panel->close();
    test::spin();
}

} // namespace
} // namespace dovrel
