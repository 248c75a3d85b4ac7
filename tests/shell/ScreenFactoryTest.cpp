#include "shell/ScreenFactory.h"
#include "shell/Screen.h"
#include "shell/Storyboard.h"

#include <gtest/gtest.h>

namespace dovrel {
namespace {

TEST(Storyboard, InstantiatesANewScreenEveryTimeAndRecordsWhereItCameFrom) {
    ScreenFactory factory;
    int made = 0;
    factory.registerScreen(QStringLiteral("Main"), QStringLiteral("Home"), [&] {
        ++made;
        return std::make_unique<Screen>();
    });
    const Storyboard main(QStringLiteral("Main"), &factory);
    std::unique_ptr<Screen> a = main.instantiateControllerWithIdentifier(QStringLiteral("Home"));
    std::unique_ptr<Screen> b = main.instantiateControllerWithIdentifier(QStringLiteral("Home"));
    ASSERT_TRUE(a && b);
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(made, 2);
    EXPECT_EQ(a->identifier(), QStringLiteral("Home"));
    EXPECT_EQ(a->storyboard().name(), QStringLiteral("Main"));
    EXPECT_EQ(a->storyboard().factory(), &factory);
}

TEST(Storyboard, IdentifiersBelongToTheirOwnStoryboard) {
    ScreenFactory factory;
    factory.registerScreen(QStringLiteral("SmartClean"), QStringLiteral("SmartScan"),
                           [] { return std::make_unique<Screen>(); });
    EXPECT_TRUE(Storyboard(QStringLiteral("SmartClean"), &factory)
                    .instantiateControllerWithIdentifier(QStringLiteral("SmartScan")));
    EXPECT_FALSE(Storyboard(QStringLiteral("Main"), &factory)
                     .instantiateControllerWithIdentifier(QStringLiteral("SmartScan")));
    EXPECT_FALSE(Storyboard().instantiateControllerWithIdentifier(QStringLiteral("SmartScan")));
    factory.unregisterScreen(QStringLiteral("SmartClean"), QStringLiteral("SmartScan"));
    EXPECT_FALSE(factory.contains(QStringLiteral("SmartClean"), QStringLiteral("SmartScan")));
}

TEST(Screen, LoadsOnceAndReleaseDropsItsLifetime) {
    struct Counting : Screen {
        int loads = 0;
        void viewDidLoad() override { ++loads; }
    } screen;
    screen.loadViewIfNeeded();
    screen.loadViewIfNeeded();
    EXPECT_EQ(screen.loads, 1);
    QPointer<QObject> life = screen.lifetime();
    ASSERT_TRUE(life);
    screen.release();
    EXPECT_TRUE(screen.isReleased());
    EXPECT_FALSE(life); // deleted at once, not later
}

} // namespace
} // namespace dovrel
