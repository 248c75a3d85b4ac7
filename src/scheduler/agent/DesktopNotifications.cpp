#include "scheduler/agent/DesktopNotifications.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace dovrel::agent {

namespace {
QString name(const char* text) {
    return QString::fromLatin1(text);
}
} // namespace

DesktopNotifications::DesktopNotifications(ConnectionProvider provider, QObject* parent)
    : QObject(parent), provider_(std::move(provider)) {}

bool DesktopNotifications::connectToBus() {
    if (connection_ && connection_->isConnected())
        return true;
    connection_ = provider_ ? provider_() : QDBusConnection(QString());
    if (!connection_->isConnected()) {
        const QDBusError error = connection_->lastError();
        lastError_ = error.isValid() ? error.message() : QStringLiteral("no session bus");
        return false;
    }
    // Subscribing by the well-known name makes the bus deliver only signals
    // sent by whoever owns the service, and follows a change of owner.
    if (!connection_->connect(name(kService), name(kPath), name(kInterface), QStringLiteral("ActionInvoked"),
                              this, SLOT(onActionInvoked(uint, QString)))) {
        lastError_ = connection_->lastError().message();
        return false;
    }
    return true;
}

void DesktopNotifications::notify(const QString& appName, const QString& appIcon, const QString& summary,
                                  const QString& body, const QStringList& actions, const QVariantMap& hints,
                                  int expireTimeout) {
    if (!connection_ || !connection_->isConnected()) {
        // Reported from the event loop like every other outcome.
        QMetaObject::invokeMethod(
            this, [this] { emit failed(QStringLiteral("not connected to the session bus")); },
            Qt::QueuedConnection);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(name(kService), name(kPath), name(kInterface),
                                                       QStringLiteral("Notify"));
    call << appName << uint(0) << appIcon << summary << body << actions << hints << expireTimeout;
    auto* watcher = new QDBusPendingCallWatcher(connection_->asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        QDBusPendingReply<uint> reply = *w;
        if (reply.isError())
            emit failed(reply.error().message().isEmpty() ? reply.error().name() : reply.error().message());
        else
            emit delivered(reply.value());
    });
}

void DesktopNotifications::close(uint id) {
    if (!connection_ || !connection_->isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(name(kService), name(kPath), name(kInterface),
                                                       QStringLiteral("CloseNotification"));
    call << id;
    connection_->asyncCall(call, kCallTimeoutMs);
}

void DesktopNotifications::onActionInvoked(uint id, const QString& key) {
    emit actionInvoked(id, key);
}

} // namespace dovrel::agent
