#include "fs/FolderTrail.h"

#include <cerrno>

namespace dovrel {

void FolderTrail::push(int fd, const FileIdentity& identity) {
    steps_.push_back(Step{fd, identity});
    ++open_;
    while (open_ > maxOpen_ && closeShallowest()) {
    }
}

void FolderTrail::pop() {
    Step& s = steps_.back();
    if (s.fd >= 0) {
        calls_.close(s.fd);
        --open_;
    }
    steps_.pop_back();
    if (openFrom_ > steps_.size())
        openFrom_ = steps_.size() < 1 ? 1 : steps_.size();
}

void FolderTrail::clear() {
    for (Step& s : steps_)
        if (s.fd >= 0)
            calls_.close(s.fd);
    steps_.clear();
    openFrom_ = 1;
    open_ = 0;
}

int FolderTrail::openChild(const char* name) {
    for (;;) {
        const int fd = calls_.openFolder(top(), name, true);
        if (fd >= 0 || (errno != EMFILE && errno != ENFILE))
            return fd;
        const int error = errno;
        if (!closeShallowest()) {
            errno = error;
            return -1;
        }
    }
}

FolderTrail::Reentry FolderTrail::reopenParent() {
    const std::size_t child = steps_.size() - 1;
    if (child == 0 || steps_[child - 1].fd >= 0)
        return Reentry::Open;
    const int fd = calls_.openParentOf(steps_[child].fd);
    if (fd < 0)
        return Reentry::Failed;
    FsCalls::Status st;
    if (!calls_.statusOf(fd, st) || st.identity != steps_[child - 1].identity) {
        calls_.close(fd);
        return Reentry::Moved;
    }
    steps_[child - 1].fd = fd;
    ++open_;
    openFrom_ = child - 1 == 0 ? 1 : child - 1;
    return Reentry::Reopened;
}

bool FolderTrail::closeShallowest() {
    // The root and the deepest step (the one being worked in) stay open.
    while (openFrom_ + 1 < steps_.size()) {
        Step& s = steps_[openFrom_++];
        if (s.fd >= 0) {
            calls_.close(s.fd);
            s.fd = -1;
            --open_;
            return true;
        }
    }
    return false;
}

} // namespace dovrel
