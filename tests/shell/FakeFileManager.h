#pragma once

#include "scheduler/PrivateSessionBus.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <memory>

namespace dovrel::test {

// A file manager for tests: owns org.freedesktop.FileManager1 on the given
// bus and records the URIs of every ShowItems and ShowItemProperties call.
class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    // Takes over `connection` (a connection of its own) and ends it when done.
    explicit FakeFileManager(QDBusConnection connection);
    ~FakeFileManager() override;

    bool isRegistered() const { return registered_; }
    const QList<QStringList>& shownItems() const { return shownItems_; }
    const QList<QStringList>& shownProperties() const { return shownProperties_; }

public slots:
    void ShowItems(const QStringList& uris, const QString& startupId);
    void ShowItemProperties(const QStringList& uris, const QString& startupId);
    void ShowFolders(const QStringList& uris, const QString& startupId);

private:
    QDBusConnection connection_;
    bool registered_ = false;
    QList<QStringList> shownItems_;
    QList<QStringList> shownProperties_;
};

// A private bus for Workspace's file-manager calls, with the fake on it when
// `withFileManager` (else nobody owns the name, as on a desktop without a
// file manager), and the default-handler openings recorded instead of made.
// Everything is put back when it goes.
class FileManagerBus {
public:
    explicit FileManagerBus(bool withFileManager);
    ~FileManagerBus();

    bool ready() const;
    QString error() const { return bus.error(); }

    PrivateSessionBus bus;
    std::unique_ptr<FakeFileManager> fileManager;
    QList<QUrl> opened;
};

} // namespace dovrel::test
