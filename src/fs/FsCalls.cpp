#include "fs/FsCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/sysmacros.h>
#include <system_error>

namespace dovrel {

namespace {

// Runs `call` again while it fails with EINTR, at most kMaxInterruptions times.
template <typename Call> auto restarting(Call call) {
    auto result = call();
    for (int i = 1; i < FsCalls::kMaxInterruptions && result < 0 && errno == EINTR; ++i)
        result = call();
    return result;
}

constexpr unsigned kStatusMask =
    STATX_TYPE | STATX_MODE | STATX_INO | STATX_SIZE | STATX_NLINK | STATX_MNT_ID;

} // namespace

int FsCalls::openHome(const char* path) {
    return restarting([&] { return sys_.openat(AT_FDCWD, path, O_PATH | O_DIRECTORY | O_CLOEXEC); });
}

int FsCalls::openFolder(int dirfd, const char* name, bool forListing) {
    const int flags = (forListing ? O_RDONLY : O_PATH) | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    return restarting([&] { return sys_.openat(dirfd, name, flags); });
}

int FsCalls::openParentOf(int fd) {
    return restarting([&] { return sys_.openat(fd, "..", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC); });
}

void FsCalls::close(int fd) {
    // Never restarted: on Linux the descriptor is gone even when close reports EINTR.
    const int saved = errno;
    sys_.close(fd);
    errno = saved;
}

bool FsCalls::status(int dirfd, const char* name, Status& out) {
    return statusImpl(dirfd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, out);
}

bool FsCalls::statusOf(int fd, Status& out) {
    return statusImpl(fd, "", AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, out);
}

bool FsCalls::statusImpl(int dirfd, const char* name, int flags, Status& out) {
    struct statx sx {};
    if (restarting([&] { return sys_.statx(dirfd, name, flags, kStatusMask, &sx); }) < 0)
        return false;
    out.identity.device = static_cast<std::uint64_t>(makedev(sx.stx_dev_major, sx.stx_dev_minor));
    out.identity.inode = sx.stx_ino;
    out.identity.type = sx.stx_mode & S_IFMT;
    out.size = static_cast<ByteCount>(sx.stx_size);
    out.mount = (sx.stx_mask & STATX_MNT_ID) ? std::optional<std::uint64_t>(sx.stx_mnt_id) : std::nullopt;
    out.mountRoot =
        (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (sx.stx_attributes & STATX_ATTR_MOUNT_ROOT);
    out.unlinked = (sx.stx_mask & STATX_NLINK) && sx.stx_nlink == 0;
    return true;
}

bool FsCalls::typeAndSize(int dirfd, const char* name, unsigned& type, ByteCount& size) {
    struct statx sx {};
    const int flags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT;
    if (restarting([&] { return sys_.statx(dirfd, name, flags, STATX_TYPE | STATX_SIZE, &sx); }) < 0)
        return false;
    type = sx.stx_mode & S_IFMT;
    size = static_cast<ByteCount>(sx.stx_size);
    return true;
}

bool FsCalls::unlinkedSinceOpened(int fd) {
    Status st;
    return statusOf(fd, st) && st.unlinked;
}

bool FsCalls::crossesMount(const FileIdentity& parent, const std::optional<std::uint64_t>& parentMount,
                           const Status& child) {
    if (child.mountRoot || child.identity.device != parent.device)
        return true;
    return child.mount && parentMount && *child.mount != *parentMount;
}

bool FsCalls::unlink(int dirfd, const char* name, bool folder) {
    return restarting([&] { return sys_.unlinkat(dirfd, name, folder ? AT_REMOVEDIR : 0); }) == 0;
}

long FsCalls::list(int fd, void* buffer, std::size_t size) {
    return restarting([&] { return sys_.getdents(fd, buffer, size); });
}

bool FsCalls::rewind(int fd) {
    return restarting([&] { return sys_.lseek(fd, 0, SEEK_SET); }) == 0;
}

std::string FsCalls::message(int error) {
    return std::error_code(error, std::generic_category()).message();
}

} // namespace dovrel
