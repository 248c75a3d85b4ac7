#include "fs/UniqueFd.h"

#include "fs/Syscalls.h"

namespace dovrel {

void UniqueFd::reset(int fd) {
    if (fd_ >= 0 && fd_ != fd) {
        const int saved = errno;
        if (calls_)
            calls_->close(fd_);
        else
            ::close(fd_);
        errno = saved;
    }
    fd_ = fd;
}

} // namespace dovrel
