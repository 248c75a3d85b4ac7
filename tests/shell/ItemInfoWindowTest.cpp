// The in-app information window: a long path is shown whole, and a size on
// disk below the size is explained.

#include "platform/gui/ItemInfoWindow.h"
#include "platform/ByteCountFormatter.h"

#include "GuiTestSupport.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <QTextEdit>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

TEST(ItemInfoWindow, ALongPathWrapsWholeAndASparseFileSaysWhyItTakesLessRoom) {
    test::TempDir tmp;
    test::FixtureTree tree(tmp.path());
    const std::string deep = "a-folder-name-long-enough-to-need-more-than-one-line-in-the-window";
    const std::filesystem::path sparse = tree.file(std::filesystem::path(deep) / deep / "sparse.img", 1);
    std::filesystem::resize_file(sparse, 64 << 20); // a hole, no blocks
    const std::filesystem::path plain = tree.fileWith("plain.txt", std::string(10000, 'x'));

    struct Case {
        std::filesystem::path item;
        bool explained;
    };
    for (const Case& c : {Case{sparse, true}, Case{plain, false}}) {
        SCOPED_TRACE(c.item.filename().string());
        ItemInfoWindow* window = ItemInfoWindow::showInfo(c.item);
        ASSERT_TRUE(test::waitFor([&] { return window->isLoaded(); }, 5000));
        test::spin();
        const ItemFacts& facts = window->facts();
        ASSERT_EQ(facts.sizeOnDisk < facts.size, c.explained) << "the file system keeps no holes here";
        const QString onDisk = window->valueOf("On disk");
        EXPECT_TRUE(onDisk.startsWith(formatByteCount(facts.sizeOnDisk)));
        EXPECT_EQ(onDisk.contains(QStringLiteral("sparse")), c.explained) << onDisk.toStdString();

        auto* where = window->findChild<QTextEdit*>(QStringLiteral("Where"));
        ASSERT_NE(where, nullptr);
        EXPECT_EQ(where->toPlainText(), QString::fromStdString(c.item.string()));
        EXPECT_TRUE(where->isReadOnly());
        if (c.explained) { // the long one takes several lines, all of them in view
            EXPECT_GT(where->height(), 2 * where->fontMetrics().lineSpacing());
            EXPECT_GE(where->height(), int(where->document()->size().height()));
        }
        window->close();
        test::spin();
    }
}

} // namespace
} // namespace dovrel
