// Workspace's file-manager calls against a fake org.freedesktop.FileManager1
// on a private bus, and their fallbacks when no file manager answers.

#include "platform/gui/Workspace.h"

#include "FakeFileManager.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

namespace dovrel {
namespace {

const std::filesystem::path kOdd(std::string("/tmp/dovrel/caf\xe9 \xff/n%20.log")); // not UTF-8
const QString kOddURI = QStringLiteral("file:///tmp/dovrel/caf%E9%20%FF/n%2520.log");

TEST(WorkspaceFileManager, ShowItemsGetsEveryItemAsAByteExactURI) {
    test::FileManagerBus files(true);
    ASSERT_TRUE(files.ready()) << files.error().toStdString();
    std::optional<Workspace::Revealed> taken;
    Workspace::activateFileViewerSelectingURLs({kOdd, "/tmp/dovrel/plain"},
                                               [&](Workspace::Revealed t) { taken = t; });
    ASSERT_TRUE(test::waitFor([&] { return taken.has_value(); }, 8000));
    EXPECT_EQ(*taken, Workspace::Revealed::ByFileManager);
    ASSERT_EQ(files.fileManager->shownItems().size(), 1);
    EXPECT_EQ(files.fileManager->shownItems().first(),
              (QStringList{kOddURI, QStringLiteral("file:///tmp/dovrel/plain")}));
    EXPECT_TRUE(files.opened.isEmpty());
}

TEST(WorkspaceFileManager, WithoutAFileManagerEachFolderHoldingAnItemOpensOnce) {
    test::FileManagerBus files(false);
    ASSERT_TRUE(files.ready()) << files.error().toStdString();
    std::optional<Workspace::Revealed> taken;
    Workspace::activateFileViewerSelectingURLs({kOdd, "/tmp/dovrel/caf\xe9 \xff/other", "/tmp/b/x"},
                                               [&](Workspace::Revealed t) { taken = t; });
    ASSERT_TRUE(test::waitFor([&] { return taken.has_value(); }, 8000));
    EXPECT_EQ(*taken, Workspace::Revealed::FoldersOpened);
    ASSERT_EQ(files.opened.size(), 2);
    EXPECT_EQ(files.opened[0], Workspace::fileURL(kOdd.parent_path()));
    EXPECT_EQ(files.opened[0].toEncoded(), QByteArray("file:///tmp/dovrel/caf%E9%20%FF"));
    EXPECT_EQ(files.opened[1], Workspace::fileURL("/tmp/b"));
}

TEST(WorkspaceFileManager, PropertiesAnswerWhetherTheFileManagerTookThemAndOnlyWhileTheContextLives) {
    for (bool withFileManager : {true, false}) {
        SCOPED_TRACE(withFileManager);
        test::FileManagerBus files(withFileManager);
        ASSERT_TRUE(files.ready()) << files.error().toStdString();
        QObject context;
        std::optional<bool> shown;
        Workspace::showItemProperties({kOdd}, &context, [&](bool s) { shown = s; });
        ASSERT_TRUE(test::waitFor([&] { return shown.has_value(); }, 8000));
        EXPECT_EQ(*shown, withFileManager);
        if (withFileManager) {
            EXPECT_EQ(files.fileManager->shownProperties(), QList<QStringList>{QStringList{kOddURI}});
        }
        EXPECT_TRUE(files.opened.isEmpty()); // no fallback of its own

        bool called = false;
        auto gone = std::make_unique<QObject>();
        Workspace::showItemProperties({kOdd}, gone.get(), [&](bool) { called = true; });
        gone.reset();
        if (withFileManager) { // the call still reaches the file manager
            ASSERT_TRUE(
                test::waitFor([&] { return files.fileManager->shownProperties().size() == 2; }, 8000));
        }
        test::spin(200); // and its answer comes back
        EXPECT_FALSE(called);
    }
}

} // namespace
} // namespace dovrel
