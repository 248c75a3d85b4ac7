#include "fs/FolderWalk.h"

#include "fs/DirectoryReader.h"
#include "fs/FolderTrail.h"
#include "fs/FsCalls.h"
#include "fs/PathOps.h"
#include "fs/Syscalls.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace dovrel {

namespace {

unsigned char typeFromMode(unsigned m) {
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

// What the walk keeps of a folder on the way down besides its descriptor.
struct Pending {
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
    FsCalls calls(options.calls ? *options.calls : Syscalls::system());
    const int first = rootfd >= 0 ? ::fcntl(rootfd, F_DUPFD_CLOEXEC, 0) : PathOps::openDirectory(root, false);
    if (first < 0)
        return false;
    FsCalls::Status st0;
    if (!calls.statusOf(first, st0)) {
        calls.close(first);
        return false;
    }

    FolderTrail trail(calls, options.maxOpenDescriptors);
    std::vector<Pending> pending;
    pending.reserve(64);
    trail.push(first, st0.identity);
    pending.push_back({});
    std::string rel;

    // Reads one folder completely: reports every item, remembers subfolders.
    auto readFolder = [&](int fd, Pending& frame, int depth) {
        DirectoryReader reader(calls, fd);
        DirectoryReader::Entry e{};
        const std::string_view relView(rel);
        while (reader.next(e)) {
            if (options.skipHidden && !e.name.empty() && e.name[0] == '.')
                continue;
            unsigned char type = e.type;
            ByteCount size = 0;
            if (type == DT_UNKNOWN || (options.sizes && type != DT_DIR)) {
                unsigned mode = 0;
                if (!calls.typeAndSize(fd, e.name.data(), mode, size))
                    continue; // vanished
                type = typeFromMode(mode);
                if (!options.sizes || type == DT_DIR)
                    size = 0;
            }
            Item item{fd, e.name, relView, type, depth, size, e.inode};
            const bool enter = cb(ctx, item);
            if (type == DT_DIR && enter)
                frame.subdirs.emplace_back(e.name);
        }
    };

    readFolder(first, pending.back(), 0);

    while (!pending.empty()) {
        Pending& top = pending.back();
        if (top.next < top.subdirs.size()) {
            const std::string name = std::move(top.subdirs[top.next++]);
            const int child = trail.openChild(name.c_str());
            if (child < 0)
                continue; // unreadable or vanished: counts as empty
            FsCalls::Status cst;
            if (!calls.statusOf(child, cst)) {
                calls.close(child);
                continue;
            }
            if (!rel.empty())
                rel += '/';
            rel += name;
            trail.push(child, cst.identity);
            pending.push_back(Pending{{}, 0, rel.size()});
            readFolder(child, pending.back(), static_cast<int>(pending.size()) - 1);
            continue;
        }

        // This folder is done: go back up, through a verified ".." if the
        // folder above was closed meanwhile.
        const FolderTrail::Reentry back = trail.reopenParent();
        if (back == FolderTrail::Reentry::Failed || back == FolderTrail::Reentry::Moved)
            return false;
        trail.pop();
        pending.pop_back();
        if (!pending.empty())
            rel.resize(pending.back().relLength);
    }
    return true;
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
