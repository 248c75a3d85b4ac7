#include "platform/gui/Workspace.h"

#include "platform/Dispatch.h"
#include "platform/gui/FileManagerEntry.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QPointer>
#include <QStringList>

#include <mutex>
#include <set>

namespace dovrel {

namespace {

std::mutex g_mutex;
Workspace::URLOpener g_opener;
std::optional<QDBusConnection> g_bus;

QDBusConnection fileManagerBus() {
    std::lock_guard lock(g_mutex);
    return g_bus ? *g_bus : QDBusConnection::sessionBus();
}

// Calls one method of the file manager with the items' URIs and an empty
// start-up id; `answered(bool)` runs from the event loop with whether the
// call got a reply (not an error, not a timeout).
void callFileManager(const QString& method, const std::vector<std::filesystem::path>& items,
                     std::function<void(bool)> answered) {
    QDBusConnection bus = fileManagerBus();
    if (!bus.isConnected() || QCoreApplication::instance() == nullptr) {
        answered(false);
        return;
    }
    QStringList uris;
    for (const auto& item : items)
        uris << Workspace::fileURI(item);
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(Workspace::kFileManagerService), QString::fromLatin1(Workspace::kFileManagerPath),
        QString::fromLatin1(Workspace::kFileManagerInterface), method);
    call << uris << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, Workspace::kCallTimeoutMs),
                                                QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [watcher, answered = std::move(answered)] {
                         const bool ok = !watcher->isError();
                         watcher->deleteLater();
                         answered(ok);
                     });
}

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

QString Workspace::fileURI(const std::filesystem::path& path) {
    return QString::fromLatin1(fileURL(path).toEncoded());
}

bool Workspace::openFolder(const std::filesystem::path& folder) {
    URLOpener opener;
    {
        std::lock_guard lock(g_mutex);
        opener = g_opener;
    }
    if (opener)
        return opener(fileURL(folder));
    const std::optional<FileManagerEntry> entry =
        FileManagerEntry::find(FileManagerEntry::processEnvironment());
    return entry && entry->open(folder);
}

void Workspace::activateFileViewerSelectingURLs(const std::vector<std::filesystem::path>& items,
                                                std::function<void(Revealed)> done) {
    if (items.empty())
        return;
    callFileManager(QStringLiteral("ShowItems"), items, [items, done = std::move(done)](bool taken) {
        if (taken) {
            if (done)
                done(Revealed::ByFileManager);
            return;
        }
        auto openAll = [items] {
            std::set<std::string> seen;
            bool all = true;
            for (const auto& item : items) {
                const std::filesystem::path folder = item.parent_path();
                if (seen.insert(folder.native()).second)
                    all = openFolder(folder) && all;
            }
            return all ? Revealed::FoldersOpened : Revealed::Failed;
        };
        bool installed;
        {
            std::lock_guard lock(g_mutex);
            installed = bool(g_opener);
        }
        if (installed) { // an installed opener is called where it was installed
            const Revealed result = openAll();
            if (done)
                done(result);
            return;
        }
        // Reading the desktop entries and starting a program stay off the
        // main thread.
        Dispatch::global_async([openAll, done] {
            const Revealed result = openAll();
            if (done)
                Dispatch::main_async([result, done] { done(result); });
        });
    });
}

void Workspace::reveal(const std::filesystem::path& item) {
    activateFileViewerSelectingURLs({item});
}

void Workspace::showItemProperties(const std::vector<std::filesystem::path>& items, QObject* context,
                                   std::function<void(bool)> done) {
    if (items.empty() || !done)
        return;
    const bool bound = context != nullptr;
    QPointer<QObject> guard(context);
    callFileManager(QStringLiteral("ShowItemProperties"), items,
                    [bound, guard, done = std::move(done)](bool taken) {
                        if (!bound || guard)
                            done(taken);
                    });
}

void Workspace::setURLOpener(URLOpener opener) {
    std::lock_guard lock(g_mutex);
    g_opener = std::move(opener);
}

void Workspace::setFileManagerBus(std::optional<QDBusConnection> bus) {
    std::lock_guard lock(g_mutex);
    g_bus = std::move(bus);
}

} // namespace dovrel
