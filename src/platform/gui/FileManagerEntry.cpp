#include "platform/gui/FileManagerEntry.h"

#include "layout/KeyFile.h"

#include "platform/gui/Workspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace dovrel {

namespace {

const QString kFolderType = QStringLiteral("inode/directory");

using Group = QHash<QString, QString>;

// The groups of a key file (desktop entry or mimeapps.list), localised keys
// left out, through the guarded key-file read (a FIFO or an oversized file
// reads as absent). A file that cannot be read has no groups.
QHash<QString, Group> readKeyFile(const QString& path) {
    QHash<QString, Group> groups;
    const std::optional<KeyFile> file = KeyFile::readFile(Location(path.toLocal8Bit().toStdString()));
    if (!file)
        return groups;
    for (const KeyFile::Group& g : file->groups()) {
        const QString name = QString::fromUtf8(g.name.data(), qsizetype(g.name.size()));
        if (name.isEmpty() || groups.contains(name)) // a repeated group: the first counts
            continue;
        Group& group = groups[name];
        for (const auto& [rawKey, rawValue] : g.entries) {
            const QString key = QString::fromUtf8(rawKey.data(), qsizetype(rawKey.size())).trimmed();
            if (key.isEmpty() || key.contains(QLatin1Char('[')) || group.contains(key))
                continue;
            group.insert(key, QString::fromUtf8(rawValue.data(), qsizetype(rawValue.size())).trimmed());
        }
    }
    return groups;
}

QStringList list(const QString& value) {
    return value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

// The string escapes of a desktop entry value.
QString unescape(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar n = value[++i];
        out += n == QLatin1Char('s')   ? QChar(' ')
               : n == QLatin1Char('n') ? QChar('\n')
               : n == QLatin1Char('t') ? QChar('\t')
               : n == QLatin1Char('r') ? QChar('\r')
                                       : n;
        if (n != QLatin1Char('s') && n != QLatin1Char('n') && n != QLatin1Char('t') &&
            n != QLatin1Char('r') && n != QLatin1Char('\\'))
            out.insert(out.size() - 1, QLatin1Char('\\')); // kept for the Exec quoting
    }
    return out;
}

// The arguments of an Exec line: separated by spaces, double quotes group,
// and inside them a backslash takes the next character literally.
std::optional<QStringList> splitExec(const QString& exec) {
    QStringList args;
    QString arg;
    bool quoted = false;
    bool any = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < exec.size())
                arg += exec[++i];
            else
                arg += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (any || !arg.isEmpty())
                args << arg;
            arg.clear();
            any = false;
        } else {
            arg += c;
        }
    }
    if (quoted)
        return std::nullopt;
    if (any || !arg.isEmpty())
        args << arg;
    return args;
}

bool takesFiles(const QString& exec) {
    for (const char* code : {"%f", "%F", "%u", "%U"})
        if (exec.contains(QLatin1String(code)))
            return true;
    return false;
}

QString programPath(const QString& program) {
    if (program.isEmpty())
        return QString();
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? program : QString();
    }
    return QStandardPaths::findExecutable(program);
}

QStringList applicationDirs(const FileManagerEntry::Environment& env) {
    QStringList dirs{env.dataHome + QStringLiteral("/applications")};
    for (const QString& d : env.dataDirs)
        dirs << d + QStringLiteral("/applications");
    return dirs;
}

// The file of a desktop id: "a-b.desktop" may also be "a/b.desktop".
QString desktopFile(const QString& id, const QStringList& dirs) {
    for (const QString& dir : dirs) {
        QString rel = id;
        for (;;) {
            const QString path = dir + QLatin1Char('/') + rel;
            if (QFileInfo(path).isFile())
                return path;
            const qsizetype dash = rel.indexOf(QLatin1Char('-'));
            if (dash < 0)
                break;
            rel[dash] = QLatin1Char('/');
        }
    }
    return QString();
}

std::optional<FileManagerEntry> usable(const QString& id, const QStringList& dirs) {
    const QString path = desktopFile(id, dirs);
    if (path.isEmpty())
        return std::nullopt;
    const Group entry = readKeyFile(path).value(QStringLiteral("Desktop Entry"));
    const QString exec = unescape(entry.value(QStringLiteral("Exec")));
    if (entry.value(QStringLiteral("Type")) != QStringLiteral("Application") ||
        entry.value(QStringLiteral("Hidden")) == QStringLiteral("true") || !takesFiles(exec) ||
        FileManagerEntry::isWebBrowser(list(entry.value(QStringLiteral("Categories"))),
                                       list(entry.value(QStringLiteral("MimeType")))))
        return std::nullopt;
    const std::optional<QStringList> args = splitExec(exec);
    const QString tryExec = entry.value(QStringLiteral("TryExec"));
    if (!args || args->isEmpty() || programPath(args->first()).isEmpty() ||
        (!tryExec.isEmpty() && programPath(tryExec).isEmpty()))
        return std::nullopt;
    FileManagerEntry found;
    found.file = QFile::encodeName(path).toStdString();
    found.id = id;
    found.name = entry.value(QStringLiteral("Name"));
    found.exec = exec;
    return found;
}

// The mimeapps.list files, most important first.
QStringList mimeappsLists(const FileManagerEntry::Environment& env) {
    QStringList folders{env.configHome};
    folders << env.configDirs;
    folders << env.dataHome + QStringLiteral("/applications");
    for (const QString& d : env.dataDirs)
        folders << d + QStringLiteral("/applications");
    QStringList files;
    for (const QString& folder : folders) {
        for (const QString& desktop : env.desktops)
            files << folder + QLatin1Char('/') + desktop.toLower() + QStringLiteral("-mimeapps.list");
        files << folder + QStringLiteral("/mimeapps.list");
    }
    return files;
}

QStringList fromEnv(const char* name, const QStringList& fallback) {
    const QString value = qEnvironmentVariable(name);
    const QStringList parts = value.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return parts.isEmpty() ? fallback : parts;
}

} // namespace

FileManagerEntry::Environment FileManagerEntry::processEnvironment() {
    const QString home = QDir::homePath();
    Environment env;
    env.configHome = fromEnv("XDG_CONFIG_HOME", {home + QStringLiteral("/.config")}).first();
    env.configDirs = fromEnv("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")});
    env.dataHome = fromEnv("XDG_DATA_HOME", {home + QStringLiteral("/.local/share")}).first();
    env.dataDirs =
        fromEnv("XDG_DATA_DIRS", {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
    env.desktops = fromEnv("XDG_CURRENT_DESKTOP", {});
    return env;
}

bool FileManagerEntry::isWebBrowser(const QStringList& categories, const QStringList& mimeTypes) {
    if (categories.contains(QStringLiteral("WebBrowser")))
        return true;
    for (const char* type : {"text/html", "x-scheme-handler/http", "x-scheme-handler/https"})
        if (mimeTypes.contains(QLatin1String(type)))
            return true;
    return false;
}

std::optional<FileManagerEntry> FileManagerEntry::find(const Environment& environment) {
    const QStringList dirs = applicationDirs(environment);
    QSet<QString> tried;
    auto attempt = [&](const QString& id) -> std::optional<FileManagerEntry> {
        if (tried.contains(id))
            return std::nullopt;
        tried.insert(id);
        return usable(id, dirs);
    };
    // The user's and the system's choices, in order.
    for (const QString& path : mimeappsLists(environment)) {
        const QHash<QString, Group> groups = readKeyFile(path);
        for (const char* group : {"Default Applications", "Added Associations"})
            for (const QString& id : list(groups.value(QLatin1String(group)).value(kFolderType)))
                if (auto entry = attempt(id))
                    return entry;
    }
    // Then any application that says it opens folders.
    for (const QString& dir : dirs) {
        QDir folder(dir);
        const QStringList names = folder.entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name);
        for (const QString& name : names) {
            const Group entry = readKeyFile(folder.filePath(name)).value(QStringLiteral("Desktop Entry"));
            if (list(entry.value(QStringLiteral("MimeType"))).contains(kFolderType))
                if (auto found = attempt(name))
                    return found;
        }
    }
    return std::nullopt;
}

QStringList FileManagerEntry::command(const std::filesystem::path& folder) const {
    const std::optional<QStringList> args = splitExec(exec);
    if (!args || args->isEmpty())
        return {};
    const std::string& bytes = folder.native();
    const QString local = QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    const QString uri = Workspace::fileURI(folder);
    QStringList out;
    for (const QString& arg : *args) {
        if (arg == QLatin1String("%f") || arg == QLatin1String("%F")) {
            out << local;
        } else if (arg == QLatin1String("%u") || arg == QLatin1String("%U")) {
            out << uri;
        } else if (arg == QLatin1String("%c")) {
            out << name;
        } else if (arg == QLatin1String("%k")) {
            out << QFile::decodeName(QByteArray::fromStdString(file.native()));
        } else if (arg.size() == 2 && arg[0] == QLatin1Char('%')) {
            continue; // %i and the deprecated fields
        } else {
            QString plain = arg;
            out << plain.replace(QStringLiteral("%%"), QStringLiteral("%"));
        }
    }
    return out;
}

bool FileManagerEntry::open(const std::filesystem::path& folder) const {
    QStringList args = command(folder);
    if (args.isEmpty())
        return false;
    const QString program = programPath(args.takeFirst());
    return !program.isEmpty() && QProcess::startDetached(program, args);
}

} // namespace dovrel
