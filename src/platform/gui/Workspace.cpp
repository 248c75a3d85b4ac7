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
    QDBusConnection bus = QDBusConnection::sessionBus();
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

} // namespace dovrel
