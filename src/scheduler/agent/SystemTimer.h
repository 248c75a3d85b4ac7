#pragma once

#include "scheduler/agent/Timer.h"

#include <QTimer>

namespace dovrel::agent {

// A Timer over QTimer; fires on the event loop of the thread that made it.
class SystemTimer : public Timer {
public:
    SystemTimer();

    void start(std::chrono::milliseconds interval, bool repeating, std::function<void()> onTimeout) override;
    void stop() override;
    bool isActive() const override;

private:
    QTimer timer_;
    std::function<void()> onTimeout_;
};

} // namespace dovrel::agent
