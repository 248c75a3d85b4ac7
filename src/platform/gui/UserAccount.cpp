#include "platform/gui/UserAccount.h"

#include <QByteArray>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace dovrel {

namespace {

// One password-database entry of the real user id, copied out of the reentrant
// buffer before it goes away.
struct PasswdEntry {
    std::string name;
    std::string home;
};

std::optional<PasswdEntry> passwdEntry() {
    long hint = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(hint > 0 ? hint : 16384));
    struct passwd pw {};
    struct passwd* result = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buffer.data(), buffer.size(), &result) != 0 || result == nullptr)
        return std::nullopt;
    PasswdEntry entry;
    entry.name = result->pw_name ? result->pw_name : "";
    entry.home = result->pw_dir ? result->pw_dir : "";
    return entry;
}

} // namespace

QString UserAccount::loginName() {
    if (auto entry = passwdEntry(); entry && !entry->name.empty())
        return QString::fromLocal8Bit(entry->name.c_str());
    QByteArray env = qgetenv("USER");
    if (env.isEmpty())
        env = qgetenv("LOGNAME");
    return QString::fromLocal8Bit(env);
}

std::filesystem::path UserAccount::homeDirectoryForUser() {
    if (auto entry = passwdEntry(); entry && !entry->home.empty())
        return std::filesystem::path(entry->home);
    const QByteArray env = qgetenv("HOME");
    return std::filesystem::path(env.isEmpty() ? std::string("/") : env.toStdString());
}

std::optional<std::filesystem::path> UserAccount::localApplicationsDirectory() {
    const std::filesystem::path folder("/Applications");
    struct stat st {};
    if (::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return folder;
    return std::nullopt;
}

} // namespace dovrel
