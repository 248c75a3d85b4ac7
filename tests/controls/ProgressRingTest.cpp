#include "controls/ProgressRing.h"
#include "controls/SmartProgressView.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace dovrel {
namespace {

const QRectF kBounds(0, 0, 200, 200);

TEST(ProgressRing, CircleOfRadius88AroundTheCentre) {
    EXPECT_EQ(ProgressRing::centerView(QRectF(10, 20, 100, 60)), QPointF(60, 50));
    EXPECT_EQ(ProgressRing::circleRect(kBounds), QRectF(12, 12, 176, 176));
}

TEST(ProgressRing, StrokeEndIsClampedAndStartsEmpty) {
    ProgressRing ring;
    EXPECT_EQ(ring.strokeEnd(), 0);
    ring.setStrokeEnd(1.7);
    EXPECT_EQ(ring.strokeEnd(), 1);
    ring.setStrokeEnd(-0.2);
    EXPECT_EQ(ring.strokeEnd(), 0);
    ring.setStrokeEnd(std::nan(""));
    EXPECT_EQ(ring.strokeEnd(), 0);
}

TEST(ProgressRing, ArcStartsAtTheTopAndRunsClockwise) {
    ProgressRing ring;
    EXPECT_EQ(ProgressRing::startAngle16(), 90 * 16);
    ring.setStrokeEnd(0.25);
    EXPECT_EQ(ring.spanAngle16(), -90 * 16);
    const QPointF end = ring.arcEnd(kBounds);
    EXPECT_NEAR(end.x(), 188, 1e-9); // a quarter turn ends at the right
    EXPECT_NEAR(end.y(), 100, 1e-9);
    ring.setStrokeEnd(0.5);
    EXPECT_NEAR(ring.arcEnd(kBounds).y(), 188, 1e-9); // half ends at the bottom
}

bool hasBlueAt(const QImage& image, QPointF p) {
    const QColor c = image.pixelColor(p.toPoint());
    return c.alpha() > 0 && c.blue() > 150 && c.red() < 150;
}

TEST(ProgressRing, PaintsTheProgressOnlyOverTheFilledPart) {
    ProgressRing ring;
    ring.setStrokeEnd(0.25);
    QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        ring.paint(p, kBounds);
    }
    // On the circle: 45 degrees clockwise from the top is filled, 135 is not.
    const auto onCircle = [](double degreesFromTop) {
        const double a = degreesFromTop * M_PI / 180;
        return QPointF(100 + 88 * std::sin(a), 100 - 88 * std::cos(a));
    };
    EXPECT_TRUE(hasBlueAt(image, onCircle(45)));
    EXPECT_FALSE(hasBlueAt(image, onCircle(135)));
    EXPECT_GT(image.pixelColor(onCircle(135).toPoint()).alpha(), 0); // the track is there
}

TEST(SmartProgressView, NeverChangesTheStrokeEndItself) {
    SmartProgressView view;
    view.resize(view.sizeHint());
    const QImage empty = view.grab().toImage();
    EXPECT_EQ(view.progress()->strokeEnd(), 0);
    view.progress()->setStrokeEnd(1);
    const QImage full = view.grab().toImage();
    EXPECT_NE(empty, full); // setting it repaints the ring
}

} // namespace
} // namespace dovrel
