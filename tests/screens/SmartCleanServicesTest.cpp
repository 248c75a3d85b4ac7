// The context actions of the results screen against a fake file manager on a
// private bus (and without one), and the preview panel it feeds.

#include "platform/gui/ItemInfoWindow.h"
#include "platform/gui/PreviewPanel.h"
#include "platform/gui/Workspace.h"
#include "screens/results/CleanItemMenu.h"
#include "screens/results/RevealNotice.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartCleanOutlineView.h"

#include "FakeFileManager.h"
#include "GuiTestSupport.h"
#include "ResultsFixture.h"
#include "support/FixtureTree.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

class SmartCleanServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        // A leftover whose first file's name is not UTF-8, and a real log.
        odd = results.tmp / "Prefs" / std::string("com.gone.\xe9.plist");
        test::FixtureTree tree(results.tmp.path());
        tree.fileWith(odd.lexically_relative(results.tmp.path()), "<plist/>");
        log = tree.fileWith("Logs/one.log", "line one\nline two\n");
        results.setCategory(1, {test::ResultsFixture::file(log, 18)});
        results.setCategory(
            2, {test::ResultsFixture::remainder("com.gone", {odd, results.tmp / "Support/com.gone"}, 70)});
        results.finish();
        SmartCleanViewController& s = results.open();
        for (int c = 0; c < 7; ++c)
            s.outlineview()->expand(s.outlineModel()->categoryIndex(c));
    }
    void TearDown() override {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<ItemInfoWindow*>(top) || qobject_cast<PreviewPanel*>(top))
                top->close();
        results.close();
        test::spin();
        test::setTimeFactors(1, 1);
    }
    // Opens the context menu of entry (c, i) and picks an action.
    void pick(int c, int i, const char* action) {
        SmartCleanViewController& s = *results.screen;
        const QModelIndex row = s.outlineModel()->entryIndex(c, i);
        s.rightMouseDown(row, QPoint(10, 10));
        ASSERT_TRUE(s.cleanItemMenu()->isVisible());
        QAction* chosen = s.cleanItemMenu()->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(chosen, nullptr);
        s.cleanItemMenu()->hide(); // the menu closes before its action runs
        chosen->trigger();
    }
    static ItemInfoWindow* infoWindow() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* w = qobject_cast<ItemInfoWindow*>(top); w && w->isVisible())
                return w;
        return nullptr;
    }

    test::ResultsFixture results;
    std::filesystem::path odd;
    std::filesystem::path log;
};

TEST_F(SmartCleanServicesTest, RevealShowsEveryFileOfALeftoverWithItsExactBytes) {
    test::FileManagerBus files(true);
    ASSERT_TRUE(files.ready()) << files.error().toStdString();
    pick(2, 0, "show_item_in_finder");
    QLabel* notice = results.screen->cleanItemMenu()->revealNotice();
    EXPECT_TRUE(notice->isVisible()) << "says it is opening before the answer";
    EXPECT_FALSE(notice->text().isEmpty());
    ASSERT_TRUE(test::waitFor([&] { return notice->isHidden(); }, 8000));
    ASSERT_TRUE(test::waitFor([&] { return !files.fileManager->shownItems().isEmpty(); }, 8000));
    EXPECT_EQ(files.fileManager->shownItems().first(),
              (QStringList{Workspace::fileURI(odd), Workspace::fileURI(results.tmp / "Support/com.gone")}));
    EXPECT_TRUE(
        files.fileManager->shownItems().first().first().endsWith(QStringLiteral("com.gone.%E9.plist")));
    test::spin(50);
    EXPECT_TRUE(files.opened.isEmpty());
}

TEST_F(SmartCleanServicesTest, RevealWithoutAFileManagerOpensTheFoldersHoldingTheFiles) {
    test::FileManagerBus files(false);
    ASSERT_TRUE(files.ready()) << files.error().toStdString();
    pick(2, 0, "show_item_in_finder");
    ASSERT_TRUE(test::waitFor([&] { return files.opened.size() == 2; }, 8000));
    EXPECT_EQ(files.opened[0], Workspace::fileURL(results.tmp / "Prefs"));
    EXPECT_EQ(files.opened[1], Workspace::fileURL(results.tmp / "Support"));
    EXPECT_TRUE(results.screen->cleanItemMenu()->revealNotice()->isHidden());

    // Nothing opens the folders: the screen says so, naming the entry.
    Workspace::setURLOpener([](const QUrl&) { return false; });
    pick(2, 0, "show_item_in_finder");
    QLabel* notice = results.screen->cleanItemMenu()->revealNotice();
    const QString opening = notice->text();
    ASSERT_TRUE(test::waitFor([&] { return notice->text() != opening; }, 8000));
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains(QString::fromUtf8(odd.filename().c_str())))
        << notice->text().toStdString();
}

TEST_F(SmartCleanServicesTest, InfoGoesToTheFileManagerOrElseToTheInformationWindow) {
    {
        test::FileManagerBus files(true);
        ASSERT_TRUE(files.ready()) << files.error().toStdString();
        pick(2, 0, "get_item_info");
        ASSERT_TRUE(test::waitFor([&] { return !files.fileManager->shownProperties().isEmpty(); }, 8000));
        EXPECT_EQ(files.fileManager->shownProperties().first(), QStringList{Workspace::fileURI(odd)});
        test::spin(50);
        EXPECT_EQ(infoWindow(), nullptr);
    }
    test::FileManagerBus files(false);
    ASSERT_TRUE(files.ready()) << files.error().toStdString();
    pick(2, 0, "get_item_info");
    ASSERT_TRUE(test::waitFor([&] { return infoWindow() != nullptr && infoWindow()->isLoaded(); }, 8000));
    ItemInfoWindow* window = infoWindow();
    EXPECT_EQ(window->item(), odd);                                      // the bytes
    EXPECT_EQ(window->valueOf("Where"), QString::fromUtf8(odd.c_str())); // shown lossily
    EXPECT_EQ(window->valueOf("Size"), QStringLiteral("8 bytes (8 bytes)"));
    EXPECT_TRUE(window->valueOf("Permissions").startsWith(QStringLiteral("-rw")));
    EXPECT_FALSE(window->valueOf("Owner").isEmpty());
}

TEST_F(SmartCleanServicesTest, QuickLookFeedsThePreviewPanelTheEntrysLocation) {
    pick(1, 0, "quick_look_item");
    SmartCleanViewController& s = *results.screen;
    ASSERT_EQ(s.preview_url, log);
    ASSERT_NE(s.previewPanel, nullptr);
    EXPECT_EQ(s.previewPanel->dataSource(), &s);
    ASSERT_TRUE(test::waitFor([&] { return s.previewPanel->isLoaded(); }, 5000));
    EXPECT_TRUE(s.previewPanel->isVisible());
    EXPECT_EQ(s.previewPanel->content().text, QStringLiteral("line one\nline two\n"));

    // A leftover previews its first file; the panel then asks the screen again.
    pick(2, 0, "quick_look_item");
    EXPECT_EQ(s.preview_url, odd);
    ASSERT_TRUE(test::waitFor(
        [&] { return s.previewPanel->isLoaded() && s.previewPanel->currentItem() == odd; }, 5000));
    EXPECT_EQ(s.previewPanel->parentWidget(), s.window()) << "a transient of the screen's window";
    // A replaced screen is no longer asked (here the screen is its own window,
    // which takes the panel with it).
    QPointer<PreviewPanel> panel = s.previewPanel;
    results.close();
    EXPECT_TRUE(panel.isNull() || panel->dataSource() == nullptr);
}

} // namespace
} // namespace dovrel
