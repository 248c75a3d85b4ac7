// The style sheet's dimmed texts hide what lies behind their letters, as the
// window's moving background does.

#include "shell/AppStyle.h"

#include <QApplication>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

TEST(AppStyle, DimmedTextsLookTheSameOverAnyBackground) {
    AppStyle::apply(*qApp);
    for (const char* role : {"text", "caption"}) {
        SCOPED_TRACE(role);
        const auto over = [role](const QColor& behind) {
            QWidget window;
            window.resize(300, 40);
            QPalette palette = window.palette();
            palette.setColor(QPalette::Window, behind);
            window.setPalette(palette);
            window.setAutoFillBackground(true);
            auto* label = new QLabel(QStringLiteral("Selected files are removed for good"));
            label->setProperty("role", QString::fromLatin1(role));
            label->setParent(&window);
            label->setGeometry(window.rect());
            return window.grab().toImage();
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
        // Where a letter covers a pixel whole, nothing of what is behind
        // remains; a translucent colour lets every pixel differ.
        EXPECT_GT(sameOverBoth, 10);
    }
    qApp->setStyleSheet(QString());
}

} // namespace
} // namespace dovrel
