#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QThread>

#include <mutex>

namespace dovrel::test {

// The file manager's D-Bus service for tests: owns
// org.freedesktop.FileManager1 on the given bus and records every call as
// "<method> <uri> <uri>...". It answers from a thread of its own, so a caller
// on the main thread may wait for the reply as the real one does.
class FakeFileManagerService;

class FakeFileManager {
public:
    // Takes over `connection` (a connection of its own) and ends it when done.
    explicit FakeFileManager(QDBusConnection connection);
    ~FakeFileManager();
    FakeFileManager(const FakeFileManager&) = delete;
    FakeFileManager& operator=(const FakeFileManager&) = delete;

    bool isRegistered() const { return registered_; }
    QStringList calls() const;
    void clear();

private:
    QDBusConnection connection_;
    QThread thread_;
    FakeFileManagerService* service_;
    bool registered_ = false;
};

// The object behind the service, living on the service's thread.
class FakeFileManagerService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList calls() const;
    void clear();

public slots:
    void ShowItems(const QStringList& uris, const QString& startupId);
    void ShowFolders(const QStringList& uris, const QString& startupId);
    void ShowItemProperties(const QStringList& uris, const QString& startupId);

private:
    void record(const char* method, const QStringList& uris);

    mutable std::mutex mutex_;
    QStringList calls_;
};

} // namespace dovrel::test
