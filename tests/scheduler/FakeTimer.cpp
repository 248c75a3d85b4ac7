#include "scheduler/FakeTimer.h"

#include "scheduler/FakeClock.h"

#include <algorithm>

namespace dovrel::test {

FakeTimer::FakeTimer(FakeClock& clock) : clock_(clock) {
    clock_.timers_.push_back(this);
}

FakeTimer::~FakeTimer() {
    auto& timers = clock_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void FakeTimer::start(std::chrono::milliseconds interval, bool repeating, std::function<void()> onTimeout) {
    interval_ = std::max(interval, std::chrono::milliseconds(1));
    repeating_ = repeating;
    onTimeout_ = std::move(onTimeout);
    deadline_ = clock_.now().addMSecs(interval_.count());
    active_ = true;
}

} // namespace dovrel::test
