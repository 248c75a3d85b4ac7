#pragma once

#include <functional>

namespace dovrel::test {

// Runs the calling thread's event loop (D-Bus replies and signals arrive
// through it) for a bounded time.
class EventPump {
public:
    // Until `done` holds or `timeoutMs` of real time passed; returns done().
    static bool until(const std::function<bool()>& done, int timeoutMs = 5000);
    // For `ms` of real time, to give something that must not happen a chance.
    static void forMs(int ms);
};

} // namespace dovrel::test
