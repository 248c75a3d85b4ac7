#include "layout/BrowserInUse.h"

#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace dovrel {

namespace {

// The target of a symbolic link, or absent when `path` is not one.
std::optional<std::string> linkTarget(const Location& path) {
    char buffer[512];
    const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer)
        return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::optional<pid_t> pidOf(std::string_view digits) {
    if (digits.empty() || digits.size() > 10)
        return std::nullopt;
    long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value <= 0 || value > INT_MAX)
        return std::nullopt;
    return static_cast<pid_t>(value);
}

// A process of that number exists (it may be someone else's: EPERM).
bool alive(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

std::string hostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

bool isThisComputer(const in_addr& address) {
    if ((ntohl(address.s_addr) >> 24) == 127)
        return true;
    const std::string host = hostName();
    if (host.empty())
        return false;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0)
        return false;
    bool same = false;
    for (addrinfo* a = found; a && !same; a = a->ai_next)
        same = reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr.s_addr == address.s_addr;
    ::freeaddrinfo(found);
    return same;
}

// Firefox's "lock" link: "IP:+PID" (the + when it also holds .parentlock).
bool firefoxLinkHeld(const Location& profile) {
    const auto target = linkTarget(profile / "lock");
    if (!target)
        return false;
    const std::size_t colon = target->rfind(':');
    if (colon == std::string::npos)
        return false;
    std::string_view number = std::string_view(*target).substr(colon + 1);
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    const auto pid = pidOf(number);
    in_addr address{};
    if (!pid || ::inet_pton(AF_INET, target->substr(0, colon).c_str(), &address) != 1)
        return false;
    return !isThisComputer(address) || alive(*pid);
}

// Firefox's fcntl lock on .parentlock. The test uses an open-file-description
// lock, which also sees a lock this process holds itself; closing the
// descriptor drops none of this process's locks of that kind.
bool firefoxFileLockHeld(const Location& profile) {
    const Location file = profile / ".parentlock";
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat st {};
    bool held = false;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        struct flock probe {};
        probe.l_type = F_WRLCK;
        probe.l_whence = SEEK_SET;
        if (::fcntl(fd, F_OFD_GETLK, &probe) == 0) {
            held = probe.l_type != F_UNLCK;
        } else {
            probe = {};
            probe.l_type = F_WRLCK;
            probe.l_whence = SEEK_SET;
            held = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
        }
    }
    ::close(fd);
    return held;
}

// Chromium's "SingletonLock" link: "HOST-PID", the host name may hold dashes.
bool chromiumHeld(const Location& userData) {
    const auto target = linkTarget(userData / "SingletonLock");
    if (!target)
        return false;
    const std::size_t dash = target->rfind('-');
    if (dash == std::string::npos || dash == 0)
        return false;
    const auto pid = pidOf(std::string_view(*target).substr(dash + 1));
    if (!pid)
        return false;
    return target->substr(0, dash) != hostName() || alive(*pid);
}

std::string chromiumName(const Location& userData) {
    const std::string name = userData.filename().native();
    if (name.starts_with("google-chrome") || name == "Chrome")
        return "Google Chrome";
    return "Chromium";
}

} // namespace

std::optional<std::string> BrowserInUse::holder(const Location& folder) {
    if (chromiumHeld(folder))
        return chromiumName(folder);
    if (firefoxLinkHeld(folder) || firefoxFileLockHeld(folder))
        return std::string("Firefox");
    return std::nullopt;
}

std::optional<std::string> BrowserInUse::holderOf(const Location& home, const Location& location) {
    const Location base = home.lexically_normal();
    const Location relative = location.lexically_normal().lexically_relative(base);
    if (relative.empty() || relative == "." || *relative.begin() == "..")
        return std::nullopt;
    // Nothing there, nothing to protect: it is simply gone.
    struct stat st {};
    if (::lstat(location.c_str(), &st) != 0)
        return std::nullopt;
    Location folder = base;
    std::vector<Location> folders;
    for (const auto& part : relative) {
        if (part.empty())
            continue;
        folder /= part;
        folders.push_back(folder);
    }
    // The nearest folder first: that is the profile the location belongs to.
    for (auto it = folders.rbegin(); it != folders.rend(); ++it)
        if (auto browser = holder(*it))
            return browser;
    return std::nullopt;
}

std::string BrowserInUse::reason(const std::string& browser) {
    return "Close " + browser + " to clean its site data";
}

} // namespace dovrel
