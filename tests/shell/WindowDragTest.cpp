// Moving the main window by its background, and what a press that a child
// does not take (a link in a label) may leave behind for the next click.

// Mouse events go through the native window, as the desktop delivers them.
#define QTEST_QPA_MOUSE_HANDLING

#include "shell/CleanerWindowController.h"
#include "shell/Screen.h"
#include "shell/ScreenFactory.h"

#include "GuiTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

// The first screen: a link in a label, a button, and empty background.
class LinkScreen : public Screen {
public:
    LinkScreen() {
        link = new QLabel(QStringLiteral("<a href=\"help\">Why?</a>"), this);
        link->setGeometry(20, 20, 200, 30);
        link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        button = new QPushButton(QStringLiteral("Allow"), this);
        button->setGeometry(20, 80, 160, 40);
        QObject::connect(link, &QLabel::linkActivated, [this] { ++links; });
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    }
    QLabel* link;
    QPushButton* button;
    int links = 0, clicks = 0;
};

class WindowDragTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings(); // no grants: the first screen is "Sandbox"
        factory.registerScreen(QStringLiteral("Main"), QStringLiteral("Sandbox"), [this] {
            auto made = std::make_unique<LinkScreen>();
            screen = made.get();
            return made;
        });
        window.windowDidLoad();
        window.move(100, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_NE(screen, nullptr);
    }
    void TearDown() override { test::spin(); }

    ScreenFactory factory;
    CleanerWindowController window{factory};
    LinkScreen* screen = nullptr;
};

TEST_F(WindowDragTest, TheClickAfterALinkClicksAndMovesNothing) {
    const QPoint start = window.pos();
    QTest::mouseClick(screen->link, Qt::LeftButton, {}, QPoint(8, 15));
    ASSERT_EQ(screen->links, 1);
    // Press the button, wander off it and back, release on it.
    QTest::mousePress(screen->button, Qt::LeftButton, {}, QPoint(80, 20));
    QTest::mouseMove(screen->button, QPoint(80, 120));
    QTest::mouseMove(screen->button, QPoint(80, 130)); // the button lets this one through
    QTest::mouseMove(screen->button, QPoint(80, 20));
    QTest::mouseRelease(screen->button, Qt::LeftButton, {}, QPoint(80, 20));
    EXPECT_EQ(window.pos(), start);
    EXPECT_EQ(screen->clicks, 1);
}

TEST_F(WindowDragTest, TheBackgroundMovesTheWindowOnlyWhenDragged) {
    const QPoint start = window.pos();
    const QPoint empty(400, 300);
    QTest::mouseClick(screen, Qt::LeftButton, {}, empty);
    EXPECT_EQ(window.pos(), start);
    QTest::mousePress(screen, Qt::LeftButton, {}, empty);
    QTest::mouseMove(screen, empty + QPoint(30, 20));
    QTest::mouseRelease(screen, Qt::LeftButton, {}, empty + QPoint(30, 20));
    // It follows the pointer (how far exactly depends on the platform's
    // pointer, which offscreen is not a real one).
    EXPECT_GT(window.pos().x(), start.x());
    EXPECT_GT(window.pos().y(), start.y());
}

} // namespace
} // namespace dovrel
