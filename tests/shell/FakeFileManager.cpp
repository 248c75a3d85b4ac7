#include "FakeFileManager.h"

#include "platform/gui/Workspace.h"

namespace dovrel::test {

namespace {
const QString kService = QStringLiteral("org.freedesktop.FileManager1");
const QString kPath = QStringLiteral("/org/freedesktop/FileManager1");
} // namespace

FakeFileManager::FakeFileManager(QDBusConnection connection) : connection_(std::move(connection)) {
    registered_ = connection_.isConnected() &&
                  connection_.registerObject(kPath, this, QDBusConnection::ExportAllSlots) &&
                  connection_.registerService(kService);
}

FakeFileManager::~FakeFileManager() {
    connection_.unregisterService(kService);
    connection_.unregisterObject(kPath);
    QDBusConnection::disconnectFromBus(connection_.name());
}

void FakeFileManager::ShowItems(const QStringList& uris, const QString&) {
    shownItems_.append(uris);
}

void FakeFileManager::ShowItemProperties(const QStringList& uris, const QString&) {
    shownProperties_.append(uris);
}

void FakeFileManager::ShowFolders(const QStringList&, const QString&) {}

FileManagerBus::FileManagerBus(bool withFileManager) {
    Workspace::setURLOpener([this](const QUrl& url) {
        opened << url;
        return true;
    });
    if (bus.address().isEmpty())
        return;
    Workspace::setFileManagerBus(bus.connect());
    if (withFileManager)
        fileManager = std::make_unique<FakeFileManager>(bus.connect());
}

FileManagerBus::~FileManagerBus() {
    Workspace::setFileManagerBus(std::nullopt);
    Workspace::setURLOpener({});
    fileManager.reset();
}

bool FileManagerBus::ready() const {
    return !bus.address().isEmpty() && (!fileManager || fileManager->isRegistered());
}

} // namespace dovrel::test
