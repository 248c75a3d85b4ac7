// What the desktop shows of the application outside its screens: the window
// icon and the About box.

#include "shell/AppIcon.h"
#include "shell/CleanerWindowController.h"

#include <QImage>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

TEST(DesktopIntegration, TheWindowIconHasEveryRenderedSize) {
    const QIcon icon = AppIcon::icon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> available = icon.availableSizes();
    for (int size : AppIcon::sizes()) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(available.contains(QSize(size, size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        // Drawn in the middle, transparent in the rounded corner.
        EXPECT_EQ(image.pixelColor(size / 2, size / 4).alpha(), 255);
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    }
}

TEST(DesktopIntegration, TheAboutBoxNamesTheVersion) {
    EXPECT_TRUE(CleanerWindowController::aboutText().contains(QStringLiteral("Version " DOVREL_VERSION)))
        << CleanerWindowController::aboutText().toStdString();
}

} // namespace
} // namespace dovrel
