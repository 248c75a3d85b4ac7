#include "controls/ApplicationsScroller.h"

#include "platform/gui/SystemVersion.h"

namespace dovrel {

ApplicationsScroller::ApplicationsScroller(QWidget* parent) : Scroller(parent) {
    setup();
}

ApplicationsScroller::ApplicationsScroller(Qt::Orientation orientation, QWidget* parent)
    : Scroller(orientation, parent) {
    setup();
}

void ApplicationsScroller::setup() {
    if (SystemVersion::isAtLeast(10, 14))
        setDarkAppearance(true);
}

} // namespace dovrel
