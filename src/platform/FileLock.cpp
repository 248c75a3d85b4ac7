#include "platform/FileLock.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace dovrel {

FileLock::FileLock(const std::filesystem::path& file, std::chrono::milliseconds wait) {
    std::filesystem::path lockPath = file;
    lockPath += ".lock";
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            locked_ = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error_ = errno;
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            error_ = EWOULDBLOCK;
            return;
        }
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(100));
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        if (locked_)
            ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
}

} // namespace dovrel
