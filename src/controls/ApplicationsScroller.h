#pragma once

#include "controls/Scroller.h"

namespace dovrel {

// A Scroller that, on systems from 10.14 on, takes the dark appearance at
// setup (a light knob for dark lists).
class ApplicationsScroller : public Scroller {
    Q_OBJECT
public:
    explicit ApplicationsScroller(QWidget* parent = nullptr);
    explicit ApplicationsScroller(Qt::Orientation orientation, QWidget* parent = nullptr);

private:
    void setup();
};

} // namespace dovrel
