#include "fs/TreeEraser.h"

#include "fs/DirectoryReader.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstddef>
#include <utility>

// How a folder is emptied and removed
// ===================================
//
//   parent ─openat(NOFOLLOW|DIRECTORY)─▶ folder ─openat─▶ sub ─openat─▶ subsub …
//     ▲                                    ▲                              │
//     │ unlinkat(AT_REMOVEDIR)             └── openat("..") ◀─────────────┘
//                                              only when that descriptor was
//                                              closed; checked by dev + inode
//
// A stack of frames, one per folder on the way down. Entering a folder lists
// it once: every non-folder (file, link, FIFO, socket, device) is unlinked
// right away, by name relative to the folder's descriptor and without being
// opened; the names of its subfolders are kept in the frame. Then the
// subfolders are entered one by one. A folder whose subfolders are all done
// is removed through its parent's descriptor.
//
// Descriptors: the root folder stays open; of the frames below it only the
// deepest `maxOpen_` are open. Deeper than that, the shallowest open frame is
// closed, and when the walk climbs back to it, it is reopened from its child
// through "..", which must be the same device and inode recorded on the way
// down. If it is not (the tree was moved while we worked) the walk stops at
// once: no call is ever made relative to a folder that cannot be verified.
//
// Every subfolder is checked before it is entered: its status (lstat-like)
// must be a folder on the same device and mount as its parent, and the
// descriptor opened for it must be that very folder (a swap between the
// status and the open is caught). Opening refuses symbolic links, so a folder
// swapped for a link is never followed; the link is unlinked like any other.
//
// New entries appearing while a folder is emptied make its removal fail with
// ENOTEMPTY; it is then listed again, at most kMaxListings times in all. A
// folder in which something could not be removed is not listed again.
//
// Entries removed by someone else meanwhile (another cleanup, an application
// clearing its own cache) are gone, not failures: an entry that vanished
// between its listing and its status, open or unlink (ENOENT), and a folder
// removed after it was opened, whose listing then ends with ENOENT (the
// kernel lets nothing into a removed folder, so there is nothing left to
// list). A folder whose name, back at its parent, holds another entry is
// left as changed, unless its descriptor shows it removed (link count 0): the
// newcomer is then one more entry that appeared, found by listing the parent
// again. Everything else (EACCES, EBUSY, EIO, ENOTEMPTY that persists) stays
// a failure.
//
// Read-only folders: some tools make what they download read-only (Go's
// module cache: folders 0555, files 0444). Removing an entry needs write
// permission on the folder holding it, not on the entry, so when an unlink
// in a folder of the location is refused (EACCES) and that folder lacks its
// owner's write permission, it gets it back (fchmod on the descriptor held,
// never by name) and the unlink is tried once more. Only folders inside the
// location are changed, all of which are on their way out: the folder
// holding the location keeps its mode, and a location it refuses fails.
//
// Subfolders handed to helper threads: see SubfolderHandoffs.

namespace dovrel {

namespace {

// "where: what", or just "what" for the removed folder itself.
std::string describe(const std::string& where, const std::string& what) {
    return where.empty() ? what : where + ": " + what;
}
} // namespace

TreeEraser::TreeEraser(FsCalls& calls, RemovalProgress& progress, const std::atomic<bool>& cancelled,
                       int maxOpenFolders, RemovalCrew* crew)
    : calls_(calls), cancelled_(cancelled), trail_(calls, maxOpenFolders), log_(progress),
      handoffs_(*this, crew) {}

TreeEraser::~TreeEraser() {
    handoffs_.collectAll(); // no helper may outlive the jobs it works on
    closeAll();
}

TreeEraser::Result TreeEraser::erase(int parentfd, const std::string& name, int folderfd,
                                     const FsCalls::Status& folder) {
    closeAll();
    rootParent_ = parentfd;
    rootPath_.clear();
    ownHalt_.store(false, std::memory_order_relaxed);
    halt_ = &ownHalt_;

    Frame root;
    trail_.push(folderfd, folder.identity);
    root.name = name;
    root.identity = folder.identity;
    root.mount = folder.mount;
    stack_.push_back(std::move(root));
    return run();
}

TreeEraser::Result TreeEraser::empty(Handoff& job) {
    closeAll();
    rootParent_ = -1;
    rootPath_ = job.path;
    ownHalt_.store(false, std::memory_order_relaxed);
    halt_ = job.halt ? job.halt : &ownHalt_;

    Frame root;
    trail_.push(job.fd, job.status.identity);
    root.name = job.name;
    root.identity = job.status.identity;
    root.mount = job.status.mount;
    root.listings = job.listings;
    stack_.push_back(std::move(root));
    return run();
}

TreeEraser::Result TreeEraser::run() {
    log_.begin(stack_[0].listings, halt_);
    list(0);

    bool halted = false;
    while (!stack_.empty() && !log_.stopped()) {
        if (stopRequested()) {
            halted = true; // why is settled below, once every helper is back
            break;
        }
        const std::size_t top = stack_.size() - 1;
        if (!stack_[top].handoffs.empty()) {
            handoffs_.settleFinished(top);
            if (log_.stopped())
                break;
        }
        Frame& f = stack_[top];
        if (f.next < f.subfolders.size()) {
            Subfolder sub = std::move(f.subfolders[f.next++]);
            descend(std::move(sub));
        } else if (!f.handoffs.empty()) {
            handoffs_.settleAll(top);
        } else if (!ascend()) {
            break;
        }
    }
    handoffs_.collectAll();
    if (halted && !log_.stopped())
        log_.stop(RemovalOutcome::Status::Cancelled, "cancelled");
    closeAll();
    return log_.finish(rootParent_ >= 0);
}

void TreeEraser::list(std::size_t frame) {
    stack_[frame].listings++;
    // A folder removed meanwhile lists as empty (the reader takes ENOENT as the end).
    DirectoryReader reader(calls_, trail_.fd(frame));
    DirectoryReader::Entry e{};
    while (reader.next(e)) {
        if (stopRequested())
            return;
        removeEntry(frame, e.name.data(), e.type);
    }
    if (reader.error() != 0)
        fail(frame, {}, FsCalls::message(reader.error()));
}

void TreeEraser::removeEntry(std::size_t frame, const char* name, unsigned char type) {
    if (type == DT_DIR) {
        stack_[frame].subfolders.push_back({name, 0, std::nullopt});
        return;
    }
    FsCalls::Status st;
    if (!calls_.status(trail_.fd(frame), name, st)) {
        if (errno == ENOENT)
            return;
        // Size unknown; the unlink below still tells a folder from the rest.
        st.size = 0;
    } else if (st.isDirectory()) {
        stack_[frame].subfolders.push_back({name, 0, std::nullopt});
        return;
    }
    removeNonFolder(frame, name, st.size, true);
}

bool TreeEraser::allowRemovalIn(std::size_t frame) {
    const int saved = errno; // a refusal keeps the unlink's error
    const int fd = trail_.fd(frame);
    struct stat st {};
    const bool changed = fd >= 0 && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) &&
                         (st.st_mode & S_IWUSR) == 0 &&
                         ::fchmod(fd, (st.st_mode & 07777) | S_IWUSR | S_IXUSR) == 0;
    errno = saved;
    return changed;
}

void TreeEraser::removeNonFolder(std::size_t frame, const char* name, ByteCount size, bool requeueFolder) {
    bool removed = calls_.unlink(trail_.fd(frame), name, false);
    if (!removed && errno == EACCES && allowRemovalIn(frame))
        removed = calls_.unlink(trail_.fd(frame), name, false);
    if (removed) {
        log_.count(1, size);
        return;
    }
    const int error = errno;
    if (error == ENOENT)
        return;
    if (error == EISDIR) {
        // It became a folder since its status was read.
        if (requeueFolder)
            stack_[frame].subfolders.push_back({name, 0, std::nullopt});
        else
            changed(frame, name, "replaced while being removed");
        return;
    }
    fail(frame, name, FsCalls::message(error));
}

void TreeEraser::descend(Subfolder sub) {
    const std::size_t parent = stack_.size() - 1;
    const int parentfd = trail_.fd(parent);
    const std::string& name = sub.name;

    FsCalls::Status st;
    if (!calls_.status(parentfd, name.c_str(), st)) {
        if (errno != ENOENT)
            fail(parent, name, FsCalls::message(errno));
        return;
    }
    if (!st.isDirectory()) {
        removeNonFolder(parent, name.c_str(), st.size, false);
        return;
    }
    if (FsCalls::crossesMount(stack_[parent].identity, stack_[parent].mount, st)) {
        fail(parent, name, "a mount point; not entered");
        return;
    }

    const int fd = trail_.openChild(name.c_str());
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return;
        if (error == ELOOP || error == ENOTDIR) {
            // Swapped for a link or a file since the status: remove that as what it is now.
            FsCalls::Status now;
            if (calls_.status(parentfd, name.c_str(), now) && !now.isDirectory())
                removeNonFolder(parent, name.c_str(), now.size, false);
            else if (errno != ENOENT)
                changed(parent, name, "replaced while being removed");
            return;
        }
        // It cannot be listed; if it is empty it can still go.
        if (calls_.unlink(parentfd, name.c_str(), true)) {
            log_.count(1, 0);
            return;
        }
        if (errno != ENOENT)
            fail(parent, name, FsCalls::message(error));
        return;
    }

    FsCalls::Status opened;
    if (!calls_.statusOf(fd, opened) || opened.identity != st.identity) {
        calls_.close(fd);
        changed(parent, name, "replaced while being removed; not entered");
        return;
    }
    if (FsCalls::crossesMount(stack_[parent].identity, stack_[parent].mount, opened)) {
        // A mount appeared between the status and the open.
        calls_.close(fd);
        fail(parent, name, "a mount point; not entered");
        return;
    }
    if (sub.expected && opened.identity != *sub.expected) {
        // Entered again after it refused to go: it must still be that folder.
        calls_.close(fd);
        changed(parent, name, "replaced while being removed");
        return;
    }
    if (handoffs_.handOff(fd, sub.name, sub.listings, opened))
        return;

    Frame child;
    child.name = std::move(sub.name);
    child.identity = opened.identity;
    child.mount = opened.mount;
    child.listings = sub.listings;
    trail_.push(fd, opened.identity);
    stack_.push_back(std::move(child));
    list(stack_.size() - 1);
}

bool TreeEraser::ascend() {
    const std::size_t top = stack_.size() - 1;
    if (top == 0 && rootParent_ < 0) {
        // Emptied; the walk that handed it off removes it.
        log_.result().gone = calls_.unlinkedSinceOpened(trail_.fd(0));
        pop();
        return true;
    }
    if (top > 0 && !reopenParent(top))
        return false;
    const int parentfd = top == 0 ? rootParent_ : trail_.fd(top - 1);
    Frame& f = stack_[top];

    // Only the folder we emptied goes, not whatever now carries its name.
    FsCalls::Status now;
    if (!calls_.status(parentfd, f.name.c_str(), now)) {
        if (errno != ENOENT)
            fail(top == 0 ? 0 : top - 1, top == 0 ? std::string() : f.name, FsCalls::message(errno));
        else if (top == 0)
            log_.result().gone = calls_.unlinkedSinceOpened(trail_.top()); // else moved away, emptied
        pop();
        return true;
    }
    if (now.identity != f.identity) {
        if (calls_.unlinkedSinceOpened(trail_.top())) {
            // Removed by someone else; the entry now carrying its name is new
            // (below the root, listing the parent again finds it).
            if (top == 0)
                log_.result().gone = true;
        } else {
            changed(top == 0 ? 0 : top - 1, top == 0 ? std::string() : f.name,
                    "replaced while being removed");
        }
        pop();
        return true;
    }

    bool removed = calls_.unlink(parentfd, f.name.c_str(), true);
    // The folder holding the location (top 0) is never made writable.
    if (!removed && errno == EACCES && top > 0 && allowRemovalIn(top - 1))
        removed = calls_.unlink(parentfd, f.name.c_str(), true);
    if (removed) {
        log_.count(1, 0);
        pop();
        return true;
    }
    const int error = errno;
    if ((error == ENOTEMPTY || error == EEXIST) && !f.troubled && f.listings < kMaxListings) {
        // Something appeared in it while it was emptied: list it again, but
        // only after checking once more that the descriptor is that folder.
        FsCalls::Status held;
        if (calls_.statusOf(trail_.top(), held) && held.identity == f.identity &&
            calls_.rewind(trail_.top())) {
            list(top);
            return true;
        }
    }
    if (error != ENOENT && !f.troubled)
        fail(top == 0 ? 0 : top - 1, top == 0 ? std::string() : f.name, FsCalls::message(error));
    if (error == ENOENT && top == 0)
        log_.result().gone = calls_.unlinkedSinceOpened(trail_.top());
    pop();
    return true;
}

bool TreeEraser::reopenParent(std::size_t frame) {
    switch (trail_.reopenParent()) {
    case FolderTrail::Reentry::Open:
    case FolderTrail::Reentry::Reopened:
        return true;
    case FolderTrail::Reentry::Failed: {
        const int error = errno;
        log_.stop(RemovalOutcome::Status::Changed,
                  describe(pathOf(frame, {}),
                           "could not return to the folder above (" + FsCalls::message(error) + ")"));
        return false;
    }
    case FolderTrail::Reentry::Moved:
        break;
    }
    log_.stop(RemovalOutcome::Status::Changed,
              describe(pathOf(frame, {}), "moved while being removed; stopped"));
    return false;
}

void TreeEraser::pop() {
    Frame& f = stack_.back();
    if (stack_.size() == 1)
        log_.result().listings = f.listings;
    trail_.pop();
    const bool troubled = f.troubled;
    stack_.pop_back();
    if (troubled && !stack_.empty())
        stack_.back().troubled = true;
}

void TreeEraser::closeAll() {
    trail_.clear();
    stack_.clear();
}

void TreeEraser::fail(std::size_t frame, const std::string& name, const std::string& what) {
    stack_[frame].troubled = true;
    log_.failure(describe(pathOf(frame, name), what));
}

void TreeEraser::changed(std::size_t frame, const std::string& name, const std::string& what) {
    stack_[frame].troubled = true;
    log_.change(describe(pathOf(frame, name), what));
}

std::string TreeEraser::pathOf(std::size_t frame, const std::string& name) const {
    // Relative to the removed location; empty for the location itself.
    std::string path = rootPath_;
    for (std::size_t i = 1; i <= frame && i < stack_.size(); ++i) {
        if (!path.empty())
            path += '/';
        path += stack_[i].name;
    }
    if (!name.empty()) {
        if (!path.empty())
            path += '/';
        path += name;
    }
    return path;
}

} // namespace dovrel
