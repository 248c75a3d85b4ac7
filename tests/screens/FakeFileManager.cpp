#include "FakeFileManager.h"

namespace dovrel::test {

namespace {
const QString kService = QStringLiteral("org.freedesktop.FileManager1");
const QString kPath = QStringLiteral("/org/freedesktop/FileManager1");
} // namespace

FakeFileManager::FakeFileManager(QDBusConnection connection)
    : connection_(std::move(connection)), service_(new FakeFileManagerService) {
    service_->moveToThread(&thread_);
    thread_.start();
    registered_ = connection_.isConnected() &&
                  connection_.registerObject(kPath, service_, QDBusConnection::ExportAllSlots) &&
                  connection_.registerService(kService);
}

FakeFileManager::~FakeFileManager() {
    connection_.unregisterService(kService);
    connection_.unregisterObject(kPath);
    QDBusConnection::disconnectFromBus(connection_.name());
    thread_.quit();
    thread_.wait();
    delete service_;
}

QStringList FakeFileManager::calls() const {
    return service_->calls();
}

void FakeFileManager::clear() {
    service_->clear();
}

QStringList FakeFileManagerService::calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

void FakeFileManagerService::clear() {
    std::lock_guard lock(mutex_);
    calls_.clear();
}

void FakeFileManagerService::record(const char* method, const QStringList& uris) {
    std::lock_guard lock(mutex_);
    calls_.append((QStringList{QString::fromLatin1(method)} + uris).join(QLatin1Char(' ')));
}

void FakeFileManagerService::ShowItems(const QStringList& uris, const QString&) {
    record("ShowItems", uris);
}

void FakeFileManagerService::ShowFolders(const QStringList& uris, const QString&) {
    record("ShowFolders", uris);
}

void FakeFileManagerService::ShowItemProperties(const QStringList& uris, const QString&) {
    record("ShowItemProperties", uris);
}

} // namespace dovrel::test
