#include "fs/Syscalls.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace dovrel {

int Syscalls::openat(int dirfd, const char* name, int flags) {
    return ::openat(dirfd, name, flags);
}

int Syscalls::close(int fd) {
    return ::close(fd);
}

int Syscalls::statx(int dirfd, const char* name, int flags, unsigned mask, struct statx* out) {
    return ::statx(dirfd, name, flags, mask, out);
}

int Syscalls::unlinkat(int dirfd, const char* name, int flags) {
    return ::unlinkat(dirfd, name, flags);
}

long Syscalls::getdents(int fd, void* buffer, std::size_t size) {
    return ::syscall(SYS_getdents64, fd, buffer, size);
}

off_t Syscalls::lseek(int fd, off_t offset, int whence) {
    return ::lseek(fd, offset, whence);
}

int Syscalls::renameat2(int olddirfd, const char* oldname, int newdirfd, const char* newname,
                        unsigned flags) {
    return ::renameat2(olddirfd, oldname, newdirfd, newname, flags);
}

Syscalls& Syscalls::system() {
    static Syscalls instance;
    return instance;
}

} // namespace dovrel
