#include "engine/KeepList.h"

#include "fs/PathOps.h"
#include "platform/Defaults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace dovrel {

namespace {

constexpr const char* kFormat = "dovrel-kept/1";

// Absolute and lexically tidy, without asking the disk.
Location written(const Location& path) {
    std::error_code ec;
    Location p = std::filesystem::absolute(path, ec);
    if (ec)
        p = path;
    return Location(PathOps::tidy(p.lexically_normal().native()));
}

} // namespace

Defaults& KeepList::standardStore() {
    static Defaults store(QString::fromLatin1(kDomain));
    return store;
}

QByteArray KeepList::encode(const std::vector<Location>& paths) {
    QJsonArray list;
    for (const Location& p : paths) {
        const std::string& bytes = p.native();
        list.append(
            QString::fromLatin1(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toBase64()));
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), QString::fromLatin1(kFormat));
    root.insert(QStringLiteral("paths"), list);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<std::vector<Location>> KeepList::decode(const QByteArray& data) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kFormat) ||
        !root.value(QStringLiteral("paths")).isArray())
        return std::nullopt;
    std::vector<Location> out;
    for (const QJsonValue& v : root.value(QStringLiteral("paths")).toArray()) {
        if (!v.isString())
            return std::nullopt;
        const auto decoded =
            QByteArray::fromBase64Encoding(v.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return std::nullopt;
        const QByteArray& bytes = *decoded;
        if (bytes.isEmpty() || bytes.front() != '/' || bytes.contains('\0'))
            return std::nullopt;
        out.emplace_back(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    return out;
}

std::optional<Location> KeepList::resolved(const Location& path) {
    char* real = ::realpath(written(path).c_str(), nullptr);
    if (!real)
        return std::nullopt;
    Location out(real);
    std::free(real);
    return out;
}

std::optional<std::vector<Location>> KeepList::paths() const {
    if (store_.isDamaged())
        return std::nullopt;
    const auto data = store_.dataForKey(QString::fromLatin1(kKey));
    if (!data)
        return store_.hasKey(QString::fromLatin1(kKey))
                   ? std::nullopt
                   : std::optional<std::vector<Location>>(std::vector<Location>{});
    return decode(*data);
}

bool KeepList::add(const Location& path, std::string& error) {
    const auto real = resolved(path);
    if (!real) {
        error = "no such file or folder";
        return false;
    }
    const bool ok = store_.updateData(
        QString::fromLatin1(kKey),
        [&](const std::optional<QByteArray>& current) {
            std::vector<Location> list =
                current ? decode(*current).value_or(std::vector<Location>{}) : std::vector<Location>{};
            if (std::find(list.begin(), list.end(), *real) == list.end())
                list.push_back(*real);
            return encode(list);
        },
        [](const QByteArray& data) { return !decode(data); });
    if (!ok)
        error = store_.lastWriteError().toStdString();
    return ok;
}

bool KeepList::remove(const Location& path, std::string& error) {
    const Location target = resolved(path).value_or(written(path));
    bool found = false;
    const bool ok = store_.updateData(
        QString::fromLatin1(kKey),
        [&](const std::optional<QByteArray>& current) {
            std::vector<Location> list =
                current ? decode(*current).value_or(std::vector<Location>{}) : std::vector<Location>{};
            const auto end = std::remove(list.begin(), list.end(), target);
            found = end != list.end();
            list.erase(end, list.end());
            return encode(list);
        },
        [](const QByteArray& data) { return !decode(data); });
    if (!ok) {
        error = store_.lastWriteError().toStdString();
        return false;
    }
    if (!found)
        error = "not in the keep list";
    return found;
}

bool KeepList::holdsExactly(const Location& path) const {
    const auto list = paths();
    if (!list)
        return false;
    const Location target = resolved(path).value_or(written(path));
    return std::find(list->begin(), list->end(), target) != list->end();
}

KeptPaths KeepList::matcher() const {
    KeptPaths kept;
    std::string ignored;
    for (const Location& p : paths().value_or(std::vector<Location>{}))
        kept.add(p.native(), ignored);
    return kept;
}

bool KeepList::setAsideIfDamaged() {
    const QString key = QString::fromLatin1(kKey);
    const bool damaged = store_.isDamaged() || (store_.hasKey(key) && !paths());
    if (!damaged)
        return false;
    store_.updateData(
        key,
        [](const std::optional<QByteArray>& current) {
            return encode(current ? decode(*current).value_or(std::vector<Location>{})
                                  : std::vector<Location>{});
        },
        [](const QByteArray& data) { return !decode(data); });
    return true;
}

} // namespace dovrel
