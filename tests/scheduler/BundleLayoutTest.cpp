// Finding things in the application bundle and starting its executable.

#include "scheduler/BundleLayout.h"
#include "scheduler/EventPump.h"
#include "scheduler/TestBundle.h"
#include "scheduler/agent/ApplicationLauncher.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {
namespace {

namespace fs = std::filesystem;
using agent::ApplicationLauncher;

TEST(BundleLayoutPaths, AgentAndApplicationFindEachOther) {
    const fs::path app = "/opt/x/dovrel-cleaner.app";
    const fs::path agentExe = BundleLayout::agentExecutable(app);
    EXPECT_EQ(agentExe, fs::path("/opt/x/dovrel-cleaner.app/Contents/Library/LoginItems/"
                                 "dovrel-cleaner-scheduler.app/Contents/MacOS/dovrel-cleaner-scheduler"));
    const fs::path agentBundle = BundleLayout::bundleOfExecutable(agentExe);
    EXPECT_EQ(agentBundle, fs::path("/opt/x/dovrel-cleaner.app/Contents/Library/LoginItems/"
                                    "dovrel-cleaner-scheduler.app"));
    EXPECT_EQ(BundleLayout::enclosingApplication(agentBundle), app);
    // Trailing and doubled separators are not components.
    EXPECT_EQ(BundleLayout::enclosingApplication(agentBundle.native() + "/"), app);
    EXPECT_EQ(
        BundleLayout::enclosingApplication("/opt//x/dovrel-cleaner.app/Contents/Library//LoginItems/a.app"),
        app);
    EXPECT_EQ(BundleLayout::agentExecutable("/opt/x/dovrel-cleaner.app/"), agentExe);
}

TEST(BundleLayoutPaths, DropsExactlyFourComponentsWhateverTheyAreCalled) {
    EXPECT_EQ(BundleLayout::enclosingApplication("/a/b/c/d/e/f"), fs::path("/a/b"));
    EXPECT_EQ(BundleLayout::enclosingApplication("/a/b"), fs::path("/"));
    // Bytes that are not UTF-8 pass through untouched.
    const fs::path odd = "/tmp/caf\xe9/dovrel-cleaner.app";
    EXPECT_EQ(BundleLayout::enclosingApplication(
                  BundleLayout::bundleOfExecutable(BundleLayout::agentExecutable(odd))),
              odd);
}

TEST(BundleLayoutPaths, AProgramOutsideABundleIsItsOwnFolder) {
    EXPECT_EQ(BundleLayout::bundleOfExecutable("/usr/bin/tool"), fs::path("/usr/bin"));
    EXPECT_EQ(BundleLayout::bundleOfExecutable("/x/Contents/bin/tool"), fs::path("/x/Contents/bin"));
    EXPECT_EQ(BundleLayout::bundleOfExecutable("/x/Other/MacOS/tool"), fs::path("/x/Other/MacOS"));
    EXPECT_TRUE(BundleLayout::bundleOfExecutable({}).empty());
}

class BundleExecutableTest : public ::testing::Test {
protected:
    fs::path writePlist(const std::string& body) {
        return test::FixtureTree(dir.path())
            .fileWith("Some App.app/Contents/Info.plist",
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n" + body +
                          "\n</plist>\n");
    }
    fs::path bundle() const { return dir / "Some App.app"; }
    fs::path macos(const std::string& name) const { return bundle() / "Contents" / "MacOS" / name; }

    test::TempDir dir;
};

TEST_F(BundleExecutableTest, NamedByCFBundleExecutable) {
    writePlist("<dict><key>CFBundleExecutable</key><string>runner</string></dict>");
    EXPECT_EQ(BundleLayout::executableOfBundle(bundle()), macos("runner"));
}

TEST_F(BundleExecutableTest, FallsBackToTheBundleNameWhenThePlistCannotBeTrusted) {
    EXPECT_EQ(BundleLayout::executableOfBundle(bundle()), macos("Some App")); // no Info.plist
    for (const char* body :
         {"<dict><key>CFBundleExecutable</key><string>../../../bin/sh</string></dict>",
          "<dict><key>CFBundleExecutable</key><string>..</string></dict>",
          "<dict><key>CFBundleExecutable</key><string></string></dict>",
          "<dict><key>CFBundleExecutable</key><array/></dict>", "<dict><key>CFBundleExecutable</key>",
          "<array><string>runner</string></array>"}) {
        SCOPED_TRACE(body);
        writePlist(body);
        EXPECT_EQ(BundleLayout::executableOfBundle(bundle()), macos("Some App"));
    }
    // A FIFO in place of the Info.plist does not block.
    fs::remove(bundle() / "Contents" / "Info.plist");
    test::FixtureTree(dir.path()).fifo("Some App.app/Contents/Info.plist");
    EXPECT_EQ(BundleLayout::executableOfBundle(bundle()), macos("Some App"));
}

TEST_F(BundleExecutableTest, IconOnlyWhenNamedAndPresent) {
    writePlist("<dict><key>CFBundleIconFile</key><string>icon.svg</string></dict>");
    EXPECT_FALSE(BundleLayout::iconOfBundle(bundle()));
    const fs::path icon =
        test::FixtureTree(dir.path()).fileWith("Some App.app/Contents/Resources/icon.svg", "<svg/>");
    EXPECT_EQ(BundleLayout::iconOfBundle(bundle()), icon);
    writePlist("<dict><key>CFBundleIconFile</key><string>../Resources/icon.svg</string></dict>");
    EXPECT_FALSE(BundleLayout::iconOfBundle(bundle()));
}

class LauncherTest : public ::testing::Test {
protected:
    std::string markerContents(const fs::path& marker) {
        std::ifstream in(marker);
        std::string s;
        std::getline(in, s);
        return s;
    }
    test::TempDir dir;
};

TEST_F(LauncherTest, StartsTheBundlesExecutableDetached) {
    test::TestBundle bundle(dir.path());
    ASSERT_TRUE(ApplicationLauncher::launchApplication(bundle.application()));
    ASSERT_TRUE(test::EventPump::until([&] { return bundle.launched(); }));
    // Not our child: its parent is the intermediate process or whoever
    // adopted it after that one exited.
    EXPECT_NE(markerContents(bundle.marker()), std::to_string(::getpid()));
}

TEST_F(LauncherTest, PathsThatAreNotUtf8AreStartedByteExact) {
    test::TestBundle bundle(dir / "caf\xe9");
    ASSERT_TRUE(ApplicationLauncher::launchApplication(bundle.application()));
    EXPECT_TRUE(test::EventPump::until([&] { return bundle.launched(); }));
}

TEST_F(LauncherTest, ReportsWhatCannotBeStarted) {
    test::FixtureTree tree(dir.path());
    EXPECT_FALSE(ApplicationLauncher::startDetached(dir / "missing"));
    EXPECT_FALSE(ApplicationLauncher::startDetached(tree.fileWith("plain", "not a program")));
    EXPECT_FALSE(ApplicationLauncher::startDetached(tree.folder("folder")));
    EXPECT_FALSE(ApplicationLauncher::startDetached("relative/program"));
    EXPECT_FALSE(ApplicationLauncher::startDetached({}));
    EXPECT_FALSE(ApplicationLauncher::launchApplication(dir / "Empty.app"));
    EXPECT_FALSE(ApplicationLauncher::launchApplication({}));
}

} // namespace
} // namespace dovrel
