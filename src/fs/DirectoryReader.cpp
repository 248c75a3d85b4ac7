#include "fs/DirectoryReader.h"

#include "fs/FsCalls.h"
#include "fs/Syscalls.h"

#include <cerrno>
#include <cstddef>
#include <dirent.h>

namespace dovrel {

namespace {

bool isDotOrDotDot(const char* n) {
    return n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'));
}

FsCalls& systemCalls() {
    static FsCalls calls(Syscalls::system());
    return calls;
}

} // namespace

DirectoryReader::DirectoryReader(int dirfd) : DirectoryReader(systemCalls(), dirfd) {}

DirectoryReader::DirectoryReader(FsCalls& calls, int dirfd) : calls_(&calls), fd_(dirfd) {}

bool DirectoryReader::next(Entry& out) {
    for (;;) {
        if (pos_ >= end_) {
            if (error_ != 0)
                return false;
            const long n = calls_->list(fd_, buffer_, sizeof buffer_);
            if (n < 0) {
                error_ = errno == ENOENT ? 0 : errno; // removed meanwhile: the end
                return false;
            }
            if (n == 0)
                return false;
            pos_ = 0;
            end_ = static_cast<std::size_t>(n);
        }
        const char* record = buffer_ + pos_;
        const auto* d = reinterpret_cast<const struct dirent64*>(record);
        if (d->d_reclen == 0 || pos_ + d->d_reclen > end_) {
            error_ = EIO;
            pos_ = end_;
            return false;
        }
        pos_ += d->d_reclen;
        if (isDotOrDotDot(d->d_name)) {
            if (d->d_name[1] == '\0')
                self_ = d->d_ino;
            continue;
        }
        out.name = std::string_view(d->d_name);
        out.type = d->d_type;
        out.inode = d->d_ino;
        return true;
    }
}

} // namespace dovrel
