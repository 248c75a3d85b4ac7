#pragma once

#include <QObject>

#include <chrono>
#include <functional>

namespace dovrel {

// The stand-in for the platform's dispatch queues.
//  - global_async: runs the work on the shared thread pool.
//  - main_async: runs the work on the main thread's event loop (FIFO per
//    posting thread).
//  - main_after: runs the work on the main thread after a delay, only while
//    `context` is alive; a destroyed context cancels it. Call it from the main
//    thread (from another thread the timer is started on the main thread).
//    A null context binds the work to the application object.
// main_async and main_after do nothing without a QCoreApplication.
// Once-only creation uses function-local statics or std::call_once.
class Dispatch {
public:
    static void global_async(std::function<void()> work);
    static void main_async(std::function<void()> work);
    static void main_after(QObject* context, std::chrono::milliseconds delay, std::function<void()> work);

    // Global duration factor of delayed steps (tests may set 0 for immediate
    // steps that still go through the event loop). Default 1.
    static void setDelayFactor(double factor);
    static double delayFactor();
};

} // namespace dovrel
