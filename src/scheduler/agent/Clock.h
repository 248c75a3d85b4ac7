#pragma once

#include "scheduler/agent/Timer.h"

#include <QDateTime>

#include <memory>

namespace dovrel::agent {

// The agent's sense of time: the current moment and timers. The shipped
// program uses SystemClock; tests hand the agent a clock they move by hand,
// so the hour before the reminder passes in microseconds.
class Clock {
public:
    virtual ~Clock() = default;

    virtual QDateTime now() const = 0;
    // A new, inactive timer driven by this clock. The clock outlives it.
    virtual std::unique_ptr<Timer> makeTimer() = 0;
};

} // namespace dovrel::agent
