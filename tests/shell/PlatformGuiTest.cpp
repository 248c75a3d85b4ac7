#include "platform/gui/HexColor.h"
#include "platform/gui/MainBundle.h"
#include "platform/gui/SystemVersion.h"
#include "platform/gui/UserAccount.h"
#include "platform/gui/Workspace.h"

#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace dovrel {
namespace {

TEST(HexColor, ReadsSixDigitsAsOpaqueRgb) {
    const QColor window = HexColor::colorFromHexString(QStringLiteral("515360"));
    EXPECT_EQ(window.red(), 0x51);
    EXPECT_EQ(window.green(), 0x53);
    EXPECT_EQ(window.blue(), 0x60);
    EXPECT_EQ(window.alpha(), 255);
    EXPECT_EQ(HexColor::colorFromHexString(QStringLiteral("F9F9F9")), QColor(0xf9, 0xf9, 0xf9));
    EXPECT_EQ(HexColor::colorFromHexString(QStringLiteral("0076ff")), QColor(0x00, 0x76, 0xff));
}

TEST(HexColor, RemovesEveryNumberSignAndIgnoresBitsAboveBlueGreenRed) {
    EXPECT_EQ(HexColor::colorFromHexString(QStringLiteral("#BE#BE#BE")), QColor(0xbe, 0xbe, 0xbe));
    // Only the low 24 bits count.
    EXPECT_EQ(HexColor::colorFromHexString(QStringLiteral("7f123456")), QColor(0x12, 0x34, 0x56));
}

TEST(HexColor, TextThatIsNoNumberGivesBlack) {
    EXPECT_EQ(HexColor::colorFromHexString(QStringLiteral("zzz")), QColor(0, 0, 0));
    EXPECT_EQ(HexColor::colorFromHexString(QString()), QColor(0, 0, 0));
}

TEST(MainBundle, ContentsFolderIsAboveMacOSInsideABundle) {
    MainBundle::setExecutableFolderOverride(
        std::filesystem::path("/opt/x/dovrel-cleaner.app/Contents/MacOS"));
    EXPECT_EQ(MainBundle::contentsFolder(), std::filesystem::path("/opt/x/dovrel-cleaner.app/Contents"));
    EXPECT_EQ(MainBundle::appStoreReceiptURL(),
              std::filesystem::path("/opt/x/dovrel-cleaner.app/Contents/_MASReceipt/receipt"));
    // A program outside a bundle: its own folder, where no receipt exists.
    MainBundle::setExecutableFolderOverride(std::filesystem::path("/opt/x/bin"));
    EXPECT_EQ(MainBundle::contentsFolder(), std::filesystem::path("/opt/x/bin"));
    MainBundle::setExecutableFolderOverride(std::nullopt);
}

TEST(MainBundle, FileSizeIsZeroForAnythingButAReadableRegularFile) {
    test::TempDir tmp;
    test::FixtureTree tree(tmp.path());
    EXPECT_EQ(MainBundle::fileSize(tree.file("five", 5)), 5u);
    EXPECT_EQ(MainBundle::fileSize(tree.file("empty", 0)), 0u);
    EXPECT_EQ(MainBundle::fileSize(tmp / "missing"), 0u);
    EXPECT_EQ(MainBundle::fileSize(tree.folder("dir")), 0u);
    EXPECT_EQ(MainBundle::fileSize(tree.fifo("pipe")), 0u);
}

TEST(SystemVersion, NewestBranchAppliesUnlessPinned) {
    EXPECT_TRUE(SystemVersion::isAtLeast(10, 14));
    EXPECT_TRUE(SystemVersion::isAtLeast(10, 15));
    SystemVersion::setOverride(SystemVersion::Version{10, 14});
    EXPECT_TRUE(SystemVersion::isAtLeast(10, 14));
    EXPECT_FALSE(SystemVersion::isAtLeast(10, 15));
    SystemVersion::setOverride(SystemVersion::Version{10, 13});
    EXPECT_FALSE(SystemVersion::isAtLeast(10, 14));
    SystemVersion::setOverride(std::nullopt);
    EXPECT_TRUE(SystemVersion::isAtLeast(10, 15));
}

TEST(UserAccount, LoginNameAndHomeComeFromTheAccount) {
    EXPECT_FALSE(UserAccount::loginName().isEmpty());
    EXPECT_TRUE(UserAccount::homeDirectoryForUser().is_absolute());
}

TEST(Workspace, FileURLKeepsTheExactBytesOfTheName) {
    const std::filesystem::path odd(std::string("/tmp/caf\xe9 dir/a%b"));
    const QUrl url = Workspace::fileURL(odd);
    EXPECT_EQ(url.scheme(), QStringLiteral("file"));
    EXPECT_EQ(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()),
              QByteArray("/tmp/caf\xe9 dir/a%b"));
}

TEST(Workspace, OpenURLGoesThroughTheInstalledOpener) {
    QList<QUrl> opened;
    Workspace::setURLOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    EXPECT_TRUE(Workspace::openURL(QUrl(QStringLiteral("https://example.invalid/x"))));
    Workspace::setURLOpener({});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first().path(), QStringLiteral("/x"));
}

} // namespace
} // namespace dovrel
