#pragma once

#include "scheduler/agent/Timer.h"

#include <QDateTime>

namespace dovrel::test {

class FakeClock;

// A timer of FakeClock.
class FakeTimer : public agent::Timer {
public:
    explicit FakeTimer(FakeClock& clock);
    ~FakeTimer() override;

    void start(std::chrono::milliseconds interval, bool repeating, std::function<void()> onTimeout) override;
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

private:
    friend class FakeClock;
    FakeClock& clock_;
    bool active_ = false;
    bool repeating_ = false;
    std::chrono::milliseconds interval_{0};
    QDateTime deadline_;
    std::function<void()> onTimeout_;
};

} // namespace dovrel::test
