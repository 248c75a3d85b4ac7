#include "fs/ParentReach.h"

#include <cerrno>

namespace dovrel {

namespace {

RemovalOutcome ending(const Location& location, RemovalOutcome::Status status, std::string reason = {}) {
    RemovalOutcome o;
    o.location = location;
    o.status = status;
    o.reason = std::move(reason);
    return o;
}

} // namespace

std::optional<RemovalOutcome> ParentReach::reach(FsCalls& calls, int homefd,
                                                 const std::vector<std::string>& parts,
                                                 const Location& location) {
    using Status = RemovalOutcome::Status;
    owned.reset();
    fd = homefd;
    if (!calls.statusOf(homefd, status))
        return ending(location, Status::Failed, FsCalls::message(errno));
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const int next = calls.openFolder(fd, parts[i].c_str(), false);
        if (next < 0) {
            const int error = errno;
            if (error == ENOENT)
                return ending(location, Status::AlreadyGone);
            if (error == ELOOP || error == ENOTDIR)
                return ending(location, Status::Changed,
                              "a folder on its path is now a symbolic link or not a folder");
            return ending(location, Status::Failed, FsCalls::message(error));
        }
        owned = calls.own(next);
        fd = next;
        // Judged on the descriptor: what was reached, not what a name showed.
        FsCalls::Status here;
        if (!calls.statusOf(next, here))
            return ending(location, Status::Failed, FsCalls::message(errno));
        if (FsCalls::crossesMount(status, here))
            return ending(location, Status::Refused, "a folder on its path is a mount point");
        status = here;
    }
    return std::nullopt;
}

} // namespace dovrel
