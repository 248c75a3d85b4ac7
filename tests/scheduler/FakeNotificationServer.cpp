#include "scheduler/FakeNotificationServer.h"

namespace dovrel::test {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
} // namespace

FakeNotificationServer::FakeNotificationServer(QDBusConnection connection)
    : connection_(std::move(connection)) {
    registered_ = connection_.isConnected() &&
                  connection_.registerObject(
                      kPath, this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
                  connection_.registerService(kService);
}

FakeNotificationServer::~FakeNotificationServer() {
    connection_.unregisterService(kService);
    connection_.unregisterObject(kPath);
    QDBusConnection::disconnectFromBus(connection_.name());
}

uint FakeNotificationServer::Notify(const QString& app_name, uint replaces_id, const QString& app_icon,
                                    const QString& summary, const QString& body, const QStringList& actions,
                                    const QVariantMap& hints, int expire_timeout) {
    Notification n{app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout, ++nextId_};
    notifications_.append(n);
    return n.id;
}

void FakeNotificationServer::CloseNotification(uint id) {
    closed_.append(id);
    emit NotificationClosed(id, 3);
}

QStringList FakeNotificationServer::GetCapabilities() {
    return {QStringLiteral("actions"), QStringLiteral("body"), QStringLiteral("sound")};
}

} // namespace dovrel::test
