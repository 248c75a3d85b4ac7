#include "scheduler/LoginItem.h"

#include <QByteArray>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {

namespace {

bool isValidUtf8(const std::string& bytes) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    return QString::fromUtf8(raw).toUtf8() == raw;
}

bool isPlainFileName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool writeAll(int fd, const std::string& data) {
    const char* p = data.data();
    size_t left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

std::filesystem::path homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return home;
    if (const struct passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
        return pw->pw_dir;
    return "/";
}

} // namespace

LoginItem::LoginItem(QString identifier, std::filesystem::path agentExecutable,
                     std::filesystem::path userConfigHome,
                     std::vector<std::filesystem::path> systemConfigDirs)
    : identifier_(std::move(identifier)), agentExecutable_(std::move(agentExecutable)),
      userConfigHome_(std::move(userConfigHome)), systemConfigDirs_(std::move(systemConfigDirs)) {}

LoginItem LoginItem::forCurrentUser(QString identifier, std::filesystem::path agentExecutable) {
    return LoginItem(std::move(identifier), std::move(agentExecutable), userConfigHome(), systemConfigDirs());
}

std::filesystem::path LoginItem::userConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    return homeFolder() / ".config";
}

std::vector<std::filesystem::path> LoginItem::systemConfigDirs() {
    std::vector<std::filesystem::path> dirs;
    const char* xdg = std::getenv("XDG_CONFIG_DIRS");
    std::string list = (xdg && xdg[0]) ? xdg : "/etc/xdg";
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(':', start);
        if (end == std::string::npos)
            end = list.size();
        std::string dir = list.substr(start, end - start);
        if (!dir.empty() && dir[0] == '/')
            dirs.emplace_back(dir);
        start = end + 1;
    }
    return dirs;
}

std::filesystem::path LoginItem::entryFile() const {
    return userConfigHome_ / "autostart" / (identifier_.toStdString() + ".desktop");
}

std::optional<std::string> LoginItem::quotedExec(const std::filesystem::path& program) {
    const std::string& bytes = program.native();
    if (bytes.find('\0') != std::string::npos || !isValidUtf8(bytes))
        return std::nullopt;
    // First the quoting of the Exec key, then the escapes of a string value.
    std::string quoted = "\"";
    for (char c : bytes) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (char c : quoted) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\t':
            value += "\\t";
            break;
        case '\r':
            value += "\\r";
            break;
        case '%':
            value += "%%";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
                return std::nullopt;
            value += c;
        }
    }
    return value;
}

bool LoginItem::setEnabled(bool on) {
    if (!isPlainFileName(identifier_) || userConfigHome_.empty())
        return false;
    const std::optional<std::string> exec =
        agentExecutable_.is_absolute() ? quotedExec(agentExecutable_) : std::nullopt;

    std::string entry = "[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=Dovrel cleaner scheduler\n";
    if (on) {
        struct stat st {};
        if (!exec || ::stat(agentExecutable_.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            return false;
        entry += "Exec=" + *exec + "\n";
        entry += "NoDisplay=true\n"
                 "X-GNOME-Autostart-enabled=true\n";
        return writeEntry(entry);
    }
    if (!systemEntryExists())
        return removeEntry();
    // A user entry of the same name masks the system-wide one.
    if (exec)
        entry += "Exec=" + *exec + "\n";
    entry += "NoDisplay=true\n"
             "Hidden=true\n";
    return writeEntry(entry);
}

bool LoginItem::systemEntryExists() const {
    const std::string name = identifier_.toStdString() + ".desktop";
    for (const auto& dir : systemConfigDirs_) {
        struct stat st {};
        if (::lstat((dir / "autostart" / name).c_str(), &st) == 0)
            return true;
    }
    return false;
}

bool LoginItem::writeEntry(const std::string& contents) {
    const std::filesystem::path target = entryFile();
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    if (ec)
        return false;
    std::string tmpl = (target.parent_path() / ("." + target.filename().native() + ".XXXXXX")).native();
    int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, 0644) == 0 && writeAll(fd, contents) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(tmpl.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(tmpl.c_str());
    return ok;
}

bool LoginItem::removeEntry() {
    // ENOTDIR: the autostart folder is not a folder, so no entry can be there.
    return ::unlink(entryFile().c_str()) == 0 || errno == ENOENT || errno == ENOTDIR;
}

} // namespace dovrel
