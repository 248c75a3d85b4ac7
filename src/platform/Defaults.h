#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace dovrel {

// A store of typed values under one domain, the stand-in for the platform's
// user defaults and app-group suites.
//
// Each domain is one JSON file, $XDG_CONFIG_HOME/dovrel-cleaner/<domain>.json
// (~/.config when XDG_CONFIG_HOME is unset). The format is documented in
// docs/defaults-format.md; the app and the reminder agent share it.
//
// Every write takes an advisory lock, re-reads the file, applies the one
// change and replaces the file atomically (temporary file + rename), so two
// processes writing one domain never lose each other's values. A write never
// goes ahead without the lock: when a peer holds it longer than lockWait()
// the write fails. Reads come from memory and are refreshed whenever the file
// on disk changed; they never lock.
//
// A damaged, oversized or unreadable file reads as empty. The next write
// moves it aside first ("<file>.damaged-YYYYmmdd-HHMMSS[-n]", local time) so
// that nothing the user had is lost without a trace; a missing file is
// simply created, and a non-regular one (FIFO, folder) is left where it is.
// Nothing here throws or aborts. Thread-safe.
class Defaults {
public:
    static constexpr const char* kStandardDomain = "com.halvik.dovrel-cleaner";
    static constexpr const char* kSharedSuite = "Q4M7RZ2XKD.com.halvik.dovrel-cleaner";

    // The application's own store and the suite shared with the agent.
    // Process-wide instances, created once.
    static Defaults& standard();
    static Defaults& sharedSuite();

    // A store for any domain (tests, tools). The folder is resolved now.
    explicit Defaults(const QString& domain);
    // A store at an explicit file (tests).
    Defaults(const QString& domain, std::filesystem::path file);

    const QString& domain() const { return domain_; }
    const std::filesystem::path& file() const { return file_; }

    // Absent or wrong-typed values read as the platform defaults: NO, 0, absent.
    bool boolForKey(const QString& key) const;
    std::int64_t integerForKey(const QString& key) const;
    std::optional<QByteArray> dataForKey(const QString& key) const;
    std::optional<QDateTime> dateForKey(const QString& key) const;
    bool hasKey(const QString& key) const;

    // Each setter writes through to the file. Returns false when the file
    // could not be written (lock not had in time, damaged file not moved
    // aside, disk refused); the file is then left as it was and the value is
    // kept in memory only.
    bool setBool(const QString& key, bool value);
    bool setInteger(const QString& key, std::int64_t value);
    bool setData(const QString& key, const QByteArray& value);
    bool setDate(const QString& key, const QDateTime& value);
    bool removeObjectForKey(const QString& key);

    // Adds `delta` to the integer under `key` (absent counts as 0) in one
    // read-modify-write under the file lock, so concurrent adders in any
    // process never lose each other's updates. A stored value of a wrong
    // shape ("abc", a text) is not silently replaced: the file is moved aside
    // as a damaged one first and the sum starts from 0. Returns the new
    // value, or absent when the file could not be written.
    std::optional<std::int64_t> addToInteger(const QString& key, std::int64_t delta);

    // Replaces the data under `key` by what `change` makes of it (absent when
    // there is none), in one read-modify-write under the file lock, so
    // concurrent updaters never lose each other's changes. A value that is
    // not data, or that `damaged` rejects, sets the file aside first (as a
    // wrong-shaped integer does) and reaches `change` as absent.
    bool updateData(const QString& key,
                    const std::function<QByteArray(const std::optional<QByteArray>&)>& change,
                    const std::function<bool(const QByteArray&)>& damaged = {});

    // True when the file exists but cannot be read as settings (damaged,
    // oversized, not a regular file): what it held is unknown.
    bool isDamaged() const;

    // Why the last write of this object that failed did so ("" when none has).
    QString lastWriteError() const;

    // Told, on the writing thread, whenever any domain's file was moved
    // aside (the damaged file's new path), so the user can be told once.
    // Set once at start-up, before any write.
    using SetAsideHandler = std::function<void(const std::filesystem::path& aside)>;
    static void setSetAsideHandler(SetAsideHandler handler);

    // How long a write waits for a peer to let go of the lock before it
    // fails (default kDefaultLockWait). Tests make it short.
    static constexpr std::chrono::milliseconds kDefaultLockWait{10000};
    void setLockWait(std::chrono::milliseconds wait) { lockWait_.store(wait.count()); }
    std::chrono::milliseconds lockWait() const { return std::chrono::milliseconds(lockWait_.load()); }

    // Re-reads the file. Writes are never deferred, so this only refreshes.
    void synchronize();

    // The folder that holds every domain file.
    static std::filesystem::path configFolder();

private:
    struct Snapshot {
        bool valid = false;
        std::int64_t mtimeNs = 0;
        std::int64_t size = 0;
        std::uint64_t inode = 0;
    };

    enum class FileState { Absent, Sound, Damaged, NotRegular };

    QJsonObject entryFor(const QString& key) const;
    // Re-reads the file under the lock, lets `change` edit the values and
    // writes them back atomically.
    // `damaged`, when given, may find the sound file damaged all the same
    // (a value of a wrong shape the change would overwrite).
    bool write(const std::function<void(QJsonObject&)>& change,
               const std::function<bool(const QJsonObject&)>& damaged = {});
    bool write(const QString& key, const std::optional<QJsonObject>& entry);
    static std::int64_t integerOf(const QJsonObject& entry);
    static std::optional<QByteArray> dataOf(const QJsonObject& entry);
    void refreshLocked() const;
    static QJsonObject readFile(const std::filesystem::path& file, FileState* state = nullptr);
    // Renames a damaged file to a free "<file>.damaged-..." name.
    bool moveAside();

    QString domain_;
    std::filesystem::path file_;
    mutable std::mutex mutex_;
    mutable QJsonObject values_;
    mutable Snapshot seen_;
    QString lastWriteError_;
    std::atomic<std::int64_t> lockWait_{kDefaultLockWait.count()};
};

} // namespace dovrel
