#pragma once

#include "scheduler/agent/Clock.h"

#include <chrono>
#include <vector>

namespace dovrel::test {

class FakeTimer;

// A clock that stands still until the test moves it. Its timers fire only
// inside advance(), each at its own deadline, in deadline order.
class FakeClock : public agent::Clock {
public:
    explicit FakeClock(QDateTime start) : now_(std::move(start)) {}
    ~FakeClock() override;

    QDateTime now() const override { return now_; }
    std::unique_ptr<agent::Timer> makeTimer() override;

    // Moves time forward by `by`, firing every timer that comes due on the way.
    void advance(std::chrono::milliseconds by);

    int activeTimers() const;

private:
    friend class FakeTimer;
    QDateTime now_;
    std::vector<FakeTimer*> timers_;
};

} // namespace dovrel::test
