#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <optional>

namespace dovrel::agent {

// Client of the desktop's notification service, org.freedesktop.Notifications
// on the session bus.
//
// Every call is asynchronous with a bounded reply timeout, so the agent's
// event loop never waits on the service (and a service living in the same
// process, as in tests, cannot deadlock it). Results come back as signals
// from the event loop.
class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.Notifications";
    static constexpr const char* kPath = "/org/freedesktop/Notifications";
    static constexpr const char* kInterface = "org.freedesktop.Notifications";
    // Upper bound for each call; a service started on demand gets this long.
    static constexpr int kCallTimeoutMs = 10000;

    using ConnectionProvider = std::function<QDBusConnection()>;

    // The provider is called once, on connectToBus(): the bus is not touched
    // before the agent knows it has something to post.
    explicit DesktopNotifications(ConnectionProvider provider, QObject* parent = nullptr);

    // Connects to the bus and subscribes to the service's ActionInvoked
    // signal. False when there is no bus; lastError() then says why.
    bool connectToBus();
    QString lastError() const { return lastError_; }

    // Notify with replaces_id 0 and the given fields. Exactly one of
    // delivered() or failed() follows, from the event loop.
    void notify(const QString& appName, const QString& appIcon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int expireTimeout);

    // CloseNotification(id); the outcome is not reported.
    void close(uint id);

signals:
    void delivered(uint id);
    void failed(const QString& message);
    // The service's ActionInvoked(id, action key), for every notification.
    void actionInvoked(uint id, const QString& key);

private slots:
    void onActionInvoked(uint id, const QString& key);

private:
    ConnectionProvider provider_;
    std::optional<QDBusConnection> connection_;
    QString lastError_;
};

} // namespace dovrel::agent
