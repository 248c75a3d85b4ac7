#include "fs/DirectoryReader.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/syscall.h>
#endif

namespace dovrel {

namespace {
bool isDotOrDotDot(const char* n) {
    return n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'));
}
} // namespace

#ifdef __linux__

namespace {
struct LinuxDirent64 {
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1]; // really variable length, NUL-terminated
};
} // namespace

DirectoryReader::DirectoryReader(int dirfd) : fd_(dirfd) {}
DirectoryReader::~DirectoryReader() = default;

bool DirectoryReader::next(Entry& out) {
    for (;;) {
        if (pos_ >= end_) {
            long n;
            do {
                n = ::syscall(SYS_getdents64, fd_, buffer_, sizeof buffer_);
            } while (n < 0 && errno == EINTR);
            if (n < 0) {
                error_ = errno == ENOENT ? 0 : errno; // removed meanwhile: the end
                return false;
            }
            if (n == 0)
                return false;
            pos_ = 0;
            end_ = static_cast<std::size_t>(n);
        }
        char* record = buffer_ + pos_;
        auto* d = reinterpret_cast<LinuxDirent64*>(record);
        pos_ += d->d_reclen;
        const char* name = record + offsetof(LinuxDirent64, d_name);
        if (isDotOrDotDot(name))
            continue;
        out.name = std::string_view(name);
        out.type = d->d_type;
        return true;
    }
}

#else

DirectoryReader::DirectoryReader(int dirfd) : fd_(dirfd) {
    int dupfd = ::fcntl(dirfd, F_DUPFD_CLOEXEC, 0);
    if (dupfd < 0) {
        error_ = errno;
        return;
    }
    DIR* dir = ::fdopendir(dupfd);
    if (!dir) {
        error_ = errno;
        ::close(dupfd);
        return;
    }
    ::rewinddir(dir);
    dir_ = dir;
}

DirectoryReader::~DirectoryReader() {
    if (dir_)
        ::closedir(static_cast<DIR*>(dir_));
}

bool DirectoryReader::next(Entry& out) {
    if (!dir_)
        return false;
    for (;;) {
        errno = 0;
        dirent* d = ::readdir(static_cast<DIR*>(dir_));
        if (!d) {
            error_ = errno == ENOENT ? 0 : errno; // removed meanwhile: the end
            return false;
        }
        if (isDotOrDotDot(d->d_name))
            continue;
        out.name = std::string_view(d->d_name);
        out.type = d->d_type;
        return true;
    }
}

#endif

} // namespace dovrel
