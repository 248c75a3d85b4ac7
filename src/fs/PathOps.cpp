#include "fs/PathOps.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace dovrel {

namespace {

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
// Slices stay well below PATH_MAX.
constexpr std::size_t kSlice = 2048;

int closeKeepErrno(int fd) {
    int saved = errno;
    ::close(fd);
    errno = saved;
    return -1;
}

int openAtRetry(int dirfd, const char* path, int flags) {
    int fd;
    do {
        fd = ::openat(dirfd, path, flags);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Opens the folder holding the last component of a long path and returns it,
// with `last` set to that component. Intermediate links are followed, as any
// path lookup does.
int openParentOfLong(const std::string& p, std::string& last) {
    std::size_t cut = p.find_last_of('/');
    if (cut == std::string::npos) {
        last = p;
        return openAtRetry(AT_FDCWD, ".", kDirFlags);
    }
    last = p.substr(cut + 1);
    std::string parent = p.substr(0, cut == 0 ? 1 : cut);

    int fd = AT_FDCWD;
    std::size_t pos = 0;
    if (!parent.empty() && parent[0] == '/') {
        fd = openAtRetry(AT_FDCWD, "/", kDirFlags);
        if (fd < 0)
            return -1;
        pos = 1;
    }
    while (pos < parent.size()) {
        std::size_t end = std::min(parent.size(), pos + kSlice);
        if (end < parent.size()) {
            std::size_t slash = parent.rfind('/', end);
            if (slash == std::string::npos || slash <= pos) {
                // One component longer than a slice: the name itself is too long.
                if (fd != AT_FDCWD)
                    closeKeepErrno(fd);
                errno = ENAMETOOLONG;
                return -1;
            }
            end = slash;
        }
        std::string slice = parent.substr(pos, end - pos);
        int next =
            slice.empty() ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : openAtRetry(fd, slice.c_str(), kDirFlags);
        if (fd != AT_FDCWD) {
            int saved = errno;
            ::close(fd);
            errno = saved;
        }
        if (next < 0)
            return -1;
        fd = next;
        pos = end + 1;
    }
    if (fd == AT_FDCWD)
        return openAtRetry(AT_FDCWD, ".", kDirFlags);
    return fd;
}

} // namespace

int PathOps::openDirectory(const Location& path, bool followLast) {
    const std::string& p = path.native();
    if (p.empty()) {
        errno = ENOENT;
        return -1;
    }
    const int flags = kDirFlags | (followLast ? 0 : O_NOFOLLOW);
    if (p.size() < PATH_MAX - 1)
        return openAtRetry(AT_FDCWD, p.c_str(), flags);
    std::string last;
    int parent = openParentOfLong(p, last);
    if (parent < 0)
        return -1;
    int fd = openAtRetry(parent, last.empty() ? "." : last.c_str(), flags);
    if (fd < 0)
        return closeKeepErrno(parent);
    ::close(parent);
    return fd;
}

bool PathOps::status(const Location& path, struct stat& st, bool follow) {
    const std::string& p = path.native();
    if (p.empty()) {
        errno = ENOENT;
        return false;
    }
    const int flags = follow ? 0 : AT_SYMLINK_NOFOLLOW;
    if (p.size() < PATH_MAX - 1)
        return ::fstatat(AT_FDCWD, p.c_str(), &st, flags) == 0;
    std::string last;
    int parent = openParentOfLong(p, last);
    if (parent < 0)
        return false;
    bool ok = ::fstatat(parent, last.empty() ? "." : last.c_str(), &st, flags) == 0;
    int saved = errno;
    ::close(parent);
    errno = saved;
    return ok;
}

bool PathOps::exists(const Location& path) {
    struct stat st {};
    return status(path, st, true);
}

bool PathOps::isDirectory(const Location& path) {
    struct stat st {};
    return status(path, st, true) && S_ISDIR(st.st_mode);
}

std::string PathOps::tidy(const std::string& path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        if (c == '/' && !out.empty() && out.back() == '/')
            continue;
        out += c;
    }
    while (out.size() > 1 && out.back() == '/')
        out.pop_back();
    return out;
}

} // namespace dovrel
