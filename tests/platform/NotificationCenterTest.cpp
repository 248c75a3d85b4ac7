#include "platform/NotificationCenter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

using dovrel::NotificationCenter;

namespace {

NotificationCenter& center() {
    return NotificationCenter::defaultCenter();
}

// Spins the main event loop until `done` holds or five seconds have passed.
template <typename Pred> bool processEventsUntil(Pred done) {
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Gives queued deliveries a chance to run: drains the queue a few times.
void drainEvents() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

bool onMainThread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

TEST(NotificationCenterTest, PostOnMainThreadDeliversSynchronouslyInRegistrationOrder) {
    QObject first, second;
    std::vector<int> calls;
    center().addObserver(&second, "nc_sync", [&] { calls.push_back(1); });
    center().addObserver(&first, "nc_sync", [&] { calls.push_back(2); });
    center().addObserver(&second, "nc_sync", [&] { calls.push_back(3); });
    center().addObserver(&first, "nc_sync_other", [&] { calls.push_back(99); });

    center().post("nc_sync");
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 3}));

    center().removeObserver(&second, "nc_sync");
    EXPECT_EQ(center().observerCount("nc_sync"), 1);
    EXPECT_EQ(center().observerCount("nc_sync_other"), 1);
    center().removeObserver(&first);
    EXPECT_EQ(center().observerCount("nc_sync"), 0);
    EXPECT_EQ(center().observerCount("nc_sync_other"), 0);
    calls.clear();
    center().post("nc_sync");
    center().post("nc_sync_other");
    EXPECT_TRUE(calls.empty());
}

TEST(NotificationCenterTest, PostAsyncOnMainThreadWaitsForTheEventLoop) {
    QObject owner;
    int calls = 0;
    center().addObserver(&owner, "nc_async", [&] { ++calls; });
    center().postAsync("nc_async");
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(processEventsUntil([&] { return calls == 1; }));
    drainEvents();
    EXPECT_EQ(calls, 1);
}

TEST(NotificationCenterTest, PostsFromAWorkerArriveOnMainThreadInPostingOrder) {
    QObject owner;
    const QString names[3] = {"nc_order_a", "nc_order_b", "nc_order_c"};
    std::vector<int> received;
    bool allOnMain = true;
    for (int n = 0; n < 3; ++n)
        center().addObserver(&owner, names[n], [&, n] {
            allOnMain = allOnMain && onMainThread();
            received.push_back(n);
        });

    std::vector<int> posted;
    unsigned seed = 12345;
    for (int i = 0; i < 600; ++i) {
        seed = seed * 1103515245U + 12345U;
        posted.push_back(static_cast<int>((seed >> 16) % 3));
    }
    std::thread worker([&] {
        for (int i = 0; i < static_cast<int>(posted.size()); ++i)
            center().post(names[posted[i]]);
    });
    worker.join();
    // Nothing may have run on the worker itself.
    EXPECT_TRUE(received.empty());
    ASSERT_TRUE(processEventsUntil([&] { return received.size() >= posted.size(); }));
    EXPECT_EQ(received, posted);
    EXPECT_TRUE(allOnMain);
}

TEST(NotificationCenterTest, DestroyedOwnerIsNeverCalled) {
    int deadCalls = 0, liveCalls = 0;
    QObject survivor;
    center().addObserver(&survivor, "nc_dead", [&] { ++liveCalls; });

    auto* owner = new QObject;
    center().addObserver(owner, "nc_dead", [&] { ++deadCalls; });
    EXPECT_EQ(center().observerCount("nc_dead"), 2);
    delete owner;
    EXPECT_EQ(center().observerCount("nc_dead"), 1);
    center().post("nc_dead");
    EXPECT_EQ(deadCalls, 0);
    EXPECT_EQ(liveCalls, 1);

    // Deliveries already queued when the owner dies, from the main thread
    // and from a worker.
    owner = new QObject;
    center().addObserver(owner, "nc_dead", [&] { ++deadCalls; });
    center().postAsync("nc_dead");
    std::thread worker([] { center().post("nc_dead"); });
    worker.join();
    delete owner;
    ASSERT_TRUE(processEventsUntil([&] { return liveCalls == 3; }));
    drainEvents();
    EXPECT_EQ(deadCalls, 0);
    EXPECT_EQ(liveCalls, 3);
}

TEST(NotificationCenterTest, HandlersMayChangeObserversDuringDelivery) {
    QObject a, b, d;
    auto* c = new QObject;
    std::vector<char> calls;
    int lateCalls = 0;
    const std::string tag = "captured by value";
    center().addObserver(&a, "nc_mutate", [&, tag] {
        // Removes itself (destroying this closure's stored copy) and a later
        // observer, deletes a later owner and registers a new observer, then
        // still uses its capture.
        center().removeObserver(&a, "nc_mutate");
        center().removeObserver(&d);
        delete c;
        c = nullptr;
        center().addObserver(&a, "nc_mutate", [&] { ++lateCalls; });
        calls.push_back(tag.empty() ? '?' : 'a');
    });
    center().addObserver(&b, "nc_mutate", [&] { calls.push_back('b'); });
    center().addObserver(c, "nc_mutate", [&] { calls.push_back('c'); });
    center().addObserver(&d, "nc_mutate", [&] { calls.push_back('d'); });

    center().post("nc_mutate");
    EXPECT_EQ(calls, (std::vector<char>{'a', 'b'}));
    EXPECT_EQ(lateCalls, 0); // added during the delivery: not part of it

    calls.clear();
    center().post("nc_mutate");
    EXPECT_EQ(calls, (std::vector<char>{'b'}));
    EXPECT_EQ(lateCalls, 1);
    EXPECT_EQ(center().observerCount("nc_mutate"), 2);

    // A handler that deletes its own owner, and one that reposts.
    auto* self = new QObject;
    int selfCalls = 0, reposts = 0;
    center().addObserver(self, "nc_self", [&] {
        ++selfCalls;
        delete self;
    });
    center().addObserver(&b, "nc_self", [&] {
        if (++reposts == 1)
            center().post("nc_self");
    });
    center().post("nc_self");
    EXPECT_EQ(selfCalls, 1);
    EXPECT_EQ(reposts, 2);
    center().removeObserver(&a);
    center().removeObserver(&b);
}

// Owners come and go on several threads while the main thread delivers; run
// under ThreadSanitizer this also checks the locking.
TEST(NotificationCenterTest, ConcurrentRegistrationAndPostingLeavesNoObservers) {
    std::atomic<int> calls{0};
    std::atomic<int> running{4};
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
        workers.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i) {
                auto owner = std::make_unique<QObject>();
                center().addObserver(owner.get(), "nc_stress", [&] { ++calls; });
                center().addObserver(owner.get(), "nc_stress_2", [&] { ++calls; });
                center().post(i % 2 ? "nc_stress" : "nc_stress_2");
                if ((i + t) % 3 == 0)
                    center().removeObserver(owner.get(), "nc_stress");
                // Otherwise the owner's destruction removes the observers.
            }
            --running;
        });
    processEventsUntil([&] { return running == 0; });
    for (auto& w : workers)
        w.join();
    drainEvents();
    EXPECT_EQ(center().observerCount("nc_stress"), 0);
    EXPECT_EQ(center().observerCount("nc_stress_2"), 0);
}
