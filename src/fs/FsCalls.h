#pragma once

#include "fs/FileIdentity.h"
#include "fs/Syscalls.h"
#include "fs/Types.h"
#include "fs/UniqueFd.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace dovrel {

// The walks' and the removal's view of the system calls: the seam's calls with
// the flags they always want (no following of links, close-on-exec, no
// automount, never blocking on a FIFO), restarted after EINTR a bounded number
// of times, and statx results reduced to what they compare. Failures return
// -1 / false with errno set.
class FsCalls {
public:
    // What the removal needs to know about an entry.
    struct Status {
        FileIdentity identity;              // device, inode, type
        ByteCount size = 0;                 // logical size (st_size)
        std::optional<std::uint64_t> mount; // mount id, when the kernel tells
        bool mountRoot = false;             // the entry is the root of a mount
        bool unlinked = false;              // no name refers to it any more (link count 0)

        bool isDirectory() const { return identity.type == S_IFDIR; }
    };

    // Whether `child`, an entry of the folder `parent` (device and mount id
    // as its status gave them), lies on another mount: it is the root of a
    // mount, or on another device, or has another mount id (a bind mount of
    // the same file system keeps the device number). The one test of mounts
    // the removal makes, on the way down to a location and inside it.
    static bool crossesMount(const FileIdentity& parent, const std::optional<std::uint64_t>& parentMount,
                             const Status& child);
    static bool crossesMount(const Status& parent, const Status& child) {
        return crossesMount(parent.identity, parent.mount, child);
    }

    // After this many EINTR in a row a call gives up with EINTR.
    static constexpr int kMaxInterruptions = 64;

    explicit FsCalls(Syscalls& sys) : sys_(sys) {}

    // Opens the home folder by its path (links in that path are followed),
    // as an O_PATH descriptor.
    int openHome(const char* path);
    // Opens the folder `name` in `dirfd`, refusing a symbolic link or a
    // non-folder (ELOOP / ENOTDIR). `forListing` false gives an O_PATH
    // descriptor, good only as the base of further *at calls.
    int openFolder(int dirfd, const char* name, bool forListing);
    // Opens the folder holding the open folder `fd` (its "..") for listing.
    int openParentOf(int fd);
    void close(int fd);
    // `fd` owned, to be closed through the seam.
    UniqueFd own(int fd) { return UniqueFd(fd, &sys_); }
    Syscalls& syscalls() { return sys_; }

    // The entry `name` in `dirfd` itself (a link is not followed).
    bool status(int dirfd, const char* name, Status& out);
    // The entry an open descriptor refers to.
    bool statusOf(int fd, Status& out);
    // The entry an open descriptor refers to was removed (by anyone) since it
    // was opened; false when that cannot be told.
    bool unlinkedSinceOpened(int fd);
    // Type (S_IFMT bits) and logical size of the entry `name` in `dirfd`
    // itself, asking the kernel for nothing more: the walks' per-item call.
    bool typeAndSize(int dirfd, const char* name, unsigned& type, ByteCount& size);

    bool unlink(int dirfd, const char* name, bool folder);
    // Reads directory records into `buffer`: a byte count, 0 at the end, -1.
    long list(int fd, void* buffer, std::size_t size);
    bool rewind(int fd);

    // The errno text, e.g. "Permission denied".
    static std::string message(int error);

private:
    bool statusImpl(int dirfd, const char* name, int flags, Status& out);

    Syscalls& sys_;
};

} // namespace dovrel
