#include "fs/RemovalSyscalls.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace dovrel {

int RemovalSyscalls::openat(int dirfd, const char* name, int flags) {
    return ::openat(dirfd, name, flags);
}

int RemovalSyscalls::close(int fd) {
    return ::close(fd);
}

int RemovalSyscalls::statx(int dirfd, const char* name, int flags, unsigned mask, struct statx* out) {
    return ::statx(dirfd, name, flags, mask, out);
}

int RemovalSyscalls::unlinkat(int dirfd, const char* name, int flags) {
    return ::unlinkat(dirfd, name, flags);
}

long RemovalSyscalls::getdents(int fd, void* buffer, std::size_t size) {
    return ::syscall(SYS_getdents64, fd, buffer, size);
}

off_t RemovalSyscalls::lseek(int fd, off_t offset, int whence) {
    return ::lseek(fd, offset, whence);
}

RemovalSyscalls& RemovalSyscalls::system() {
    static RemovalSyscalls instance;
    return instance;
}

} // namespace dovrel
