#include "support/FixtureTree.h"

#include <fcntl.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace dovrel::test {

namespace fs = std::filesystem;

namespace {
void ensureParent(const fs::path& p) {
    fs::create_directories(p.parent_path());
}
} // namespace

fs::path FixtureTree::fileWith(const fs::path& rel, const std::string& contents) {
    fs::path p = root_ / rel;
    ensureParent(p);
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + p.string());
    if (!contents.empty() &&
        ::write(fd, contents.data(), contents.size()) != static_cast<ssize_t>(contents.size())) {
        ::close(fd);
        throw std::runtime_error("cannot write " + p.string());
    }
    ::close(fd);
    return p;
}

fs::path FixtureTree::file(const fs::path& rel, std::int64_t size) {
    return fileWith(rel, std::string(static_cast<std::size_t>(size), 'x'));
}

fs::path FixtureTree::folder(const fs::path& rel) {
    fs::path p = root_ / rel;
    fs::create_directories(p);
    return p;
}

fs::path FixtureTree::symlink(const fs::path& rel, const fs::path& target) {
    fs::path p = root_ / rel;
    ensureParent(p);
    if (::symlink(target.c_str(), p.c_str()) != 0)
        throw std::runtime_error("cannot link " + p.string());
    return p;
}

fs::path FixtureTree::fifo(const fs::path& rel) {
    fs::path p = root_ / rel;
    ensureParent(p);
    if (::mkfifo(p.c_str(), 0644) != 0)
        throw std::runtime_error("cannot mkfifo " + p.string());
    return p;
}

fs::path FixtureTree::socket(const fs::path& rel) {
    fs::path p = root_ / rel;
    ensureParent(p);
    // Bind relative to the parent so long temp paths still fit sun_path.
    int dirfd = ::open(p.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::string name = p.filename().string();
    std::string procPath = "/proc/self/fd/" + std::to_string(dirfd) + "/" + name;
    std::strncpy(addr.sun_path, procPath.c_str(), sizeof addr.sun_path - 1);
    int rc = ::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::close(s);
    ::close(dirfd);
    if (rc != 0)
        throw std::runtime_error("cannot bind socket " + p.string());
    return p;
}

void FixtureTree::makeHomeSkeleton(const fs::path& home) {
    static const std::vector<const char*> folders = {
        "Library/Caches",
        "Library/Containers",
        "Library/Logs",
        "Library/Preferences",
        "Library/Saved Application State",
        "Library/Application Scripts",
        "Library/Application Support",
        ".Trash",
        "Downloads",
        "Desktop",
        "Documents",
    };
    for (const char* f : folders)
        fs::create_directories(home / f);
}

} // namespace dovrel::test
