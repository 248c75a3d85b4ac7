// Keyboard focus is visible on the dark window: every focusable control,
// the platform's own and the custom ones, draws the light blue ring once
// it is reached by Tab, and only then.

#include "controls/CellButton.h"
#include "controls/FocusRing.h"
#include "controls/GCheckButton.h"
#include "controls/PushButton.h"
#include "controls/ScanButton.h"
#include "controls/SwitchButton.h"
#include "shell/AppStyle.h"

#include "GuiTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>

namespace dovrel {
namespace {

int ringPixels(QWidget* w) {
    const QImage image = w->grab().toImage();
    const QColor ring = FocusRing::color();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - ring.red()) < 24 && std::abs(c.green() - ring.green()) < 24 &&
                std::abs(c.blue() - ring.blue()) < 24)
                ++count;
        }
    return count;
}

TEST(FocusRingStyle, EveryFocusableControlShowsTheRingWhenReachedByTab) {
    AppStyle::apply(*qApp);
    const QString title = QStringLiteral("Remove");
    const std::pair<const char*, std::function<QWidget*()>> makers[] = {
        {"QPushButton", [&] { return new QPushButton(title); }},
        {"QCheckBox", [&] { return new QCheckBox(title); }},
        {"CellButton", [&] { return new CellButton(ButtonCell::Kind::PushButtonCell, title); }},
        {"PushButton", [&] { return new PushButton(title); }},
        {"SwitchButton", [&] { return new SwitchButton(title); }},
        {"GCheckButton", [&] { return new GCheckButton(title); }},
        {"ScanButton", [&] { return new ScanButton; }},
    };
    for (const auto& [name, make] : makers) {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* first = new QPushButton(QStringLiteral("first"));
        first->setFocusPolicy(Qt::TabFocus);
        QWidget* control = make();
        layout->addWidget(first);
        layout->addWidget(control);
        window.show();
        QApplication::setActiveWindow(&window);
        first->setFocus(Qt::TabFocusReason);
        test::spin(10);
        const int before = ringPixels(control);
        control->setFocus(Qt::TabFocusReason);
        test::spin(10);
        ASSERT_TRUE(control->hasFocus()) << name;
        EXPECT_EQ(before, 0) << name;
        EXPECT_GT(ringPixels(control), 20) << name;
    }
    qApp->setStyleSheet(QString());
}

} // namespace
} // namespace dovrel
