#include "platform/Defaults.h"

#include "platform/FileLock.h"

#include <QJsonDocument>
#include <QJsonValue>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace dovrel {

namespace {

// Settings files are small; anything bigger is damage, not data.
constexpr std::int64_t kMaxFileSize = 4 * 1024 * 1024;
constexpr const char* kFormat = "dovrel-defaults/1";

QJsonObject makeEntry(const char* type, const QJsonValue& value) {
    QJsonObject e;
    e.insert(QStringLiteral("type"), QString::fromLatin1(type));
    e.insert(QStringLiteral("value"), value);
    return e;
}

std::optional<QByteArray> readWhole(int fd) {
    QByteArray out;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        out.append(buf, n);
        if (out.size() > kMaxFileSize)
            return std::nullopt;
    }
    return out;
}

bool writeAll(int fd, const QByteArray& data) {
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

std::filesystem::path Defaults::configFolder() {
    QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (!xdg.isEmpty() && xdg.startsWith('/')) {
        base = std::filesystem::path(xdg.toStdString());
    } else {
        QByteArray home = qgetenv("HOME");
        base = std::filesystem::path(home.isEmpty() ? std::string("/tmp") : home.toStdString()) / ".config";
    }
    return base / "dovrel-cleaner";
}

Defaults& Defaults::standard() {
    static Defaults instance(QString::fromLatin1(kStandardDomain));
    return instance;
}

Defaults& Defaults::sharedSuite() {
    static Defaults instance(QString::fromLatin1(kSharedSuite));
    return instance;
}

Defaults::Defaults(const QString& domain)
    : Defaults(domain, configFolder() / (domain.toStdString() + ".json")) {}

Defaults::Defaults(const QString& domain, std::filesystem::path file)
    : domain_(domain), file_(std::move(file)) {}

QJsonObject Defaults::readFile(const std::filesystem::path& file, FileState* state) {
    FileState found = FileState::Damaged;
    QJsonObject result;
    // O_NONBLOCK: a FIFO planted at the settings path must not hang us.
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    struct stat st {};
    if (fd < 0) {
        // Unreadable is damage only when there is a file to read.
        if (errno == ENOENT || errno == ENOTDIR || ::lstat(file.c_str(), &st) != 0)
            found = FileState::Absent;
        else if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
            found = FileState::NotRegular;
    } else if (::fstat(fd, &st) != 0) {
        // Damaged: we cannot tell what it is.
    } else if (!S_ISREG(st.st_mode)) {
        found = FileState::NotRegular;
    } else if (st.st_size <= kMaxFileSize) {
        if (auto bytes = readWhole(fd)) {
            QJsonParseError err{};
            QJsonDocument doc = QJsonDocument::fromJson(*bytes, &err);
            if (err.error == QJsonParseError::NoError && doc.isObject()) {
                QJsonObject root = doc.object();
                QJsonValue values = root.value(QStringLiteral("values"));
                if (root.value(QStringLiteral("format")).toString() == QLatin1String(kFormat) &&
                    values.isObject()) {
                    result = values.toObject();
                    found = FileState::Sound;
                }
            }
        }
    }
    if (fd >= 0)
        ::close(fd);
    if (state)
        *state = found;
    return result;
}

namespace {

std::mutex setAsideMutex;
Defaults::SetAsideHandler setAsideHandler;

} // namespace

void Defaults::setSetAsideHandler(SetAsideHandler handler) {
    std::lock_guard lock(setAsideMutex);
    setAsideHandler = std::move(handler);
}

bool Defaults::moveAside() {
    auto told = [](const std::filesystem::path& aside) {
        SetAsideHandler handler;
        {
            std::lock_guard lock(setAsideMutex);
            handler = setAsideHandler;
        }
        if (handler)
            handler(aside);
        return true;
    };
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    for (int n = 0; n < 1000; ++n) {
        std::filesystem::path aside = file_;
        aside += ".damaged-" + stamp + (n ? "-" + std::to_string(n) : std::string());
        if (::renameat2(AT_FDCWD, file_.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return told(aside);
        if (errno == EEXIST)
            continue;
        if (errno != EINVAL && errno != ENOSYS) {
            lastWriteError_ =
                QStringLiteral("cannot move the damaged settings file aside: ") + errorText(errno);
            return false;
        }
        // No RENAME_NOREPLACE on this file system. Every writer holds the
        // lock here, so looking first is enough.
        struct stat st {};
        if (::lstat(aside.c_str(), &st) == 0)
            continue;
        if (::rename(file_.c_str(), aside.c_str()) == 0)
            return told(aside);
        lastWriteError_ = QStringLiteral("cannot move the damaged settings file aside: ") + errorText(errno);
        return false;
    }
    lastWriteError_ = QStringLiteral("cannot move the damaged settings file aside: too many of them");
    return false;
}

void Defaults::refreshLocked() const {
    struct stat st {};
    Snapshot now;
    if (::stat(file_.c_str(), &st) == 0) {
        now.valid = true;
        now.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        now.size = st.st_size;
        now.inode = st.st_ino;
    }
    if (now.valid == seen_.valid && now.mtimeNs == seen_.mtimeNs && now.size == seen_.size &&
        now.inode == seen_.inode && seen_.valid)
        return;
    values_ = now.valid ? readFile(file_) : QJsonObject{};
    seen_ = now;
}

QJsonObject Defaults::entryFor(const QString& key) const {
    std::lock_guard lock(mutex_);
    refreshLocked();
    QJsonValue v = values_.value(key);
    return v.isObject() ? v.toObject() : QJsonObject{};
}

bool Defaults::hasKey(const QString& key) const {
    return !entryFor(key).isEmpty();
}

bool Defaults::boolForKey(const QString& key) const {
    QJsonObject e = entryFor(key);
    QJsonValue v = e.value(QStringLiteral("value"));
    const QString type = e.value(QStringLiteral("type")).toString();
    if (type == QLatin1String("bool"))
        return v.toBool(false);
    if (type == QLatin1String("integer"))
        return integerForKey(key) != 0;
    return false;
}

std::int64_t Defaults::integerOf(const QJsonObject& e) {
    const QString type = e.value(QStringLiteral("type")).toString();
    QJsonValue v = e.value(QStringLiteral("value"));
    if (type == QLatin1String("integer")) {
        // 64-bit integers are kept as decimal text: JSON numbers are doubles.
        bool ok = false;
        qlonglong n = v.toString().toLongLong(&ok);
        return ok ? static_cast<std::int64_t>(n) : 0;
    }
    if (type == QLatin1String("bool"))
        return v.toBool(false) ? 1 : 0;
    return 0;
}

std::int64_t Defaults::integerForKey(const QString& key) const {
    return integerOf(entryFor(key));
}

std::optional<QByteArray> Defaults::dataOf(const QJsonObject& e) {
    if (e.value(QStringLiteral("type")).toString() != QLatin1String("data"))
        return std::nullopt;
    QJsonValue v = e.value(QStringLiteral("value"));
    if (!v.isString())
        return std::nullopt;
    auto decoded =
        QByteArray::fromBase64Encoding(v.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

std::optional<QByteArray> Defaults::dataForKey(const QString& key) const {
    return dataOf(entryFor(key));
}

bool Defaults::updateData(const QString& key,
                          const std::function<QByteArray(const std::optional<QByteArray>&)>& change,
                          const std::function<bool(const QByteArray&)>& damaged) {
    // Present but not data, or data the caller cannot read: a damage.
    auto isDamaged = [&](const QJsonObject& values) {
        if (!values.contains(key))
            return false;
        const auto current = dataOf(values.value(key).toObject());
        return !current || (damaged && damaged(*current));
    };
    return write(
        [&](QJsonObject& values) {
            const std::optional<QByteArray> current =
                isDamaged(values) ? std::nullopt : dataOf(values.value(key).toObject());
            values.insert(key, makeEntry("data", QString::fromLatin1(change(current).toBase64())));
        },
        isDamaged);
}

bool Defaults::isDamaged() const {
    FileState state = FileState::Absent;
    readFile(file_, &state);
    return state == FileState::Damaged || state == FileState::NotRegular;
}

std::optional<QDateTime> Defaults::dateForKey(const QString& key) const {
    QJsonObject e = entryFor(key);
    if (e.value(QStringLiteral("type")).toString() != QLatin1String("date"))
        return std::nullopt;
    QDateTime d = QDateTime::fromString(e.value(QStringLiteral("value")).toString(), Qt::ISODateWithMs);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

bool Defaults::setBool(const QString& key, bool value) {
    return write(key, makeEntry("bool", value));
}

bool Defaults::setInteger(const QString& key, std::int64_t value) {
    return write(key, makeEntry("integer", QString::number(static_cast<qlonglong>(value))));
}

bool Defaults::setData(const QString& key, const QByteArray& value) {
    return write(key, makeEntry("data", QString::fromLatin1(value.toBase64())));
}

bool Defaults::setDate(const QString& key, const QDateTime& value) {
    return write(key, makeEntry("date", value.toUTC().toString(Qt::ISODateWithMs)));
}

bool Defaults::removeObjectForKey(const QString& key) {
    return write(key, std::nullopt);
}

std::optional<std::int64_t> Defaults::addToInteger(const QString& key, std::int64_t delta) {
    std::int64_t sum = 0;
    // An integer (or a bool, which reads as 0 or 1) is a value to add to;
    // anything else stored under the key is a damage to keep, not overwrite.
    auto wrongShape = [&](const QJsonObject& values) {
        if (!values.contains(key))
            return false;
        const QJsonValue v = values.value(key);
        if (!v.isObject())
            return true;
        const QJsonObject e = v.toObject();
        const QString type = e.value(QStringLiteral("type")).toString();
        if (type == QLatin1String("bool"))
            return !e.value(QStringLiteral("value")).isBool();
        bool ok = false;
        e.value(QStringLiteral("value")).toString().toLongLong(&ok);
        return type != QLatin1String("integer") || !ok;
    };
    const bool ok = write(
        [&](QJsonObject& values) {
            QJsonValue v = values.value(key);
            const std::int64_t before = v.isObject() && !wrongShape(values) ? integerOf(v.toObject()) : 0;
            if (__builtin_add_overflow(before, delta, &sum))
                sum = delta < 0 ? INT64_MIN : INT64_MAX;
            values.insert(key, makeEntry("integer", QString::number(static_cast<qlonglong>(sum))));
        },
        wrongShape);
    if (!ok)
        return std::nullopt;
    return sum;
}

void Defaults::synchronize() {
    std::lock_guard lock(mutex_);
    seen_ = Snapshot{};
    refreshLocked();
}

bool Defaults::write(const QString& key, const std::optional<QJsonObject>& entry) {
    return write([&](QJsonObject& values) {
        if (entry)
            values.insert(key, *entry);
        else
            values.remove(key);
    });
}

QString Defaults::lastWriteError() const {
    std::lock_guard lock(mutex_);
    return lastWriteError_;
}

bool Defaults::write(const std::function<void(QJsonObject&)>& change,
                     const std::function<bool(const QJsonObject&)>& damaged) {
    std::error_code folderError;
    std::filesystem::create_directories(file_.parent_path(), folderError);
    // The file lock before the object's mutex: readers in this process are
    // not held up while a peer keeps the file locked.
    FileLock fileLock(file_, lockWait());
    std::lock_guard lock(mutex_);
    // On failure the change is kept in memory only, and the file stays as it was.
    auto fail = [&](const QString& why) {
        refreshLocked();
        change(values_);
        lastWriteError_ = why;
        return false;
    };
    if (folderError && !std::filesystem::is_directory(file_.parent_path())) {
        // The real cause, not the lock file's "No such file or directory".
        return fail(QStringLiteral("cannot create the settings folder ") +
                    QString::fromStdString(file_.parent_path().native()) + QStringLiteral(": ") +
                    errorText(folderError.value()));
    }
    if (!fileLock.locked()) {
        return fail(fileLock.error() == EWOULDBLOCK
                        ? QStringLiteral("another process kept the settings file locked for %1 s")
                              .arg(static_cast<double>(lockWait().count()) / 1000.0)
                        : QStringLiteral("cannot lock the settings file: ") + errorText(fileLock.error()));
    }
    // Start from what is on disk now so that a peer's keys survive.
    FileState state = FileState::Absent;
    QJsonObject merged = readFile(file_, &state);
    if (state == FileState::Sound && damaged && damaged(merged))
        state = FileState::Damaged;
    // A damaged file reads as empty; a sound one with a value of a wrong
    // shape keeps its other values, and the whole of it stays set aside.
    if (state == FileState::Damaged && !moveAside())
        return fail(lastWriteError_);
    change(merged);

    QJsonObject root;
    root.insert(QStringLiteral("format"), QString::fromLatin1(kFormat));
    root.insert(QStringLiteral("values"), merged);
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);

    std::filesystem::path tmp = file_;
    tmp += ".tmp-" + std::to_string(::getpid()) + "-" +
           std::to_string(std::hash<std::thread::id>{}(std::this_thread::get_id()));
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return fail(QStringLiteral("cannot write the settings file: ") + errorText(errno));
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(tmp.c_str(), file_.c_str()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlink(tmp.c_str());
        return fail(QStringLiteral("cannot write the settings file: ") + errorText(error));
    }
    values_ = merged;
    seen_ = Snapshot{};
    struct stat st {};
    if (::stat(file_.c_str(), &st) == 0) {
        seen_.valid = true;
        seen_.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        seen_.size = st.st_size;
        seen_.inode = st.st_ino;
    }
    return true;
}

} // namespace dovrel
