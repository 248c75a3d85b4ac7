// The popover's window on a display that composes windows with their alpha
// channel and on one that does not.

#include "controls/Popover.h"

#include <QImage>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

TEST(Popover, WithoutAnAlphaChannelItIsAnOpaqueWindowCutToThePanelAndArrow) {
    for (const bool translucent : {true, false}) {
        SCOPED_TRACE(translucent);
        Popover popover;
        popover.setTranslucent(translucent);
        auto* content = new QWidget;
        content->resize(200, 80);
        popover.setContentView(content);
        popover.showRelativeToRect(QRect(600, 300, 20, 20), Qt::LeftEdge);
        ASSERT_EQ(popover.shownEdge(), Qt::LeftEdge);
        EXPECT_EQ(popover.testAttribute(Qt::WA_TranslucentBackground), translucent);

        const QPoint tip = popover.mapFromGlobal(popover.arrowTip());
        const QPoint beside(popover.width() - 2, 4); // the strip beside the arrow
        const QPoint corner(0, 0);                   // outside the rounded corner
        const QImage picture = popover.grab().toImage();
        if (translucent) {
            EXPECT_TRUE(popover.mask().isEmpty());
            EXPECT_EQ(picture.pixelColor(beside).alpha(), 0);
            EXPECT_EQ(picture.pixelColor(corner).alpha(), 0);
            continue;
        }
        // What a screen without compositing would show black is not part of
        // the window; what is, is painted opaque.
        const QRegion shape = popover.mask();
        EXPECT_FALSE(shape.contains(beside));
        EXPECT_FALSE(shape.contains(corner));
        for (const QPoint inside : {QPoint(100, 40), tip - QPoint(3, 0), QPoint(1, 40)}) {
            EXPECT_TRUE(shape.contains(inside)) << inside.x() << "," << inside.y();
            EXPECT_EQ(picture.pixelColor(inside).alpha(), 255) << inside.x() << "," << inside.y();
        }
    }
}

} // namespace
} // namespace dovrel
