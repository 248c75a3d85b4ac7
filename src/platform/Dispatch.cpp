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

namespace dovrel {

namespace {

std::atomic<double> g_delayFactor{1.0};

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
    if (!work)
        return;
    QThreadPool::globalInstance()->start(std::move(work));
}

void Dispatch::main_async(std::function<void()> work) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!work || app == nullptr)
        return; // without an application there is no main loop to run it
    // Queued calls to one receiver run in the order they were posted.
    QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
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
