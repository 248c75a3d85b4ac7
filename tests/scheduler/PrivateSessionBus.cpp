#include "scheduler/PrivateSessionBus.h"

#include <QElapsedTimer>
#include <QFile>

#include <atomic>

namespace dovrel::test {

PrivateSessionBus::PrivateSessionBus() {
    const QString folder = QFile::decodeName(dir_.path().c_str());
    const QString config = folder + QStringLiteral("/bus.conf");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        error_ = QStringLiteral("cannot write the bus configuration");
        return;
    }
    file.write(
        QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=%1/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
            .arg(folder)
            .toUtf8());
    file.close();

    daemon_.setProgram(QStringLiteral("dbus-daemon"));
    daemon_.setArguments({QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                          QStringLiteral("--print-address")});
    daemon_.setProcessChannelMode(QProcess::SeparateChannels);
    daemon_.start();
    if (!daemon_.waitForStarted(5000)) {
        error_ = QStringLiteral("cannot start dbus-daemon (package dbus-daemon): ") + daemon_.errorString();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray out;
    while (!out.contains('\n') && clock.elapsed() < 5000) {
        daemon_.waitForReadyRead(200);
        out += daemon_.readAllStandardOutput();
        if (daemon_.state() == QProcess::NotRunning)
            break;
    }
    if (!out.contains('\n')) {
        error_ = QStringLiteral("dbus-daemon printed no address: ") +
                 QString::fromLocal8Bit(daemon_.readAllStandardError());
        return;
    }
    address_ = QString::fromUtf8(out.left(out.indexOf('\n'))).trimmed();
}

PrivateSessionBus::~PrivateSessionBus() {
    if (daemon_.state() != QProcess::NotRunning) {
        daemon_.terminate();
        if (!daemon_.waitForFinished(3000)) {
            daemon_.kill();
            daemon_.waitForFinished(3000);
        }
    }
}

QDBusConnection PrivateSessionBus::connect() const {
    static std::atomic<int> counter{0};
    return QDBusConnection::connectToBus(address_, QStringLiteral("dovrel-test-%1").arg(++counter));
}

} // namespace dovrel::test
