#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <optional>

namespace dovrel {

// Who a directory entry is: device, inode and file type (the S_IFMT bits).
// The scan records it for every location it reports; removal refuses a
// location whose identity changed since.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint32_t type = 0; // st_mode & S_IFMT

    static FileIdentity of(const struct stat& st) {
        return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                static_cast<std::uint32_t>(st.st_mode & S_IFMT)};
    }
    bool operator==(const FileIdentity&) const = default;
};

} // namespace dovrel
