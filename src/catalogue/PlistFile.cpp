#include "catalogue/PlistFile.h"

#include "catalogue/PlistReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {

// Reads an open regular file of at most kMaxFileSize bytes; the size from
// fstat is only a hint: reading goes on until the end, but never past the cap.
std::optional<std::string> PlistFile::read(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > PlistReader::kMaxFileSize)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(got) >
            static_cast<std::size_t>(PlistReader::kMaxFileSize))
            return std::nullopt;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return bytes;
}

std::optional<std::string> PlistFile::read(const Location& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    auto bytes = read(fd);
    ::close(fd);
    return bytes;
}

} // namespace dovrel
