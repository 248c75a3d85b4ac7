#include "platform/Dispatch.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <climits>
#include <cmath>
#include <deque>
#include <mutex>

// The main queue
//
//   any thread: lock; push work; post "runNext" to the receiver; unlock
//   main thread: runNext: lock; pop front; unlock; run it
//
// The work waits in a std::mutex-guarded queue and the queued call itself
// carries no data. That keeps the hand-over visible to ThreadSanitizer (Qt's
// own event queue is not instrumented, so a functor travelling inside the
// event shows up as a race), and because pushing and posting happen under one
// lock, the n-th call pops the n-th item: the queue runs in the same order as
// every other event posted to the main thread.
//
// The global queue hands work to the thread pool the same way: the pool gets a
// task without captures that pops one item from a mutex-guarded queue, so a
// pool thread reused for the next task still sees what the poster wrote.

namespace dovrel {

namespace {

std::atomic<double> g_delayFactor{1.0};

class MainQueue : public QObject {
    Q_OBJECT
public:
    static void push(std::function<void()> work) {
        std::lock_guard lock(mutex_);
        QCoreApplication* app = QCoreApplication::instance();
        if (app == nullptr)
            return; // without an application there is no main loop to run it
        ensureReceiverLocked(app);
        items_.push_back(std::move(work));
        QMetaObject::invokeMethod(receiver_, "runNext", Qt::QueuedConnection);
    }

    Q_INVOKABLE void runNext() {
        std::function<void()> work;
        {
            std::lock_guard lock(mutex_);
            if (items_.empty())
                return;
            work = std::move(items_.front());
            items_.pop_front();
        }
        work();
    }

    // Runs on the main thread while the application object is constructed,
    // so the receiver is made there and not on the first posting thread.
    static void createReceiver() {
        std::lock_guard lock(mutex_);
        ensureReceiverLocked(QCoreApplication::instance());
    }

private:
    static void ensureReceiverLocked(QCoreApplication* app) {
        if (receiver_ != nullptr || app == nullptr)
            return;
        // Never deleted: a deleted receiver would drop calls and leave items
        // without their call.
        receiver_ = new MainQueue;
        if (receiver_->thread() != app->thread())
            receiver_->moveToThread(app->thread());
    }

    static inline std::mutex mutex_;
    static inline std::deque<std::function<void()>> items_;
    static inline MainQueue* receiver_ = nullptr;
};

void createMainQueueReceiver() {
    MainQueue::createReceiver();
}
Q_COREAPP_STARTUP_FUNCTION(createMainQueueReceiver)

class GlobalQueue {
public:
    static void push(std::function<void()> work) {
        {
            std::lock_guard lock(mutex_);
            items_.push_back(std::move(work));
        }
        QThreadPool::globalInstance()->start([] { runNext(); });
    }

private:
    static void runNext() {
        std::function<void()> work;
        {
            std::lock_guard lock(mutex_);
            if (items_.empty())
                return;
            work = std::move(items_.front());
            items_.pop_front();
        }
        work();
    }

    static inline std::mutex mutex_;
    static inline std::deque<std::function<void()>> items_;
};

// The delay as whole milliseconds for QTimer: scaled by the factor, rounded,
// never negative and never past what a timer accepts.
int scaledMilliseconds(std::chrono::milliseconds delay) {
    const double ms = static_cast<double>(delay.count()) * g_delayFactor.load(std::memory_order_relaxed);
    if (!(ms > 0.0))
        return 0; // also NaN
    if (ms >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(std::lround(ms));
}

} // namespace

void Dispatch::global_async(std::function<void()> work) {
    if (work)
        GlobalQueue::push(std::move(work));
}

void Dispatch::main_async(std::function<void()> work) {
    if (work)
        MainQueue::push(std::move(work));
}

void Dispatch::main_after(QObject* context, std::chrono::milliseconds delay, std::function<void()> work) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!work || app == nullptr)
        return;
    if (context == nullptr)
        context = app; // unbound: runs while the application lives
    if (QThread::currentThread() != app->thread()) {
        // Timers belong to the thread that starts them; start this one on the
        // main thread, and only if the context survived the hop.
        QPointer<QObject> guard(context);
        main_async([guard, delay, work = std::move(work)]() mutable {
            if (guard)
                main_after(guard.data(), delay, std::move(work));
        });
        return;
    }
    // The timer is bound to `context`: deleting the context deletes the
    // pending call with it.
    QTimer::singleShot(scaledMilliseconds(delay), context, std::move(work));
}

void Dispatch::setDelayFactor(double factor) {
    if (!(factor >= 0.0))
        factor = 0.0; // negative or NaN
    g_delayFactor.store(factor, std::memory_order_relaxed);
}

double Dispatch::delayFactor() {
    return g_delayFactor.load(std::memory_order_relaxed);
}

} // namespace dovrel

#include "Dispatch.moc"
