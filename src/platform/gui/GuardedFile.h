#pragma once

#include <QByteArray>

#include <filesystem>

#include <sys/stat.h>

namespace dovrel {

// An item opened for looking inside it, the way previews and icons must:
//
//   lstat(path)            -> what the item itself is; a symbolic link, FIFO,
//                             socket or device is never opened
//   open(O_NOFOLLOW |      -> a link swapped in after the lstat is refused,
//        O_NONBLOCK)          and a FIFO swapped in cannot block
//   fstat(fd)              -> the opened file must be the one lstat saw (same
//                             type, device and inode)
//
// Reads are bounded by the caller. Move-only; closes its descriptor.
class GuardedFile {
public:
    enum class Status {
        Opened,     // fd() is a regular file (or a folder when allowed)
        Missing,    // nothing there (or it vanished in between)
        NotOpened,  // there, but not a kind that is opened (link, FIFO, socket,
                    // device, or a folder when not allowed); lstat() tells which
        Unreadable, // there, but the open or the checks failed
    };

    static GuardedFile open(const std::filesystem::path& item, bool allowFolder);

    GuardedFile(GuardedFile&& other) noexcept;
    GuardedFile& operator=(GuardedFile&& other) noexcept;
    GuardedFile(const GuardedFile&) = delete;
    GuardedFile& operator=(const GuardedFile&) = delete;
    ~GuardedFile();

    Status status() const { return status_; }
    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // The item's own status (valid unless Missing).
    const struct stat& lstat() const { return st_; }
    bool isFolder() const { return S_ISDIR(st_.st_mode); }

    // Up to `maxBytes` from the start of an opened regular file (fewer at its
    // end or on a read error).
    QByteArray read(qint64 maxBytes) const;

private:
    GuardedFile() = default;

    Status status_ = Status::Missing;
    int fd_ = -1;
    struct stat st_ {};
};

} // namespace dovrel
