#include "scheduler/agent/SystemTimer.h"

namespace dovrel::agent {

SystemTimer::SystemTimer() {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        // A copy: the callback may restart the timer with a new one.
        if (auto callback = onTimeout_)
            callback();
    });
}

void SystemTimer::start(std::chrono::milliseconds interval, bool repeating, std::function<void()> onTimeout) {
    onTimeout_ = std::move(onTimeout);
    timer_.setSingleShot(!repeating);
    timer_.start(interval);
}

void SystemTimer::stop() {
    timer_.stop();
}

bool SystemTimer::isActive() const {
    return timer_.isActive();
}

} // namespace dovrel::agent
