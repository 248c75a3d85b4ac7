#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dovrel {

class FsCalls;

// Reads the entries of an open directory descriptor without taking ownership
// of it and without opening anything. "." and ".." are skipped. The one
// reader of folder listings: getdents64 through the FsCalls seam, straight
// into a fixed buffer (no allocation per entry).
class DirectoryReader {
public:
    struct Entry {
        std::string_view name; // NUL-terminated in the buffer
        unsigned char type;    // DT_* value; DT_UNKNOWN when the file system does not say
        std::uint64_t inode;   // the inode number the folder gives the entry
    };

    // With the real system calls.
    explicit DirectoryReader(int dirfd);
    DirectoryReader(FsCalls& calls, int dirfd);
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;

    // The next entry, or false at the end or on a read error (error() tells;
    // EIO for a damaged record). A folder removed after it was opened reads
    // as empty (the kernel answers ENOENT, and nothing can be added to it any
    // more): that is the end, not an error.
    bool next(Entry& out);
    int error() const { return error_; }
    // The inode number the folder gives itself (its "." entry), once that
    // entry has been read; 0 before or when it has none.
    std::uint64_t selfInode() const { return self_; }

private:
    FsCalls* calls_;
    int fd_;
    int error_ = 0;
    std::uint64_t self_ = 0;
    alignas(8) char buffer_[32768];
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};

} // namespace dovrel
