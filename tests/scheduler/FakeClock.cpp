#include "scheduler/FakeClock.h"

#include "scheduler/FakeTimer.h"

namespace dovrel::test {

FakeClock::~FakeClock() = default;

std::unique_ptr<agent::Timer> FakeClock::makeTimer() {
    return std::make_unique<FakeTimer>(*this);
}

void FakeClock::advance(std::chrono::milliseconds by) {
    const QDateTime target = now_.addMSecs(by.count());
    for (;;) {
        FakeTimer* next = nullptr;
        for (FakeTimer* t : timers_)
            if (t->active_ && t->deadline_ <= target && (!next || t->deadline_ < next->deadline_))
                next = t;
        if (!next)
            break;
        now_ = next->deadline_;
        if (next->repeating_)
            next->deadline_ = next->deadline_.addMSecs(next->interval_.count());
        else
            next->active_ = false;
        if (auto callback = next->onTimeout_)
            callback();
    }
    now_ = target;
}

int FakeClock::activeTimers() const {
    int n = 0;
    for (const FakeTimer* t : timers_)
        n += t->active_ ? 1 : 0;
    return n;
}

} // namespace dovrel::test
