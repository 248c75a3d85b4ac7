#pragma once

#include "controls/WaitProgress.h"

namespace dovrel {

// The small spinner (radius 8, line width 2); moves like WaitProgress.
class SmallWaitProgress : public WaitProgress {
    Q_OBJECT
public:
    explicit SmallWaitProgress(QWidget* parent = nullptr);
};

} // namespace dovrel
