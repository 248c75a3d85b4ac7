#include "platform/gui/Workspace.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDesktopServices>
#include <QStringList>

#include <mutex>

namespace dovrel {

namespace {

std::mutex g_mutex;
Workspace::URLOpener g_opener;

QDBusConnection fileManagerBus(); // test seam, below

} // namespace

bool Workspace::openURL(const QUrl& url) {
    URLOpener opener;
    {
        std::lock_guard lock(g_mutex);
        opener = g_opener;
    }
    if (opener)
        return opener(url);
    return QDesktopServices::openUrl(url);
}

QUrl Workspace::fileURL(const std::filesystem::path& path) {
    const std::string& bytes = path.native();
    const QByteArray encoded =
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toPercentEncoding("/");
    return QUrl::fromEncoded(QByteArray("file://") + encoded, QUrl::StrictMode);
}

void Workspace::reveal(const std::filesystem::path& item) {
    QDBusConnection bus = fileManagerBus();
    if (bus.isConnected()) {
        QDBusInterface fileManager(QStringLiteral("org.freedesktop.FileManager1"),
                                   QStringLiteral("/org/freedesktop/FileManager1"),
                                   QStringLiteral("org.freedesktop.FileManager1"), bus);
        fileManager.setTimeout(3000); // a hung file manager must not freeze the window for long
        if (fileManager.isValid()) {
            QDBusMessage reply =
                fileManager.call(QStringLiteral("ShowItems"),
                                 QStringList{QString::fromLatin1(fileURL(item).toEncoded())}, QString());
            if (reply.type() == QDBusMessage::ReplyMessage)
                return;
        }
    }
    openURL(fileURL(item.parent_path()));
}

void Workspace::setURLOpener(URLOpener opener) {
    std::lock_guard lock(g_mutex);
    g_opener = std::move(opener);
}

// ---- Test seam of reveal() -------------------------------------------------

namespace {

QString g_fileManagerConnection;

QDBusConnection fileManagerBus() {
    QString name;
    {
        std::lock_guard lock(g_mutex);
        name = g_fileManagerConnection;
    }
    return name.isEmpty() ? QDBusConnection::sessionBus() : QDBusConnection(name);
}

} // namespace

void Workspace::setFileManagerConnection(const QString& connectionName) {
    std::lock_guard lock(g_mutex);
    g_fileManagerConnection = connectionName;
}

} // namespace dovrel
