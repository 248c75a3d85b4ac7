#include "fs/FolderWalk.h"

#include "fs/DirectoryReader.h"
#include "fs/PathOps.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace dovrel {

namespace {

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;

unsigned char typeFromMode(mode_t m) {
    switch (m & S_IFMT) {
    case S_IFDIR:
        return DT_DIR;
    case S_IFREG:
        return DT_REG;
    case S_IFLNK:
        return DT_LNK;
    case S_IFIFO:
        return DT_FIFO;
    case S_IFSOCK:
        return DT_SOCK;
    case S_IFCHR:
        return DT_CHR;
    case S_IFBLK:
        return DT_BLK;
    default:
        return DT_UNKNOWN;
    }
}

int openChild(int dirfd, const char* name) {
    int fd;
    do {
        fd = ::openat(dirfd, name, kDirFlags);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

struct Frame {
    int fd = -1;
    dev_t dev = 0;
    ino_t ino = 0;
    std::vector<std::string> subdirs;
    std::size_t next = 0;
    std::size_t relLength = 0; // length of the relative path of this folder
};

} // namespace

bool FolderWalk::Item::isDirectory() const {
    return type == DT_DIR;
}

Location FolderWalk::Item::path(const Location& root) const {
    std::string p = root.native();
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    if (!relParent.empty()) {
        if (p != "/")
            p += '/';
        p.append(relParent);
    }
    if (p != "/")
        p += '/';
    p.append(name);
    return Location(std::move(p));
}

bool FolderWalk::walkImpl(const Location& root, int rootfd, const Options& options, void* ctx, Callback cb) {
    const int budget = options.maxOpenDescriptors < 2 ? 2 : options.maxOpenDescriptors;

    int fd0 = rootfd >= 0 ? ::fcntl(rootfd, F_DUPFD_CLOEXEC, 0) : PathOps::openDirectory(root, false);
    if (fd0 < 0)
        return false;
    struct stat st0 {};
    if (::fstat(fd0, &st0) != 0) {
        ::close(fd0);
        return false;
    }

    std::vector<Frame> stack;
    stack.reserve(64);
    stack.push_back(Frame{fd0, st0.st_dev, st0.st_ino, {}, 0, 0});
    int openCount = 1;
    std::size_t lowestOpen = 0; // frames below this index have closed descriptors
    std::string rel;
    bool complete = true;

    // Reads one folder completely: reports every item, remembers subfolders.
    auto readFolder = [&](Frame& frame, int depth) {
        DirectoryReader reader(frame.fd);
        DirectoryReader::Entry e{};
        const std::string_view relView(rel);
        while (reader.next(e)) {
            if (options.skipHidden && !e.name.empty() && e.name[0] == '.')
                continue;
            unsigned char type = e.type;
            ByteCount size = 0;
            const char* cname = e.name.data();
            if (type == DT_UNKNOWN || (options.sizes && type != DT_DIR)) {
                struct stat st {};
                if (::fstatat(frame.fd, cname, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue; // vanished
                type = typeFromMode(st.st_mode);
                if (options.sizes && type != DT_DIR)
                    size = static_cast<ByteCount>(st.st_size);
            }
            Item item{frame.fd, e.name, relView, type, depth, size};
            const bool enter = cb(ctx, item);
            if (type == DT_DIR && enter)
                frame.subdirs.emplace_back(e.name);
        }
    };

    readFolder(stack.back(), 0);

    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.subdirs.size()) {
            std::string name = std::move(top.subdirs[top.next++]);
            if (openCount >= budget && lowestOpen + 1 < stack.size()) {
                ::close(stack[lowestOpen].fd);
                stack[lowestOpen].fd = -1;
                ++lowestOpen;
                --openCount;
            }
            int child = openChild(top.fd, name.c_str());
            if (child < 0)
                continue; // unreadable or vanished: counts as empty
            struct stat cst {};
            if (::fstat(child, &cst) != 0) {
                ::close(child);
                continue;
            }
            const std::size_t parentLength = rel.size();
            if (!rel.empty())
                rel += '/';
            rel += name;
            stack.push_back(Frame{child, cst.st_dev, cst.st_ino, {}, 0, rel.size()});
            ++openCount;
            readFolder(stack.back(), static_cast<int>(stack.size()) - 1);
            (void)parentLength;
            continue;
        }

        // This folder is done: go back up.
        Frame done = std::move(top);
        stack.pop_back();
        if (!stack.empty()) {
            Frame& parent = stack.back();
            if (parent.fd < 0) {
                int up = openChild(done.fd, "..");
                struct stat ust {};
                if (up < 0 || ::fstat(up, &ust) != 0 || ust.st_dev != parent.dev ||
                    ust.st_ino != parent.ino) {
                    if (up >= 0)
                        ::close(up);
                    ::close(done.fd);
                    --openCount;
                    complete = false;
                    for (Frame& f : stack)
                        if (f.fd >= 0)
                            ::close(f.fd);
                    return complete;
                }
                parent.fd = up;
                ++openCount;
                --lowestOpen;
            }
            // Trim the relative path back to the parent's.
            rel.resize(parent.relLength);
        }
        ::close(done.fd);
        --openCount;
    }
    return complete;
}

ByteCount FolderWalk::totalSize(const Location& folder) {
    ByteCount total = 0;
    Options options;
    walk(folder, options, [&total](const Item& item) {
        total += item.size;
        return true;
    });
    return total;
}

ByteCount FolderWalk::totalSizeOfDescriptor(int dirfd) {
    ByteCount total = 0;
    Options options;
    walkDescriptor(dirfd, options, [&total](const Item& item) {
        total += item.size;
        return true;
    });
    return total;
}

} // namespace dovrel
