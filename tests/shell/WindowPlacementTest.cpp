// Secondary windows open over the main window, inside the screen.

#include "platform/gui/WindowPlacement.h"
#include "platform/gui/ItemInfoWindow.h"
#include "platform/gui/PreviewPanel.h"

#include "GuiTestSupport.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace dovrel {
namespace {

TEST(WindowPlacement, CentresOverTheAnchorAndStaysInsideTheArea) {
    const QRect area(0, 30, 1600, 970);
    struct Case {
        const char* name;
        QSize size;
        QRect anchor;
        QRect expected;
    };
    const Case cases[] = {
        {"fits: centred", {200, 100}, {400, 300, 600, 400}, {600, 450, 200, 100}},
        {"anchor at the bottom-left", {680, 560}, {0, 700, 420, 300}, {0, 440, 680, 560}},
        {"anchor off the top-right", {300, 200}, {1500, -200, 400, 300}, {1300, 30, 300, 200}},
        {"larger than the area keeps its top-left in",
         {2000, 1200},
         {100, 100, 400, 300},
         {0, 30, 2000, 1200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WindowPlacement::centredOver(c.size, c.anchor, area), c.expected);
    }
}

// The preview and the information window, opened from a main window that
// sits at the screen's middle or in its bottom-left corner.
TEST(WindowPlacement, PreviewAndInfoOpenOverTheMainWindowAsItsTransients) {
    test::TempDir tmp;
    const std::filesystem::path item = test::FixtureTree(tmp.path()).fileWith("note.txt", "hello");
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const std::pair<const char*, std::function<QWidget*(QWidget*)>> openers[] = {
        {"preview",
         [&](QWidget* main) {
             PreviewPanel* panel = PreviewPanel::sharedPreviewPanel();
             panel->makeKeyAndOrderFront(main);
             return static_cast<QWidget*>(panel);
         }},
        {"info", [&](QWidget* main) { return static_cast<QWidget*>(ItemInfoWindow::showInfo(item, main)); }},
    };
    const QSize mainSize(420, 300);
    const QPoint places[] = {available.center() - QPoint(210, 150),
                             QPoint(available.left(), available.bottom() + 1 - mainSize.height())};
    for (const auto& [name, open] : openers) {
        for (const QPoint& place : places) {
            const bool middle = place == places[0];
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(place.x()) + "," +
                         std::to_string(place.y()));
            QWidget main;
            main.setGeometry(QRect(place, mainSize));
            main.show();
            test::spin();
            QWidget* window = open(&main);
            test::spin();
            EXPECT_EQ(window->parentWidget(), &main);
            EXPECT_EQ(window->windowType(), Qt::Dialog) << "a transient for the window manager";
            ASSERT_NE(window->windowHandle(), nullptr);
            EXPECT_EQ(window->windowHandle()->transientParent(), main.windowHandle());
            const QRect frame = window->frameGeometry();
            EXPECT_TRUE(available.contains(frame))
                << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
            if (middle) {
                // (the information window grows a little when its facts come in)
                EXPECT_LE((frame.center() - main.frameGeometry().center()).manhattanLength(), 24);
            }
            window->close();
            test::spin();
        }
    }
}

} // namespace
} // namespace dovrel
