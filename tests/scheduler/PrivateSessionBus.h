#pragma once

#include "support/TempDir.h"

#include <QDBusConnection>
#include <QProcess>
#include <QString>

namespace dovrel::test {

// A dbus-daemon of the test's own, reachable only through its socket in a
// temporary folder. It knows no activatable services, so a name nobody owns
// answers ServiceUnknown at once instead of starting a real program.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Empty when the daemon could not be started; error() says why.
    const QString& address() const { return address_; }
    const QString& error() const { return error_; }

    // A new connection to the bus under a name of its own; the caller ends it
    // with QDBusConnection::disconnectFromBus(connection.name()).
    QDBusConnection connect() const;

private:
    TempDir dir_;
    QProcess daemon_;
    QString address_;
    QString error_;
};

} // namespace dovrel::test
