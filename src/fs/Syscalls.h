#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace dovrel {

// The system calls the folder walks and the removal make, behind one seam so
// that tests can make any of them fail (EACCES, EBUSY, EINTR, EMFILE, a
// different device…) or act at an exact moment of the walk. Every call has the POSIX convention: -1 (or a
// negative count) with errno set on failure. The base class makes the real
// calls; a test derives from it and overrides what it needs.
//
// statx stands where fstatat/fstat would: besides device, inode, type, size
// and link count it tells the mount a folder belongs to and whether it is the
// root of a mount, which the removal uses to refuse reaching through or
// crossing into mounts that share the device number (bind mounts). A test
// fakes a mount by adjusting those fields of a statx result.
class Syscalls {
public:
    virtual ~Syscalls() = default;

    virtual int openat(int dirfd, const char* name, int flags);
    virtual int close(int fd);
    virtual int statx(int dirfd, const char* name, int flags, unsigned mask, struct statx* out);
    virtual int unlinkat(int dirfd, const char* name, int flags);
    // Raw directory records (struct dirent64 layout), as getdents64 gives them.
    virtual long getdents(int fd, void* buffer, std::size_t size);
    virtual off_t lseek(int fd, off_t offset, int whence);
    // renameat2(2); the move into the Trash asks for RENAME_NOREPLACE.
    virtual int renameat2(int olddirfd, const char* oldname, int newdirfd, const char* newname,
                          unsigned flags);

    // The shared instance making the real calls.
    static Syscalls& system();
};

} // namespace dovrel
