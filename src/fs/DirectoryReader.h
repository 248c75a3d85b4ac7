#pragma once

#include <cstddef>
#include <string_view>

namespace dovrel {

// Reads the entries of an open directory descriptor without taking ownership
// of it and without opening anything. "." and ".." are skipped.
//
// On Linux it calls getdents64 straight into a fixed buffer (no allocation per
// entry); elsewhere it reads a dup of the descriptor through readdir.
class DirectoryReader {
public:
    struct Entry {
        std::string_view name;
        unsigned char type; // DT_* value; DT_UNKNOWN when the file system does not say
    };

    explicit DirectoryReader(int dirfd);
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;

    // The next entry, or false at the end or on a read error (error() tells).
    // A folder removed after it was opened reads as empty (the kernel answers
    // ENOENT, and nothing can be added to it any more): that is the end, not
    // an error.
    bool next(Entry& out);
    int error() const { return error_; }

private:
    int fd_;
    int error_ = 0;
#ifdef __linux__
    alignas(8) char buffer_[32768];
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
#else
    void* dir_ = nullptr;
#endif
};

} // namespace dovrel
