#include "platform/Grant.h"

#include "platform/Defaults.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

namespace dovrel {

namespace {

constexpr const char* kFormat = "dovrel-grant/1";

struct Decoded {
    std::filesystem::path path;
    unsigned long long dev = 0;
    unsigned long long ino = 0;
};

std::optional<Decoded> decode(const QByteArray& data) {
    if (data.size() > 64 * 1024)
        return std::nullopt;
    QJsonParseError err{};
    QJsonDocument doc = QJsonDocument::fromJson(data, &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    QJsonObject o = doc.object();
    if (o.value(QStringLiteral("format")).toString() != QLatin1String(kFormat))
        return std::nullopt;
    auto decodedPath = QByteArray::fromBase64Encoding(o.value(QStringLiteral("path")).toString().toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
    if (!decodedPath)
        return std::nullopt;
    const QByteArray& path = *decodedPath;
    if (path.isEmpty() || !path.startsWith('/') || path.contains('\0'))
        return std::nullopt;
    bool okDev = false, okIno = false;
    Decoded d;
    d.path = std::filesystem::path(path.toStdString());
    d.dev = o.value(QStringLiteral("dev")).toString().toULongLong(&okDev);
    d.ino = o.value(QStringLiteral("ino")).toString().toULongLong(&okIno);
    if (!okDev || !okIno)
        return std::nullopt;
    return d;
}

} // namespace

std::optional<QByteArray> Grant::create(const std::filesystem::path& folder) {
    if (folder.empty())
        return std::nullopt;
    std::error_code ec;
    std::filesystem::path abs = std::filesystem::absolute(folder, ec);
    if (ec)
        return std::nullopt;
    abs = abs.lexically_normal();
    std::string bytes = abs.native();
    while (bytes.size() > 1 && bytes.back() == '/')
        bytes.pop_back();
    struct stat st {};
    if (::stat(bytes.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    QJsonObject o;
    o.insert(QStringLiteral("format"), QString::fromLatin1(kFormat));
    o.insert(QStringLiteral("path"),
             QString::fromLatin1(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toBase64()));
    o.insert(QStringLiteral("dev"), QString::number(static_cast<qulonglong>(st.st_dev)));
    o.insert(QStringLiteral("ino"), QString::number(static_cast<qulonglong>(st.st_ino)));
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

Grant::Resolution Grant::resolve(const std::optional<QByteArray>& data) {
    Resolution r;
    if (!data)
        return r;
    auto d = decode(*data);
    if (!d) {
        r.status = Status::Unresolvable;
        return r;
    }
    struct stat st {};
    if (::stat(d->path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        r.status = Status::Unresolvable;
        return r;
    }
    r.folder = d->path;
    const bool same = static_cast<unsigned long long>(st.st_dev) == d->dev &&
                      static_cast<unsigned long long>(st.st_ino) == d->ino;
    r.status = same ? Status::Resolved : Status::Stale;
    return r;
}

Grant::Resolution Grant::resolve(const Defaults& defaults, const QString& key) {
    return resolve(defaults.dataForKey(key));
}

std::optional<std::filesystem::path> Grant::storedPath(const QByteArray& data) {
    auto d = decode(data);
    if (!d)
        return std::nullopt;
    return d->path;
}

} // namespace dovrel
