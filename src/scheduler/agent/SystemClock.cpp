#include "scheduler/agent/SystemClock.h"

#include "scheduler/agent/SystemTimer.h"

namespace dovrel::agent {

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTimeUtc();
}

std::unique_ptr<Timer> SystemClock::makeTimer() {
    return std::make_unique<SystemTimer>();
}

} // namespace dovrel::agent
