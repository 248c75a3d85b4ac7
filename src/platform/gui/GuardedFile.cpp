#include "platform/gui/GuardedFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace dovrel {

GuardedFile GuardedFile::open(const std::filesystem::path& item, bool allowFolder) {
    GuardedFile file;
    if (::lstat(item.c_str(), &file.st_) != 0) {
        file.status_ = (errno == ENOENT || errno == ENOTDIR) ? Status::Missing : Status::Unreadable;
        return file;
    }
    const bool folder = S_ISDIR(file.st_.st_mode);
    if (!S_ISREG(file.st_.st_mode) && !(folder && allowFolder)) {
        file.status_ = Status::NotOpened;
        return file;
    }
    int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (folder)
        flags |= O_DIRECTORY;
    const int fd = ::open(item.c_str(), flags);
    if (fd < 0) {
        file.status_ = (errno == ENOENT) ? Status::Missing : Status::Unreadable;
        return file;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || (opened.st_mode & S_IFMT) != (file.st_.st_mode & S_IFMT) ||
        opened.st_dev != file.st_.st_dev || opened.st_ino != file.st_.st_ino) {
        ::close(fd);
        file.status_ = Status::Unreadable;
        return file;
    }
    file.st_ = opened;
    file.fd_ = fd;
    file.status_ = Status::Opened;
    return file;
}

GuardedFile::GuardedFile(GuardedFile&& other) noexcept
    : status_(other.status_), fd_(other.fd_), st_(other.st_) {
    other.fd_ = -1;
}

GuardedFile& GuardedFile::operator=(GuardedFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        status_ = other.status_;
        fd_ = other.fd_;
        st_ = other.st_;
        other.fd_ = -1;
    }
    return *this;
}

GuardedFile::~GuardedFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

QByteArray GuardedFile::read(qint64 maxBytes) const {
    QByteArray data;
    if (fd_ < 0 || isFolder() || maxBytes <= 0)
        return data;
    // A file may be sparse or grow: the bound, not st_size, limits the buffer.
    const qint64 expected = std::min<qint64>(maxBytes, std::max<qint64>(st_.st_size, 0));
    data.resize(static_cast<qsizetype>(std::min<qint64>(maxBytes, expected + 1)));
    qint64 got = 0;
    while (got < data.size()) {
        const ssize_t n = ::pread(fd_, data.data() + got, static_cast<size_t>(data.size() - got), got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    data.truncate(static_cast<qsizetype>(got));
    return data;
}

} // namespace dovrel
