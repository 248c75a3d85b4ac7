#include "platform/Dispatch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

using dovrel::Dispatch;
using namespace std::chrono_literals;

namespace {

template <typename Pred> bool processEventsUntil(Pred done) {
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

bool onMainThread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Sets the delay factor for one test and restores the previous one.
class DelayFactorScope {
public:
    explicit DelayFactorScope(double factor) : saved_(Dispatch::delayFactor()) {
        Dispatch::setDelayFactor(factor);
    }
    ~DelayFactorScope() { Dispatch::setDelayFactor(saved_); }

private:
    double saved_;
};

} // namespace

TEST(DispatchTest, GlobalAsyncRunsOffTheMainThreadAndMainAsyncOnItInOrder) {
    std::atomic<bool> ranOffMain{false};
    std::atomic<bool> done{false};
    std::vector<int> order;
    bool allOnMain = true;
    Dispatch::global_async([&] {
        ranOffMain = !onMainThread();
        for (int i = 0; i < 300; ++i)
            Dispatch::main_async([&, i] {
                allOnMain = allOnMain && onMainThread();
                order.push_back(i);
            });
        done = true;
    });
    ASSERT_TRUE(processEventsUntil([&] { return done && order.size() == 300; }));
    EXPECT_TRUE(ranOffMain);
    EXPECT_TRUE(allOnMain);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(order[i], i);
}

TEST(DispatchTest, MainAsyncFromTheMainThreadIsDeferred) {
    int calls = 0;
    Dispatch::main_async([&] { ++calls; });
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(processEventsUntil([&] { return calls == 1; }));
}

TEST(DispatchTest, DestroyingTheContextCancelsMainAfter) {
    for (double factor : {0.0, 1.0}) {
        SCOPED_TRACE(factor);
        DelayFactorScope scope(factor);
        bool cancelledRan = false, sentinelRan = false;
        QObject keep;
        auto* context = new QObject;
        Dispatch::main_after(context, 5ms, [&] { cancelledRan = true; });
        // Scheduled later with a longer delay, so it fires after the first.
        Dispatch::main_after(&keep, 40ms, [&] { sentinelRan = true; });
        delete context;
        ASSERT_TRUE(processEventsUntil([&] { return sentinelRan; }));
        EXPECT_FALSE(cancelledRan);
    }
}

TEST(DispatchTest, ZeroDelayFactorMakesLongDelaysImmediateButStillQueued) {
    DelayFactorScope scope(0.0);
    QObject context;
    int calls = 0;
    bool onMain = false;
    Dispatch::main_after(&context, std::chrono::hours(1), [&] {
        onMain = onMainThread();
        ++calls;
    });
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(processEventsUntil([&] { return calls == 1; }));
    EXPECT_TRUE(onMain);

    // Scheduled from a worker: still runs on the main thread.
    calls = 0;
    std::thread worker([&] { Dispatch::main_after(&context, 10s, [&] { ++calls; }); });
    worker.join();
    EXPECT_TRUE(processEventsUntil([&] { return calls == 1; }));
}

TEST(DispatchTest, DelayFactorRejectsNegativeAndNaN) {
    DelayFactorScope scope(2.5);
    EXPECT_EQ(Dispatch::delayFactor(), 2.5);
    Dispatch::setDelayFactor(-1.0);
    EXPECT_EQ(Dispatch::delayFactor(), 0.0);
    Dispatch::setDelayFactor(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(Dispatch::delayFactor(), 0.0);
}
