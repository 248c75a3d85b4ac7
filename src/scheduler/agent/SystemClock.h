#pragma once

#include "scheduler/agent/Clock.h"

namespace dovrel::agent {

// Wall-clock time (UTC) and timers of the Qt event loop of the calling thread.
class SystemClock : public Clock {
public:
    QDateTime now() const override;
    std::unique_ptr<Timer> makeTimer() override;
};

} // namespace dovrel::agent
