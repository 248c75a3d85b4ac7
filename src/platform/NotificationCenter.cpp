#include "platform/NotificationCenter.h"

#include "platform/Dispatch.h"

#include <QCoreApplication>
#include <QHash>
#include <QMetaObject>
#include <QPointer>
#include <QThread>

#include <memory>
#include <mutex>
#include <vector>

// Design
//
//   observers:  name  -> [ Observer, Observer, ... ]   (registration order)
//   owners:     owner -> connection to owner's destroyed() + number of observers
//
// Every Observer is held by shared_ptr. A delivery copies the list of the name
// under the lock (a snapshot) and then calls the handlers without the lock, so
// a handler may add or remove observers, post again or delete an owner. Before
// each call the observer's `active` flag is checked again under the lock and
// its owner through a QPointer: an observer removed, or whose owner died,
// after the snapshot was taken is skipped. The snapshot also keeps the
// std::function alive while it runs, so a handler that removes itself does
// not destroy its own closure.
//
// The owner's destroyed() signal is connected directly (no context object), so
// the observers are dropped inside the owner's destructor on whatever thread
// deletes it, before any queued delivery can reach them.
//
// Queued deliveries carry only the name; the observers are looked up when the
// delivery runs on the main thread. They go through Dispatch::main_async, which
// runs in posting order.

namespace dovrel {

namespace {

struct Observer {
    QObject* owner = nullptr; // identity only; never dereferenced
    QPointer<QObject> guard;  // liveness check right before a call
    std::function<void()> handler;
    bool active = true; // guarded by Impl::mutex
};

struct OwnerEntry {
    QMetaObject::Connection connection;
    int observers = 0;
};

bool onMainThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

} // namespace

struct NotificationCenter::Impl {
    mutable std::mutex mutex;
    QHash<QString, std::vector<std::shared_ptr<Observer>>> observers;
    QHash<QObject*, OwnerEntry> owners;

    // Marks the matching observers inactive and moves them to `removed`.
    // Called with the lock held; the caller releases `removed` after
    // unlocking, because a handler's captures may call back into the centre
    // from their destructors.
    void dropLocked(QObject* owner, const QString& name, std::vector<std::shared_ptr<Observer>>& removed) {
        for (auto it = observers.begin(); it != observers.end();) {
            if (!name.isEmpty() && it.key() != name) {
                ++it;
                continue;
            }
            auto& list = it.value();
            for (auto o = list.begin(); o != list.end();) {
                if ((*o)->owner == owner) {
                    (*o)->active = false;
                    removed.push_back(std::move(*o));
                    o = list.erase(o);
                } else {
                    ++o;
                }
            }
            if (list.empty())
                it = observers.erase(it);
            else
                ++it;
        }
    }

    void ownerDestroyed(QObject* owner) {
        std::vector<std::shared_ptr<Observer>> removed;
        std::lock_guard lock(mutex);
        dropLocked(owner, QString(), removed);
        owners.remove(owner);
        // `lock` is released before `removed`.
    }

    void deliver(const QString& name) {
        std::vector<std::shared_ptr<Observer>> snapshot;
        {
            std::lock_guard lock(mutex);
            auto it = observers.constFind(name);
            if (it == observers.constEnd())
                return;
            snapshot = it.value();
        }
        for (const auto& observer : snapshot) {
            {
                std::lock_guard lock(mutex);
                if (!observer->active)
                    continue;
            }
            if (observer->guard.isNull())
                continue;
            if (observer->handler)
                observer->handler();
        }
    }

    // Through the main queue, so notifications and other main-queue work
    // posted by one thread keep their order.
    void queue(const QString& name) {
        Dispatch::main_async([this, name] { deliver(name); });
    }
};

NotificationCenter& NotificationCenter::defaultCenter() {
    // Never destroyed: owners that die during static destruction still reach
    // a live centre through their destroyed() connection.
    static NotificationCenter* center = new NotificationCenter();
    return *center;
}

NotificationCenter::NotificationCenter() : d(new Impl) {}

NotificationCenter::~NotificationCenter() {
    QHash<QObject*, OwnerEntry> owners;
    {
        std::lock_guard lock(d->mutex);
        owners.swap(d->owners);
    }
    for (auto& entry : owners)
        QObject::disconnect(entry.connection);
    delete d;
}

void NotificationCenter::addObserver(QObject* owner, const QString& name, std::function<void()> handler) {
    if (owner == nullptr || name.isEmpty() || !handler)
        return;
    auto observer = std::make_shared<Observer>();
    observer->owner = owner;
    observer->guard = owner;
    observer->handler = std::move(handler);

    // Connect outside the lock (connecting takes Qt's own locks of the owner);
    // the first observer of an owner keeps the connection, later ones drop it.
    Impl* impl = d;
    QMetaObject::Connection connection =
        QObject::connect(owner, &QObject::destroyed, [impl](QObject* o) { impl->ownerDestroyed(o); });
    QMetaObject::Connection unused;
    {
        std::lock_guard lock(d->mutex);
        OwnerEntry& entry = d->owners[owner];
        if (entry.observers == 0)
            entry.connection = connection;
        else
            unused = connection;
        ++entry.observers;
        d->observers[name].push_back(std::move(observer));
    }
    if (unused)
        QObject::disconnect(unused);
}

void NotificationCenter::removeObserver(QObject* owner, const QString& name) {
    if (owner == nullptr)
        return;
    std::vector<std::shared_ptr<Observer>> removed;
    QMetaObject::Connection unused;
    {
        std::lock_guard lock(d->mutex);
        d->dropLocked(owner, name, removed);
        auto it = d->owners.find(owner);
        if (it == d->owners.end())
            return;
        it->observers -= static_cast<int>(removed.size());
        if (it->observers > 0)
            return;
        unused = it->connection;
        d->owners.erase(it);
    }
    // Outside the lock: disconnecting takes Qt's own locks of the owner.
    QObject::disconnect(unused);
}

void NotificationCenter::post(const QString& name) {
    if (onMainThread() || QCoreApplication::instance() == nullptr)
        d->deliver(name);
    else
        d->queue(name);
}

void NotificationCenter::postAsync(const QString& name) {
    d->queue(name);
}

int NotificationCenter::observerCount(const QString& name) const {
    std::lock_guard lock(d->mutex);
    auto it = d->observers.constFind(name);
    return it == d->observers.constEnd() ? 0 : static_cast<int>(it.value().size());
}

} // namespace dovrel
