#pragma once

#include <chrono>
#include <functional>

namespace dovrel::agent {

// A timer of the agent's event loop. The real one runs on the main thread's
// event loop; tests put one in its place that fires when they move a fake
// clock forward.
class Timer {
public:
    virtual ~Timer() = default;

    // Starts (or restarts) the timer. A repeating timer calls onTimeout every
    // interval until stopped; a single-shot timer calls it once and becomes
    // inactive before the call.
    virtual void start(std::chrono::milliseconds interval, bool repeating,
                       std::function<void()> onTimeout) = 0;
    // No further calls after stop().
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

} // namespace dovrel::agent
