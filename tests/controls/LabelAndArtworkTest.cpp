#include "controls/Animator.h"
#include "controls/CategoryArtwork.h"
#include "controls/TransitionLabel.h"

#include "GuiTestSupport.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

TEST(TransitionLabel, WithoutATransitionTheTextChangesAtOnce) {
    TransitionLabel label;
    label.setText(QStringLiteral("a"));
    EXPECT_EQ(label.text(), QStringLiteral("a"));
    EXPECT_FALSE(label.isTransitioning());
}

TEST(TransitionLabel, ATransitionPlaysOnceOnTheNextChange) {
    TransitionLabel label;
    label.resize(200, 30);
    label.setText(QStringLiteral("Scan in \"Browsers\""));
    label.addTransition(TransitionLabel::Kind::MoveInFromTop, 300);
    EXPECT_TRUE(label.hasPendingTransition());
    label.setText(QStringLiteral("Scan in \"Trash Bin\""));
    EXPECT_EQ(label.text(), QStringLiteral("Scan in \"Trash Bin\""));
    EXPECT_FALSE(label.hasPendingTransition());
    EXPECT_TRUE(label.isTransitioning());
    EXPECT_TRUE(test::waitFor([&] { return !label.isTransitioning(); }, 3000));
    label.setText(QStringLiteral("again"));
    EXPECT_FALSE(label.isTransitioning()); // it was used up
}

TEST(TransitionLabel, WithAnimationsOffTheTransitionEndsAtOnce) {
    Animator::setDurationFactor(0);
    TransitionLabel label;
    label.addTransition(TransitionLabel::Kind::Fade, 100);
    label.setText(QStringLiteral("x"));
    Animator::setDurationFactor(1);
    EXPECT_FALSE(label.isTransitioning());
    EXPECT_EQ(label.text(), QStringLiteral("x"));
}

TEST(CategoryArtwork, EveryCategoryHasItsOwnImage) {
    const QStringList names = CategoryArtwork::names();
    ASSERT_EQ(names.size(), 7);
    EXPECT_TRUE(names.contains(QStringLiteral("Smart cache")));
    EXPECT_TRUE(names.contains(QStringLiteral("Smart trash")));
    QSet<QRgb> colours;
    for (const QString& name : names) {
        const QImage image = CategoryArtwork::image(name, 64, 2.0).toImage();
        ASSERT_EQ(image.size(), QSize(128, 128)) << name.toStdString();
        colours.insert(image.pixel(64, 8)); // the tile's colour near the top edge
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "rounded corner";
    }
    EXPECT_GE(colours.size(), 6);
}

TEST(CategoryArtwork, UnknownNamesAndBadSizesDoNotFail) {
    EXPECT_FALSE(CategoryArtwork::contains(QStringLiteral("Smart nothing")));
    EXPECT_FALSE(CategoryArtwork::image(QStringLiteral("Smart nothing"), 32).isNull());
    EXPECT_TRUE(CategoryArtwork::image(QStringLiteral("Smart cache"), 0).isNull());
}

} // namespace
} // namespace dovrel
