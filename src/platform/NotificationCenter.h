#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace dovrel {

// Named notifications without object or user information, the stand-in for
// the platform's default notification centre.
//
// Observers are registered for an owner QObject and are removed automatically
// when the owner is destroyed, so a released screen is never called.
// Handlers always run on the main (GUI) thread:
//  - post() from the main thread delivers synchronously, to every observer of
//    the name in registration order, before it returns;
//  - post() from any other thread queues the delivery to the main thread;
//    deliveries queued by one thread arrive in posting order.
// A queued delivery finds its observers when it runs: an owner destroyed in
// between is not called. A handler may add or remove observers, post, or
// delete owners (its own included) while a delivery is running.
// Without a QCoreApplication there is no main loop: post() then delivers on
// the calling thread and postAsync() does nothing.
// Thread-safe. An owner is expected to live in, and be deleted on, the main
// thread; it must not be mid-destruction when it is registered.
class NotificationCenter {
public:
    static NotificationCenter& defaultCenter();

    void addObserver(QObject* owner, const QString& name, std::function<void()> handler);
    // Removes the owner's observers of `name`, or all of them when name is empty.
    void removeObserver(QObject* owner, const QString& name = QString());

    void post(const QString& name);
    // Always queues the delivery to the main thread, even from the main thread.
    void postAsync(const QString& name);

    // Number of observers of a name (tests, consistency checks).
    int observerCount(const QString& name) const;

private:
    NotificationCenter();
    ~NotificationCenter();
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    struct Impl;
    Impl* d;
};

} // namespace dovrel
