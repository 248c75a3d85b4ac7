// Damaged and hostile Info.plist files. Each of these either crashes, aborts
// or runs without end inside libplist when handed over unchecked; here every
// one must read as an empty dictionary, and legitimate files just inside the
// limits must still read.

#include "catalogue/PlistReader.h"

#include "support/BundleBuilder.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <future>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace dovrel {
namespace {

using test::BundleBuilder;
using test::FixtureTree;
using test::TempDir;

// ---- a hand encoder for binary plists, able to write what no writer would ----

void putBigEndian(std::string& out, std::uint64_t v, unsigned width) {
    for (unsigned i = width; i-- > 0;)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::string lengthMarker(unsigned type, std::uint64_t length) {
    std::string out;
    if (length < 15) {
        out.push_back(static_cast<char>((type << 4) | length));
    } else {
        out.push_back(static_cast<char>((type << 4) | 0xF));
        out.push_back(static_cast<char>(0x13)); // 8-byte integer follows
        putBigEndian(out, length, 8);
    }
    return out;
}

// Trailer fields that replace the true ones.
struct Trailer {
    std::optional<unsigned> offsetSize = {};
    std::optional<unsigned> refSize = {};
    std::optional<std::uint64_t> count = {};
    std::optional<std::uint64_t> root = {};
    std::optional<std::uint64_t> table = {};
};

struct RawBinary {
    unsigned refSize = 4;
    unsigned offsetSize = 4;
    std::vector<std::string> objects;
    std::uint64_t root = 0;

    std::uint32_t add(std::string object) {
        objects.push_back(std::move(object));
        return static_cast<std::uint32_t>(objects.size() - 1);
    }
    std::uint32_t ascii(const std::string& s) { return add(lengthMarker(0x5, s.size()) + s); }
    std::uint32_t utf16(const std::vector<std::uint16_t>& units) {
        std::string o = lengthMarker(0x6, units.size());
        for (auto u : units)
            putBigEndian(o, u, 2);
        return add(o);
    }
    std::uint32_t array(const std::vector<std::uint32_t>& refs) {
        std::string o = lengthMarker(0xA, refs.size());
        for (auto r : refs)
            putBigEndian(o, r, refSize);
        return add(o);
    }
    std::uint32_t dict(const std::vector<std::uint32_t>& keys, const std::vector<std::uint32_t>& values) {
        std::string o = lengthMarker(0xD, keys.size());
        for (auto r : keys)
            putBigEndian(o, r, refSize);
        for (auto r : values)
            putBigEndian(o, r, refSize);
        return add(o);
    }

    // The file; the trailer fields may be overridden to damage it.
    std::string bytes(const Trailer& t = {}) const {
        std::string out = "bplist00";
        std::vector<std::uint64_t> offsets;
        for (const auto& o : objects) {
            offsets.push_back(out.size());
            out += o;
        }
        const std::uint64_t table = out.size();
        for (auto off : offsets)
            putBigEndian(out, off, offsetSize);
        out.append(6, '\0');
        out.push_back(static_cast<char>(t.offsetSize.value_or(offsetSize)));
        out.push_back(static_cast<char>(t.refSize.value_or(refSize)));
        putBigEndian(out, t.count.value_or(objects.size()), 8);
        putBigEndian(out, t.root.value_or(root), 8);
        putBigEndian(out, t.table.value_or(table), 8);
        return out;
    }
};

// { "CFBundleName": <value> } with the value object supplied by `makeValue`.
template <typename F> RawBinary nameDict(F makeValue) {
    RawBinary b;
    b.add(""); // the root dictionary, filled in below
    const auto key = b.ascii("CFBundleName");
    const auto value = makeValue(b);
    b.objects[0].clear();
    std::string o = lengthMarker(0xD, 1);
    putBigEndian(o, key, b.refSize);
    putBigEndian(o, value, b.refSize);
    b.objects[0] = o;
    return b;
}

std::string validBinary() {
    return BundleBuilder("unused")
        .format(BundleBuilder::Format::Binary)
        .set("CFBundleIdentifier", "com.example.Editor")
        .set("CFBundleName", "Editor")
        .set("CFBundleVersion", 12)
        .encodedInfoPlist();
}

std::string xmlDict(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>" + body +
           "</dict>\n</plist>\n";
}

// ---- the guard lets legitimate files through ----

TEST(PlistReaderGuard, AcceptsWhatLibplistWrites) {
    const std::string binary = validBinary();
    const std::string xml = BundleBuilder("unused").set("CFBundleName", "Editor").encodedInfoPlist();

    EXPECT_TRUE(PlistReader::isSafeBinary(binary));
    EXPECT_TRUE(PlistReader::isSafeXml(xml));
    EXPECT_EQ(PlistReader::readData(binary).value("CFBundleName"), QStringLiteral("Editor"));
}

TEST(PlistReaderGuard, AcceptsSharedObjectsAndEveryWidth) {
    // Writers share equal strings between keys and values; 1-byte references
    // and 2-byte offsets are as valid as the 4-byte ones.
    for (unsigned width : {1u, 2u, 4u, 8u}) {
        RawBinary b;
        b.refSize = width;
        b.offsetSize = width == 1 ? 2 : width;
        const auto shared = b.ascii("Editor");
        const auto name = b.ascii("CFBundleName");
        const auto exe = b.ascii("CFBundleExecutable");
        b.root = b.dict({name, exe}, {shared, shared});

        const BundleInfo info = PlistReader::readData(b.bytes());

        EXPECT_EQ(info.value("CFBundleName"), QStringLiteral("Editor")) << "width " << width;
        EXPECT_EQ(info.value("CFBundleExecutable"), QStringLiteral("Editor")) << "width " << width;
    }
}

TEST(PlistReaderGuard, AcceptsNestingAndSharingWithinTheLimits) {
    RawBinary b;
    auto inner = b.array({});
    for (int i = 0; i < 400; ++i)
        inner = b.array({inner});
    // A diamond chain: each level references the next twice, 2^16 expanded nodes.
    auto shared = b.array({});
    for (int i = 0; i < 16; ++i)
        shared = b.array({shared, shared});
    b.root =
        b.dict({b.ascii("Deep"), b.ascii("Wide"), b.ascii("CFBundleName")}, {inner, shared, b.ascii("Ok")});

    EXPECT_EQ(PlistReader::readData(b.bytes()).value("CFBundleName"), QStringLiteral("Ok"));

    std::string xml;
    for (int i = 0; i < 400; ++i)
        xml += "<array>";
    for (int i = 0; i < 400; ++i)
        xml += "</array>";
    EXPECT_EQ(
        PlistReader::readData(xmlDict("<key>Deep</key>" + xml + "<key>CFBundleName</key><string>Ok</string>"))
            .value("CFBundleName"),
        QStringLiteral("Ok"));
}

// ---- binary damage ----

TEST(PlistReaderGuard, TruncatedBinaryReadsEmpty) {
    const std::string binary = validBinary();
    for (std::size_t length = 0; length < binary.size(); ++length)
        EXPECT_TRUE(PlistReader::readData(binary.substr(0, length)).isEmpty()) << "length " << length;
}

TEST(PlistReaderGuard, BadTrailerReadsEmpty) {
    RawBinary b;
    b.root = b.dict({b.ascii("CFBundleName")}, {b.ascii("Editor")});
    ASSERT_FALSE(PlistReader::readData(b.bytes()).isEmpty());
    const std::uint64_t tableAt = b.bytes().size() - 32 - b.objects.size() * b.offsetSize;

    const std::vector<Trailer> damaged{
        {.offsetSize = 0u},
        {.offsetSize = 3u},
        {.offsetSize = 16u},
        {.refSize = 0u},
        {.refSize = 5u},
        {.count = 0u},
        {.count = 4u}, // more objects than the offset table holds
        {.count = std::uint64_t{1} << 62},
        {.count = ~std::uint64_t{0}},
        {.root = 3u},
        {.root = ~std::uint64_t{0}},
        {.table = 0u},
        {.table = 8u + 1000u},
        {.table = tableAt + 1},
        {.table = ~std::uint64_t{0} - 7},
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        const std::string bytes = b.bytes(damaged[i]);
        EXPECT_FALSE(PlistReader::isSafeBinary(bytes)) << "case " << i;
        EXPECT_TRUE(PlistReader::readData(bytes).isEmpty()) << "case " << i;
    }
}

TEST(PlistReaderGuard, OffsetsAndReferencesOutOfRangeReadEmpty) {
    auto base = [] {
        RawBinary b;
        b.root = b.dict({b.ascii("CFBundleName")}, {b.ascii("Editor")});
        return b;
    };
    std::vector<std::string> damaged;
    for (std::uint64_t offset : {std::uint64_t{0}, std::uint64_t{7}, std::uint64_t{500}, ~std::uint64_t{0}}) {
        RawBinary b = base();
        b.offsetSize = 8;
        std::string bytes = b.bytes();
        // Overwrite the first offset-table entry (the first object).
        const std::size_t entry = bytes.size() - 32 - b.objects.size() * 8;
        std::string patched;
        putBigEndian(patched, offset, 8);
        bytes.replace(entry, 8, patched);
        damaged.push_back(bytes);
    }
    {
        RawBinary b;
        b.root = b.dict({b.ascii("CFBundleName")}, {9}); // no object 9
        damaged.push_back(b.bytes());
    }
    {
        RawBinary b;
        // A string whose length runs into the offset table.
        b.add(lengthMarker(0x5, 400) + "short");
        b.root = b.dict({b.ascii("CFBundleName")}, {0});
        damaged.push_back(b.bytes());
    }
    {
        RawBinary b;
        // An extended length of 2^64 - 1 elements.
        std::string o = "\xAF\x13";
        putBigEndian(o, ~std::uint64_t{0}, 8);
        b.root = b.add(o);
        damaged.push_back(b.bytes());
    }
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(PlistReader::isSafeBinary(damaged[i])) << "case " << i;
        EXPECT_TRUE(PlistReader::readData(damaged[i]).isEmpty()) << "case " << i;
    }
}

TEST(PlistReaderGuard, DeepBinaryNestingReadsEmpty) {
    RawBinary b;
    auto inner = b.array({});
    for (int i = 0; i < 100'000; ++i)
        inner = b.array({inner});
    b.root = b.dict({b.ascii("CFBundleName"), b.ascii("Deep")}, {b.ascii("Editor"), inner});

    EXPECT_FALSE(PlistReader::isSafeBinary(b.bytes()));
    EXPECT_TRUE(PlistReader::readData(b.bytes()).isEmpty());

    // One level past the limit is refused as well.
    RawBinary edge;
    auto level = edge.array({});
    for (int i = 1; i < PlistReader::kMaxDepth; ++i)
        level = edge.array({level});
    edge.root = level;
    EXPECT_TRUE(PlistReader::isSafeBinary(edge.bytes()));
    edge.root = edge.array({level});
    EXPECT_FALSE(PlistReader::isSafeBinary(edge.bytes()));
}

TEST(PlistReaderGuard, ReferenceExplosionReadsEmpty) {
    // 64 levels, each referencing the next twice: 2^64 nodes once expanded.
    RawBinary b;
    auto level = b.array({});
    for (int i = 0; i < 64; ++i)
        level = b.array({level, level});
    b.root = b.dict({b.ascii("CFBundleName"), b.ascii("Bomb")}, {b.ascii("Editor"), level});

    EXPECT_FALSE(PlistReader::isSafeBinary(b.bytes()));
    EXPECT_TRUE(PlistReader::readData(b.bytes()).isEmpty());
}

TEST(PlistReaderGuard, CyclesReadEmpty) {
    auto refTo = [](std::uint32_t target) {
        std::string r;
        putBigEndian(r, target, 4);
        return r;
    };
    RawBinary self; // an array that holds itself
    self.root = self.array({0});
    RawBinary pair; // a dictionary whose value holds the dictionary
    pair.add("");
    const auto key = pair.ascii("k");
    const auto back = pair.array({0});
    pair.objects[0] = lengthMarker(0xD, 1) + refTo(key) + refTo(back);

    EXPECT_FALSE(PlistReader::isSafeBinary(self.bytes()));
    EXPECT_TRUE(PlistReader::readData(self.bytes()).isEmpty());
    EXPECT_FALSE(PlistReader::isSafeBinary(pair.bytes()));
    EXPECT_TRUE(PlistReader::readData(pair.bytes()).isEmpty());
}

TEST(PlistReaderGuard, NulInsideStringsReadsEmpty) {
    const std::vector<std::string> damaged{
        nameDict([](RawBinary& b) {
            return b.utf16({'A', 0x0000, 'B'});
        }).bytes(),
        nameDict([](RawBinary& b) { return b.ascii(std::string("A\0B", 3)); }).bytes(),
        nameDict([](RawBinary& b) {
            return b.utf16({'A', 0xD800});
        }).bytes(), // lone high surrogate
        nameDict([](RawBinary& b) {
            return b.utf16({0xDC00, 'A'});
        }).bytes(), // lone low surrogate
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(PlistReader::isSafeBinary(damaged[i])) << "case " << i;
        EXPECT_TRUE(PlistReader::readData(damaged[i]).isEmpty()) << "case " << i;
    }
    // The same string without the NUL reads, so it is the NUL that is refused.
    EXPECT_EQ(PlistReader::readData(nameDict([](RawBinary& b) {
                                        return b.utf16({'A', 0xD83C, 0xDFA8});
                                    }).bytes())
                  .value("CFBundleName"),
              QStringLiteral("A🎨"));
}

TEST(PlistReaderGuard, NonStringKeysAndUnknownObjectsReadEmpty) {
    RawBinary numberKey;
    numberKey.root = numberKey.dict({numberKey.add("\x10\x05")}, {numberKey.ascii("v")});
    RawBinary set; // sets are not property-list values libplist can read
    set.root = set.add(lengthMarker(0xC, 0));
    RawBinary null;
    null.root = null.dict({null.ascii("CFBundleName")}, {null.add(std::string(1, '\0'))});

    EXPECT_TRUE(PlistReader::readData(numberKey.bytes()).isEmpty());
    EXPECT_TRUE(PlistReader::readData(set.bytes()).isEmpty());
    EXPECT_TRUE(PlistReader::readData(null.bytes()).isEmpty());
}

// ---- XML damage ----

TEST(PlistReaderGuard, DeepXmlNestingReadsEmpty) {
    std::string deep;
    for (int i = 0; i < 100'000; ++i)
        deep += "<array>";
    for (int i = 0; i < 100'000; ++i)
        deep += "</array>";
    const std::string xml = xmlDict("<key>CFBundleName</key><string>Editor</string><key>Deep</key>" + deep);

    EXPECT_FALSE(PlistReader::isSafeXml(xml));
    EXPECT_TRUE(PlistReader::readData(xml).isEmpty());
}

TEST(PlistReaderGuard, MalformedXmlReadsEmpty) {
    const std::string name = "<key>CFBundleName</key><string>Editor</string>";
    const std::vector<std::string> damaged{
        xmlDict(name + "<array></string></array>"),                                   // mismatched close
        xmlDict(name + "<array>"),                                                    // unclosed
        xmlDict(name + "<!-- never ends"),                                            // open comment
        xmlDict(name + "<array a=\"/>\"><true/></array>"),                            // '>' inside quotes
        "<!DOCTYPE plist [<!ENTITY a \"aaaa\">]>" + xmlDict(name),                    // internal DTD subset
        xmlDict(name + "<key>x</key><string>a") + std::string(1, '\0') + "</string>", // NUL byte
        xmlDict(name + "<"),                                                          // unterminated tag
        xmlDict(name + "< >"),                                                        // nameless tag
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(PlistReader::isSafeXml(damaged[i])) << "case " << i;
        EXPECT_TRUE(PlistReader::readData(damaged[i]).isEmpty()) << "case " << i;
    }
}

TEST(PlistReaderGuard, QuotingCannotHideMarkup) {
    // libplist ends a processing instruction or a tag at the first terminator
    // outside double quotes and treats single quotes as plain text. A reader
    // that took the first plain "?>" would see the comment below and miss the
    // 1,100,000 nested arrays that libplist builds (and then overflows the
    // stack freeing).
    std::string opens;
    for (int i = 0; i < 1'100'000; ++i)
        opens += "<array>";
    const std::string hiddenByInstruction = "<?x \"?><!--\" ?><plist version=\"1.0\">" + opens + "-->";
    ASSERT_LT(hiddenByInstruction.size(), static_cast<std::size_t>(PlistReader::kMaxFileSize));
    EXPECT_FALSE(PlistReader::isSafeXml(hiddenByInstruction));
    EXPECT_TRUE(PlistReader::readData(hiddenByInstruction).isEmpty());

    // A double quote inside single quotes: libplist reads the tag on to the
    // next double quote, past the "</array>" a plain reading would close.
    std::string hiddenByTag = "<plist version=\"1.0\"><dict><key>a</key>";
    for (int i = 0; i < 1000; ++i)
        hiddenByTag += "<array x='\"'></array>\">";
    hiddenByTag += "</dict></plist>";
    EXPECT_FALSE(PlistReader::isSafeXml(hiddenByTag));

    // Quotes that do not move any terminator are fine.
    const std::string plainQuotes =
        "<?xml version=\"1.0\" encoding='UTF-8'?><plist version=\"1.0\"><dict>"
        "<key>CFBundleName</key><string>\"Quoted\" 'name'</string></dict></plist>";
    EXPECT_EQ(PlistReader::readData(plainQuotes).value("CFBundleName"), QStringLiteral("\"Quoted\" 'name'"));
}

TEST(PlistReaderGuard, TruncatedXmlReadsOnlyWhenComplete) {
    const std::string xml =
        BundleBuilder("unused").set("CFBundleName", "Editor").set("CFBundleVersion", 3).encodedInfoPlist();
    for (std::size_t length = 0; length <= xml.size(); ++length) {
        const std::string prefix = xml.substr(0, length);
        const bool complete = prefix.find("</plist>") != std::string::npos;
        EXPECT_EQ(!PlistReader::readData(prefix).isEmpty(), complete) << "length " << length;
    }
}

// ---- files that are not plain files ----

TEST(PlistReaderGuard, OversizedFileReadsEmpty) {
    TempDir tmp;
    std::string xml = xmlDict("<key>CFBundleName</key><string>Editor</string>");
    const std::string padding(static_cast<std::size_t>(PlistReader::kMaxFileSize), ' ');
    const auto bundle = BundleBuilder(tmp / "Huge.app").infoPlistBytes(xml + padding).build();
    const auto justFits = BundleBuilder(tmp / "Fits.app")
                              .infoPlistBytes(xml + padding.substr(0, padding.size() - xml.size()))
                              .build();

    EXPECT_TRUE(PlistReader::readInfoPlist(bundle).isEmpty());
    EXPECT_EQ(PlistReader::readInfoPlist(justFits).value("CFBundleName"), QStringLiteral("Editor"));
}

TEST(PlistReaderGuard, FifoSymlinkAndFolderAreNotRead) {
    TempDir tmp;
    FixtureTree tree(tmp.path());
    const auto valid =
        tree.fileWith("Valid.plist", xmlDict("<key>CFBundleName</key><string>Editor</string>"));
    const auto fifo = tree.fifo("Fifo.app/Contents/Info.plist");
    tree.symlink("Zero.app/Contents/Info.plist", "/dev/zero");
    tree.symlink("Link.app/Contents/Info.plist", valid);
    tree.folder("Folder.app/Contents/Info.plist");

    // A FIFO with no writer would block a plain open() for ever; bound the
    // wait, and on failure unblock the reader by opening the write end.
    auto pending =
        std::async(std::launch::async, [&] { return PlistReader::readInfoPlist(tmp / "Fifo.app"); });
    if (pending.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        FAIL() << "reading a FIFO blocked";
    }
    EXPECT_TRUE(pending.get().isEmpty());
    EXPECT_TRUE(PlistReader::readInfoPlist(tmp / "Zero.app").isEmpty());
    EXPECT_TRUE(PlistReader::readInfoPlist(tmp / "Link.app").isEmpty());
    EXPECT_TRUE(PlistReader::readInfoPlist(tmp / "Folder.app").isEmpty());
    EXPECT_EQ(PlistReader::readFile(valid).value("CFBundleName"), QStringLiteral("Editor"));
}

TEST(PlistReaderGuard, InfoPlistLinksAreFollowedOnlyInsideTheBundle) {
    TempDir tmp;
    FixtureTree tree(tmp.path());
    const std::string xml = xmlDict("<key>CFBundleName</key><string>Editor</string>");
    tree.fileWith("Valid.plist", xml);
    tree.fileWith("Elsewhere/Info.plist", xml);
    tree.fileWith("Near.app2/Contents/Info.plist", xml);
    const struct {
        const char* bundle;
        const char* real; // where the file lies, inside the bundle
        std::string link; // the link, relative to the bundle
        std::string target;
        bool read;
    } rows[] = {
        {"Rel.app", "Contents/Resources/I.plist", "Contents/Info.plist", "Resources/I.plist", true},
        {"Abs.app", "Real.plist", "Contents/Info.plist", (tmp / "Abs.app/Real.plist").string(), true},
        {"Back.app", "Contents/R/I.plist", "Contents/Info.plist", "../Contents/R/I.plist", true},
        {"Folder.app", "Versions/A/Info.plist", "Contents", "Versions/A", true},
        {"Climb.app", "", "Contents/Info.plist", "../../Valid.plist", false},
        {"Out.app", "", "Contents", (tmp / "Elsewhere").string(), false},
        {"Near.app", "", "Contents/Info.plist", (tmp / "Near.app2/Contents/Info.plist").string(), false},
        {"Loop.app", "", "Contents/Info.plist", "Info.plist", false},
        {"Ring.app", "", "Contents/Info.plist", "../Contents/Info.plist", false},
    };
    for (const auto& row : rows) {
        const std::string bundle = row.bundle;
        tree.folder(bundle + "/Contents");
        if (*row.real)
            tree.fileWith(bundle + "/" + row.real, xml);
        std::filesystem::remove(tmp / bundle / row.link);
        tree.symlink(bundle + "/" + row.link, row.target);
        const BundleInfo info = PlistReader::readInfoPlist(tmp / bundle);
        EXPECT_EQ(info.value("CFBundleName"),
                  row.read ? std::optional(QStringLiteral("Editor")) : std::nullopt)
            << bundle;
    }
}

} // namespace
} // namespace dovrel
