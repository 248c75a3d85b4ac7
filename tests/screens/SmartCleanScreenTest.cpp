// The results screen apart from the ticking arithmetic: what each row shows
// at first, the automatic expansion and a replaced screen, the hand-over to
// the cleanup, which rows get a context menu, the row buttons, the category
// popovers, and what a screen reader and the keyboard get.

#include "engine/HandOver.h"
#include "engine/KeepList.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/Reporting.h"
#include "screens/results/RevealNotice.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartCleanOutlineView.h"
#include "screens/results/SmartOutlineCellView.h"
#include "shell/AppDelegate.h"
#include "support/FixtureTree.h"

#include "GuiTestSupport.h"
#include "ResultsFixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

using Model = SmartCleanOutlineModel;
using Tick = SmartCleanViewController::Tick;

class SmartCleanScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
    }
    void TearDown() override {
        results.close();
        test::spin();
        test::setTimeFactors(1, 1);
    }
    QModelIndex category(int c) { return results.screen->outlineModel()->categoryIndex(c); }
    QModelIndex entry(int c, int i) { return results.screen->outlineModel()->entryIndex(c, i); }
    std::vector<int> expandedCategories() {
        std::vector<int> out;
        for (int c = 0; c < 7; ++c)
            if (results.screen->outlineview()->isExpanded(category(c)))
                out.push_back(c);
        return out;
    }

    test::ResultsFixture results;
};

// Sizes a tenth apart read with one precision in the outline ("58.0 MB"
// beside "58.1 MB"), never "58 MB" beside "58.1 MB".
TEST_F(SmartCleanScreenTest, SizesInTheOutlineShareOnePrecisionPerUnit) {
    using R = test::ResultsFixture;
    results.setCategory(0, {R::cache(QStringLiteral("a"), results.tmp / "a", 58'000'000),
                            R::cache(QStringLiteral("b"), results.tmp / "b", 58'100'000),
                            R::cache(QStringLiteral("c"), results.tmp / "c", 1'100'000'000),
                            R::cache(QStringLiteral("d"), results.tmp / "d", 1'234'000'000)});
    results.finish();
    results.open();
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << entry(0, i).siblingAtColumn(Model::SizeColumn).data().toString();
    // The same digits after the point within each unit.
    for (int i = 0; i < 4; i += 2) {
        SCOPED_TRACE(texts[i].toStdString() + " / " + texts[i + 1].toStdString());
        const auto decimals = [](const QString& t) {
            return t.section(QLatin1Char(' '), 0, 0).section('.', 1).size();
        };
        EXPECT_EQ(texts[i].section(' ', 1), texts[i + 1].section(' ', 1));
        EXPECT_EQ(decimals(texts[i]), decimals(texts[i + 1]));
        EXPECT_GT(decimals(texts[i]), 0);
    }
}

TEST_F(SmartCleanScreenTest, RowsStartSelectedAndAnEmptyCategoryShowsNoBoxNoSizeAndCannotOpen) {
    // Installers: total 0 although it has an (empty) file.
    results.setCategory(5, {test::ResultsFixture::file(results.tmp / "Downloads/empty.pkg", 0)});
    results.finish();
    SmartCleanViewController& s = results.open();
    EXPECT_TRUE(s.outlineModel()->isConsistent());
    EXPECT_EQ(s.sizeLabel()->text(), formatByteCount(2280));

    struct Row {
        int c;
        bool empty;
        ByteCount size;
    };
    const Row rows[] = {{0, false, 600}, {1, false, 50}, {2, false, 100}, {3, false, 1500},
                        {4, true, 0},    {5, true, 0},   {6, false, 30}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.c);
        const QModelIndex index = category(row.c);
        EXPECT_EQ(index.data(Model::EmptyRole).toBool(), row.empty);
        EXPECT_EQ(index.data(Qt::CheckStateRole).isValid(), !row.empty);
        EXPECT_EQ(bool(s.outlineModel()->flags(index) & Qt::ItemIsUserCheckable), !row.empty);
        EXPECT_EQ(index.siblingAtColumn(Model::SizeColumn).data().toString(),
                  row.empty ? QString() : formatByteCount(row.size));
        EXPECT_EQ(s.isItemExpandable(row.c), !row.empty);
        if (!row.empty) {
            EXPECT_EQ(index.data(Qt::CheckStateRole).toInt(), Qt::Checked);
        }
    }
    // A refused tick changes nothing, nor does ticking what is ticked already.
    EXPECT_FALSE(s.outlineModel()->setData(category(5), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_TRUE(s.outlineModel()->setData(entry(0, 1), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(s.outlineItems[0]->size, 600);
    EXPECT_EQ(s.smart_junk, 2280);
    // Neither the arrow key nor the outline button opens it.
    s.outlineview()->setFocus();
    s.outlineview()->setCurrentIndex(category(5));
    QTest::keyClick(s.outlineview(), Qt::Key_Right);
    EXPECT_FALSE(s.outlineview()->isExpanded(category(5)));
    s.outlineview()->setMouseInsideRow(category(5));
    EXPECT_FALSE(s.outlineview()->outlineButton()->isVisible());
    EXPECT_TRUE(s.outlineview()->aboutButton()->isVisible());
}

TEST_F(SmartCleanScreenTest, TheAutomaticExpansionOpensBrowsersMailsAndTrashOrElseInstallers) {
    struct Case {
        const char* name;
        ByteCount browsers, mails, installs, trash;
        std::vector<int> expanded;
    };
    const Case cases[] = {
        {"all found", 1500, 80, 40, 30, {3, 4, 6}},
        {"no trash: installers", 1500, 80, 40, 0, {3, 4, 5}},
        {"nothing of the four", 0, 0, 0, 0, {}},
    };
    const Location t = results.tmp.path();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        auto one = [&](const char* name, ByteCount size) {
            return size > 0 ? std::vector<ResultEntry>{test::ResultsFixture::file(t / name, size)}
                            : std::vector<ResultEntry>{};
        };
        results.setCategory(3, one("b", k.browsers));
        results.setCategory(4, one("m", k.mails));
        results.setCategory(5, one("i", k.installs));
        results.setCategory(6, one("t", k.trash));
        results.finish();
        SmartCleanViewController& s = results.open();
        s.viewWillAppear();
        EXPECT_TRUE(expandedCategories().empty()); // not before the delay
        test::spin(10);
        EXPECT_EQ(expandedCategories(), k.expanded);
        for (int c : k.expanded)
            EXPECT_EQ(s.outlineview()->isExpanded(category(c)), true);
    }
}

// What the scan left out on purpose is said once the screen stands.
TEST_F(SmartCleanScreenTest, PlacesTheScanSkippedAreNamedInTheNotice) {
    const Location t = results.tmp.path();
    results.engine.skipped_places = {{t / ".cache", SkippedPlace::Why::LinkOnTheWay},
                                     {t / "Trash/files/x", SkippedPlace::Why::TrashInfoNotAFile}};
    SmartCleanViewController& s = results.open();
    s.viewWillAppear();
    test::spin(10);
    RevealNotice* notice = s.cleanItemMenu()->revealNotice(); // shown, and gone at once at time factor 0
    EXPECT_TRUE(notice->text().contains(QString::fromStdString((t / ".cache").native())))
        << notice->text().toStdString();
    EXPECT_TRUE(notice->text().contains(QStringLiteral("One more"))) << notice->text().toStdString();
}

TEST_F(SmartCleanScreenTest, AScreenReplacedBeforeTheDelayIsNeverTouched) {
    test::setTimeFactors(1, 0); // the real 0.7 s
    SmartCleanViewController& s = results.open();
    s.viewWillAppear();
    s.release(); // taken out of its layer
    test::spin(900);
    EXPECT_TRUE(expandedCategories().empty());

    SmartCleanViewController& kept = results.open();
    kept.viewWillAppear();
    test::spin(900);
    EXPECT_EQ(expandedCategories(), (std::vector<int>{3, 6}));
}

// "Always Keep" stores the entry's location, unticks it for good on this
// screen (a category tick leaves it out), the row and its category say so,
// and it is never handed over; "Stop Keeping" takes it off the list.
TEST_F(SmartCleanScreenTest, AnEntryKeptFromTheMenuIsNeverTickedNorHandedOver) {
    const Location kept = results.tmp / ".Trash/a.txt";
    test::FixtureTree(results.tmp.path()).file(".Trash/a.txt", 10);
    Defaults store(QStringLiteral("kept"), results.tmp / "kept.json");
    KeepList list(store);
    results.engine.keep_list = &list;
    SmartCleanViewController& s = results.open();
    QString error;
    ASSERT_TRUE(s.keptEntries().keep(entry(6, 0), error)) << error.toStdString();
    EXPECT_EQ(*list.paths(), std::vector<Location>{kept});
    EXPECT_FALSE(s.isEntrySelected(6, 0));
    EXPECT_TRUE(s.outlineModel()->categoryIndex(6).data().toString().contains(QStringLiteral("1 kept")));
    s.select_item(entry(6, 0), true);
    s.select_smart_outline_item(6, Qt::Unchecked);
    s.select_smart_outline_item(6, Qt::Checked);
    EXPECT_FALSE(s.isEntrySelected(6, 0));
    EXPECT_TRUE(s.isEntrySelected(6, 1));
    s.remove();
    for (const Location& f : results.engine.files)
        EXPECT_NE(f, kept);

    ASSERT_TRUE(s.keptEntries().stopKeeping(entry(6, 0), error)) << error.toStdString();
    EXPECT_TRUE(list.paths()->empty());
    s.select_item(entry(6, 0), true);
    EXPECT_TRUE(s.isEntrySelected(6, 0));
}

// Right to left the rows mirror: the tick box sits at the right of the
// title cell, and a click there ticks.
TEST_F(SmartCleanScreenTest, RightToLeftTheTickBoxesSitAtTheRightAndStillTick) {
    qApp->setLayoutDirection(Qt::RightToLeft);
    SmartCleanViewController& s = results.open();
    s.outlineview()->expand(category(6));
    const QModelIndex row = entry(6, 0);
    s.outlineview()->scrollTo(row);
    const QPoint box = s.outlineview()->checkBoxCenter(row);
    EXPECT_GT(box.x(), s.outlineview()->viewport()->width() / 2);
    QTest::mouseClick(s.outlineview()->viewport(), Qt::LeftButton, {}, box);
    EXPECT_FALSE(s.isEntrySelected(6, 0));
    qApp->setLayoutDirection(Qt::LeftToRight);
}

TEST_F(SmartCleanScreenTest, RemoveHandsOverTheTickedLocationsInOrderAndTheSelectedSize) {
    struct Case {
        const char* name;
        std::function<void(SmartCleanViewController&)> choose;
        std::vector<std::string> files; // relative to tmp
        ByteCount size;
    };
    const Case cases[] = {
        {"mixed: one cache, no logs, the multi-file leftover, one browser, trash",
         [this](SmartCleanViewController& s) {
             s.select_item(entry(0, 0), false);
             s.select_item(entry(0, 2), false);
             s.select_smart_outline_item(1, Qt::Unchecked);
             s.select_item(entry(2, 1), false);
             s.select_item(entry(3, 1), false);
             s.select_smart_outline_item(5, Qt::Unchecked);
         },
         {"Caches/b", "Prefs/com.gone.app.plist", "Support/com.gone.app", "Chrome/Local Storage",
          "Chrome/Storage", ".Trash/a.txt", ".Trash/b.txt"},
         200 + 70 + 1000 + 30},
        {"nothing ticked",
         [](SmartCleanViewController& s) {
             for (int c = 0; c < 7; ++c)
                 if (!s.isCategoryEmpty(c))
                     s.select_smart_outline_item(c, Qt::Unchecked);
         },
         {},
         0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        SmartCleanViewController& s = results.open();
        results.engine.files = {"/stale"};
        results.engine.wasCleaned = 99;
        k.choose(s);
        int posted = 0;
        QObject observer;
        NotificationCenter::defaultCenter().addObserver(
            &observer, QStringLiteral("smart_cleanup_view_controller"), [&] { ++posted; });
        QTest::mouseClick(s.remove_button(), Qt::LeftButton);
        std::vector<Location> expected;
        for (const std::string& f : k.files)
            expected.push_back(results.tmp / f);
        EXPECT_EQ(results.engine.files, expected);
        EXPECT_EQ(results.engine.wasCleaned, k.size);
        EXPECT_EQ(s.smart_junk, k.size);
        EXPECT_EQ(posted, 1);
    }
}

TEST_F(SmartCleanScreenTest, WithoutTheRowsOfAFinishedScanNothingIsShownNorHandedOver) {
    results.engine.smart_outline_items.pop_back();
    SmartCleanViewController& s = results.open();
    EXPECT_EQ(s.outlineModel()->rowCount(), 0);
    EXPECT_TRUE(s.outlineModel()->isConsistent());
    results.engine.files = {"/stale"};
    s.remove();
    EXPECT_TRUE(results.engine.files.empty());
    EXPECT_EQ(results.engine.wasCleaned, 0);
}

TEST_F(SmartCleanScreenTest, OnlyFileEntriesGetAContextMenuWhichFramesTheRowUntilItCloses) {
    SmartCleanViewController& s = results.open();
    auto rightClick = [&](const QPoint& at) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, s.outlineview()->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(s.outlineview()->viewport(), &click);
    };
    // Below the last row (all collapsed).
    s.selectedRow = entry(0, 0);
    rightClick(QPoint(5, s.outlineview()->viewport()->height() - 3));
    EXPECT_FALSE(s.selectedRow.isValid());
    EXPECT_FALSE(s.cleanItemMenu()->isVisible());

    for (int c = 0; c < 7; ++c)
        s.outlineview()->expand(category(c));
    struct Case {
        const char* name;
        QModelIndex row;
        bool menu;
    };
    const Case cases[] = {
        {"category", category(0), false}, {"browser", entry(3, 0), false}, {"cache", entry(0, 1), true},
        {"log", entry(1, 0), true},       {"leftover", entry(2, 0), true}, {"installer", entry(5, 0), true},
        {"trash", entry(6, 1), true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        s.selectedRow = entry(0, 0); // from an earlier menu
        s.outlineview()->scrollTo(k.row);
        rightClick(s.outlineview()->rowRect(k.row).center());
        EXPECT_EQ(s.cleanItemMenu()->isVisible(), k.menu);
        EXPECT_EQ(s.selectedRow.isValid(), k.menu);
        if (k.menu) {
            EXPECT_EQ(QModelIndex(s.selectedRow), k.row);
            EXPECT_EQ(s.outlineview()->selectionRow(), k.row);
            s.cleanItemMenu()->hide();
            EXPECT_FALSE(s.outlineview()->selectionRow().isValid());
        }
    }
    // The keyboard's menu key opens it for the focused row.
    s.outlineview()->setFocus();
    s.outlineview()->setCurrentIndex(entry(6, 0));
    QTest::keyClick(s.outlineview(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(s.cleanItemMenu()->isVisible());
    EXPECT_EQ(QModelIndex(s.selectedRow), entry(6, 0));
    s.cleanItemMenu()->hide();
    // With no row, the context actions do nothing.
    s.selectedRow = QPersistentModelIndex();
    s.quick_look_item();
    EXPECT_FALSE(s.preview_url.has_value());
}

TEST_F(SmartCleanScreenTest, TheRowButtonsFollowThePointerAndTheOutlineButtonOpensAndClosesTheCategory) {
    SmartCleanViewController& s = results.open();
    SmartCleanOutlineView* view = s.outlineview();
    QTest::mouseMove(view->viewport(), view->rowRect(category(0)).center());
    EXPECT_EQ(view->mouseInsideRow(), category(0));
    ASSERT_TRUE(view->outlineButton()->isVisible());
    EXPECT_EQ(view->outlineButton()->text(), QStringLiteral("Show"));
    EXPECT_EQ(view->rowForView(view->aboutButton()), category(0));

    QTest::mouseClick(view->outlineButton(), Qt::LeftButton);
    EXPECT_TRUE(view->isExpanded(category(0)));
    EXPECT_EQ(view->outlineButton()->text(), QStringLiteral("Hide"));
    QTest::mouseClick(view->outlineButton(), Qt::LeftButton);
    EXPECT_FALSE(view->isExpanded(category(0)));
    EXPECT_EQ(view->outlineButton()->text(), QStringLiteral("Show"));

    // Over an entry row, or outside the rows, there are no buttons.
    view->expand(category(0));
    QTest::mouseMove(view->viewport(), view->rowRect(entry(0, 1)).center());
    EXPECT_FALSE(view->mouseInsideRow().isValid());
    EXPECT_FALSE(view->aboutButton()->isVisible());
}

class NullReporting : public Reporting {
public:
    void sendTrackingReport() override {}
    void setupIssuesController(bool) override {}
    std::optional<QString> takePendingIssueReport() override { return std::nullopt; }
    void showFeedbackDialog(QWidget*, int) override {}
};

TEST_F(SmartCleanScreenTest, AboutOpensTheRegisteredPopoverAtTheButtonsLeftEdgeAndKeepsItInTheDelegate) {
    NullReporting reporting;
    AppDelegate delegate(reporting);
    int made = 0;
    results.factory.registerScreen(QStringLiteral("SmartClean"), QStringLiteral("AboutLogs"), [&] {
        ++made;
        auto about = std::make_unique<Screen>();
        about->resize(260, 120);
        return about;
    });
    SmartCleanViewController& s = results.open();
    SmartCleanOutlineView* view = s.outlineview();

    // Caches has nothing registered: nothing opens.
    view->setMouseInsideRow(category(0));
    QTest::mouseClick(view->aboutButton(), Qt::LeftButton);
    EXPECT_EQ(s.popover(), nullptr);
    EXPECT_EQ(delegate.activePopover, nullptr);

    view->setMouseInsideRow(category(1));
    QTest::mouseClick(view->aboutButton(), Qt::LeftButton);
    ASSERT_NE(s.popover(), nullptr);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(delegate.activePopover.get(), s.popover());
    EXPECT_TRUE(s.popover()->isVisible());
    EXPECT_TRUE(s.popover()->windowFlags() & Qt::Popup); // closes on a click elsewhere
    EXPECT_EQ(s.popover()->contentView()->size(), QSize(260, 120));
    const QPoint buttonLeft = view->aboutButton()->mapToGlobal(QPoint(0, view->aboutButton()->height() / 2));
    EXPECT_EQ(s.popover()->shownEdge(), Qt::LeftEdge);
    EXPECT_EQ(s.popover()->arrowTip().x(), buttonLeft.x());
    EXPECT_LE(s.popover()->geometry().right(), buttonLeft.x());

    // The next one replaces it.
    Popover* first = s.popover();
    first->hide();
    QTest::mouseClick(view->aboutButton(), Qt::LeftButton);
    EXPECT_NE(s.popover(), first);
    EXPECT_EQ(delegate.activePopover.get(), s.popover());
    EXPECT_EQ(made, 2);
    delegate.activePopover.reset();
}

// Finds the accessible cell whose name is `name`.
QAccessibleInterface* cellNamed(QAccessibleInterface* tree, const QString& name) {
    for (int i = 0; i < tree->childCount(); ++i)
        if (QAccessibleInterface* cell = tree->child(i); cell && cell->text(QAccessible::Name) == name)
            return cell;
    return nullptr;
}

TEST_F(SmartCleanScreenTest, AScreenReaderGetsTitlesSizesAndTickStatesAndEveryButtonHasAName) {
    const std::string odd = std::string("caf") + char(0xe9) + ".log"; // Latin-1, not UTF-8
    results.setCategory(1, {test::ResultsFixture::file(results.tmp / "Logs" / odd, 50)});
    results.finish();
    SmartCleanViewController& s = results.open();
    s.outlineview()->expand(category(1));
    s.select_item(entry(0, 1), false); // caches: mixed

    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(s.outlineview());
    ASSERT_NE(tree, nullptr);
    EXPECT_FALSE(tree->text(QAccessible::Name).isEmpty());
    QAccessibleInterface* caches = cellNamed(tree, QStringLiteral("Applications caches"));
    ASSERT_NE(caches, nullptr);
    EXPECT_TRUE(caches->state().checkable);
    EXPECT_TRUE(caches->state().checkStateMixed);
    EXPECT_EQ(caches->text(QAccessible::Description), formatByteCount(400));
    ASSERT_NE(cellNamed(tree, formatByteCount(400)), nullptr); // the size cell

    // The odd name is read with the invalid byte replaced.
    QAccessibleInterface* log = cellNamed(tree, QStringLiteral("caf\uFFFD.log"));
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->state().checked);
    s.select_item(entry(1, 0), false);
    EXPECT_FALSE(log->state().checked);
    EXPECT_FALSE(cellNamed(tree, QStringLiteral("Applications logs"))->state().checked);

    EXPECT_TRUE(s.remove_button()->accessibleName().contains(QStringLiteral("Remove")));
    // The selected total is read with its figure, and follows the ticks.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(s.sizeLabel())->text(QAccessible::Name),
              QStringLiteral("Selected size: ") + formatByteCount(s.smart_junk));
    s.outlineview()->setMouseInsideRow(category(0));
    for (QPushButton* button : s.findChildren<QPushButton*>())
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty())
            << button->objectName().toStdString();
    EXPECT_EQ(s.outlineview()->aboutButton()->accessibleName(), QStringLiteral("About Applications caches"));
}

TEST_F(SmartCleanScreenTest, ArrowsOpenAndCloseCategoriesAndStepBetweenRows) {
    SmartCleanViewController& s = results.open();
    SmartCleanOutlineView* view = s.outlineview();
    view->setFocus();
    view->setCurrentIndex(category(0));
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_TRUE(view->isExpanded(category(0)));
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(view->currentIndex().siblingAtColumn(0), entry(0, 0));
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(s.tickState(0), Tick::Mixed);
    EXPECT_FALSE(s.isEntrySelected(0, 1));
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(view->currentIndex().siblingAtColumn(0), category(0));
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_FALSE(view->isExpanded(category(0)));
    // The focused category row gets its buttons for the keyboard too.
    EXPECT_TRUE(view->aboutButton()->isVisible());
    EXPECT_EQ(view->rowForView(view->aboutButton()), category(0));
}

// An empty category's title is dimmed, yet hides the window's moving
// background as any text does: its glyphs look the same over any colour.
TEST(SmartOutlineCellView, AnEmptyCategorysTitleIsDimmedButOpaque) {
    const auto over = [](const QColor& behind) {
        QImage image(300, 30, QImage::Format_RGB32);
        image.fill(behind);
        QPainter p(&image);
        SmartOutlineCellView::Content content;
        content.title = QStringLiteral("Trash Bin");
        content.empty = true;
        SmartOutlineCellView::paintTitle(p, image.rect(), content);
        return image;
    };
    const QImage red = over(Qt::red);
    const QImage blue = over(Qt::blue);
    int glyphs = 0;
    int sameOverBoth = 0;
    for (int y = 0; y < red.height(); ++y)
        for (int x = 0; x < red.width(); ++x) {
            if (red.pixel(x, y) == QColor(Qt::red).rgb())
                continue;
            ++glyphs;
            sameOverBoth += red.pixel(x, y) == blue.pixel(x, y);
        }
    ASSERT_GT(glyphs, 50);
    EXPECT_GT(sameOverBoth, glyphs / 4);
}

} // namespace
} // namespace dovrel
