#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace dovrel::test {

// A desktop notification service for tests: owns org.freedesktop.Notifications
// on the given bus, records every Notify and CloseNotification, and sends
// ActionInvoked when the test says so (as a user's click would).
class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notification {
        QString appName;
        uint replacesId = 0;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout = 0;
        uint id = 0;
    };

    // Takes over `connection` (a connection of its own) and ends it when done.
    explicit FakeNotificationServer(QDBusConnection connection);
    ~FakeNotificationServer() override;

    bool isRegistered() const { return registered_; }

    const QList<Notification>& notifications() const { return notifications_; }
    const QList<uint>& closed() const { return closed_; }

    // The user pressed an action (or the body: "default") of notification `id`.
    void invokeAction(uint id, const QString& key) { emit ActionInvoked(id, key); }

public slots:
    uint Notify(const QString& app_name, uint replaces_id, const QString& app_icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints,
                int expire_timeout);
    void CloseNotification(uint id);
    QStringList GetCapabilities();

signals:
    void ActionInvoked(uint id, const QString& action_key);
    void NotificationClosed(uint id, uint reason);

private:
    QDBusConnection connection_;
    bool registered_ = false;
    uint nextId_ = 41;
    QList<Notification> notifications_;
    QList<uint> closed_;
};

} // namespace dovrel::test
