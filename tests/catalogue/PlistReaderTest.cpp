#include "catalogue/PlistReader.h"

#include "support/BundleBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace dovrel {
namespace {

using test::BundleBuilder;
using test::TempDir;

std::string xmlDict(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n" +
           body + "\n</dict>\n</plist>\n";
}

class PlistReaderFormats : public ::testing::TestWithParam<BundleBuilder::Format> {};

TEST_P(PlistReaderFormats, ReadsEveryInfoKeyOfABundle) {
    TempDir tmp;
    const auto bundle = BundleBuilder(tmp / "Editor.app")
                            .format(GetParam())
                            .set("CFBundleIdentifier", "com.example.Editor")
                            .set("CFBundleName", "My Editor")
                            .set("CFBundleExecutable", "editor")
                            .set("CFBundleIconFile", "AppIcon.icns")
                            .set("CFBundleShortVersionString", "2.4.1")
                            .set("CFBundleVersion", "2410")
                            .set("LogName", "editor.log")
                            .set("NSHumanReadableCopyright", "not asked for")
                            .build();

    const BundleInfo info = PlistReader::readInfoPlist(bundle);

    EXPECT_EQ(info.size(), 7u);
    EXPECT_EQ(info.value("CFBundleIdentifier"), QStringLiteral("com.example.Editor"));
    EXPECT_EQ(info.value("CFBundleName"), QStringLiteral("My Editor"));
    EXPECT_EQ(info.value("CFBundleExecutable"), QStringLiteral("editor"));
    EXPECT_EQ(info.value("CFBundleIconFile"), QStringLiteral("AppIcon.icns"));
    EXPECT_EQ(info.value("CFBundleShortVersionString"), QStringLiteral("2.4.1"));
    EXPECT_EQ(info.value("CFBundleVersion"), QStringLiteral("2410"));
    EXPECT_EQ(info.value("LogName"), QStringLiteral("editor.log"));
    EXPECT_FALSE(info.contains("NSHumanReadableCopyright"));
}

TEST_P(PlistReaderFormats, IntegersReadAsDecimalText) {
    TempDir tmp;
    const auto bundle = BundleBuilder(tmp / "A.app")
                            .format(GetParam())
                            .set("CFBundleVersion", 245)
                            .set("CFBundleShortVersionString", -3)
                            .build();

    const BundleInfo info = PlistReader::readInfoPlist(bundle);

    EXPECT_EQ(info.value("CFBundleVersion"), QStringLiteral("245"));
    EXPECT_EQ(info.value("CFBundleShortVersionString"), QStringLiteral("-3"));
}

TEST_P(PlistReaderFormats, NonAsciiTextSurvives) {
    TempDir tmp;
    // Binary plists store this as UTF-16, XML as UTF-8.
    const auto bundle =
        BundleBuilder(tmp / "A.app").format(GetParam()).set("CFBundleName", "Éditeur 日本 🎨").build();

    EXPECT_EQ(PlistReader::readInfoPlist(bundle).value("CFBundleName"), QStringLiteral("Éditeur 日本 🎨"));
}

TEST_P(PlistReaderFormats, EmptyDictionaryAndMissingFileReadAsEmpty) {
    TempDir tmp;
    const auto empty = BundleBuilder(tmp / "Empty.app").format(GetParam()).build();
    const auto none = BundleBuilder(tmp / "None.app").withoutInfoPlist().build();

    EXPECT_TRUE(PlistReader::readInfoPlist(empty).isEmpty());
    EXPECT_TRUE(PlistReader::readInfoPlist(none).isEmpty());
    EXPECT_TRUE(PlistReader::readInfoPlist(tmp / "Nowhere.app").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryEncoding, PlistReaderFormats,
                         ::testing::Values(BundleBuilder::Format::Xml, BundleBuilder::Format::Binary,
                                           BundleBuilder::Format::XmlUtf8Bom,
                                           BundleBuilder::Format::XmlUtf16LE,
                                           BundleBuilder::Format::XmlUtf16BE),
                         [](const auto& info) {
                             switch (info.param) {
                             case BundleBuilder::Format::Xml:
                                 return std::string("Xml");
                             case BundleBuilder::Format::Binary:
                                 return std::string("Binary");
                             case BundleBuilder::Format::XmlUtf8Bom:
                                 return std::string("XmlUtf8Bom");
                             case BundleBuilder::Format::XmlUtf16LE:
                                 return std::string("XmlUtf16LE");
                             case BundleBuilder::Format::XmlUtf16BE:
                                 return std::string("XmlUtf16BE");
                             }
                             return std::string();
                         });

TEST(PlistReader, Utf16WithoutAMarkIsKnownByItsFirstCharacter) {
    for (const auto format : {BundleBuilder::Format::XmlUtf16LE, BundleBuilder::Format::XmlUtf16BE}) {
        const std::string marked =
            BundleBuilder("A.app").format(format).set("CFBundleName", "Editor").encodedInfoPlist();
        EXPECT_EQ(PlistReader::readData(marked.substr(2)).value("CFBundleName"), QStringLiteral("Editor"));
    }
}

TEST(PlistReader, OnlyTextAndNumbersCountAsValues) {
    const std::string xml = xmlDict("<key>CFBundleName</key><true/>"
                                    "<key>CFBundleExecutable</key><array><string>x</string></array>"
                                    "<key>CFBundleIdentifier</key><dict><key>a</key><string>b</string></dict>"
                                    "<key>LogName</key><data>AAEC</data>"
                                    "<key>CFBundleIconFile</key><date>2020-01-01T00:00:00Z</date>"
                                    "<key>CFBundleVersion</key><real>1.5</real>"
                                    "<key>CFBundleShortVersionString</key><string></string>");

    const BundleInfo info = PlistReader::readData(xml);

    EXPECT_FALSE(info.contains("CFBundleName"));
    EXPECT_FALSE(info.contains("CFBundleExecutable"));
    EXPECT_FALSE(info.contains("CFBundleIdentifier"));
    EXPECT_FALSE(info.contains("LogName"));
    EXPECT_FALSE(info.contains("CFBundleIconFile"));
    EXPECT_EQ(info.value("CFBundleVersion"), QStringLiteral("1.5"));
    // Present but empty text is a value, not a missing key.
    EXPECT_EQ(info.value("CFBundleShortVersionString"), QString());
}

TEST(PlistReader, XmlCommentsEntitiesAndCdataAreRead) {
    const std::string xml = xmlDict("<!-- written by hand <dict> -->"
                                    "<key>CFBundleName</key><string>Tom &amp; Jerry &lt;3</string>"
                                    "<key>LogName</key><string><![CDATA[a<b>c]]></string>");

    const BundleInfo info = PlistReader::readData(xml);

    EXPECT_EQ(info.value("CFBundleName"), QStringLiteral("Tom & Jerry <3"));
    EXPECT_EQ(info.value("LogName"), QStringLiteral("a<b>c"));
}

TEST(PlistReader, OtherKeysCanBeAskedFor) {
    const std::string xml = xmlDict("<key>CFBundleDisplayName</key><string>Shown</string>"
                                    "<key>CFBundleName</key><string>Name</string>");

    const BundleInfo info = PlistReader::readData(xml, {"CFBundleDisplayName"});

    EXPECT_EQ(info.size(), 1u);
    EXPECT_EQ(info.value("CFBundleDisplayName"), QStringLiteral("Shown"));
}

TEST(PlistReader, TopLevelThatIsNotADictionaryReadsAsEmpty) {
    const std::string xml = "<plist version=\"1.0\"><array><string>CFBundleName</string>"
                            "<string>x</string></array></plist>";
    EXPECT_TRUE(PlistReader::isSafeXml(xml));
    EXPECT_TRUE(PlistReader::readData(xml).isEmpty());
}

TEST(PlistReader, ManyKeysAreReadNotRefused) {
    std::string body;
    for (int i = 0; i < 20000; ++i)
        body += "<key>Key" + std::to_string(i) + "</key><string>v</string>";
    body += "<key>CFBundleName</key><string>Last</string>";
    const std::string xml = xmlDict(body);

    EXPECT_EQ(PlistReader::readData(xml).value("CFBundleName"), QStringLiteral("Last"));
}

} // namespace
} // namespace dovrel
