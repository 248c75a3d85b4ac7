#include "fs/Remover.h"

#include "fs/FsCalls.h"
#include "fs/ParentReach.h"
#include "fs/RemovalCrew.h"
#include "fs/TreeEraser.h"
#include "fs/UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

namespace dovrel {

namespace {

using Status = RemovalOutcome::Status;

// The fixed folders, relative to home. Neither they nor a folder holding one
// of them may be removed; what is inside them may.
const std::vector<std::vector<std::string>>& fixedFolders() {
    static const std::vector<std::vector<std::string>> folders = {
        {"Library"},
        {"Library", "Caches"},
        {"Library", "Logs"},
        {"Library", "Containers", "com.apple.mail", "Data", "Library", "Mail Downloads"},
        {".Trash"},
        {"Downloads"},
        // The Linux layout's.
        {".cache"},
        {".config"},
        {".local"},
        {".local", "share"},
        {".local", "share", "Trash"},
        {".local", "share", "Trash", "files"},
        {".local", "share", "Trash", "info"},
        {".local", "share", "xorg"},
        {".local", "share", "flatpak"},
        {".var"},
        {".var", "app"},
        {"snap"},
        {".mozilla"},
        {".mozilla", "firefox"},
        {"Desktop"},
        {"Documents"},
    };
    return folders;
}

bool isPrefix(const std::vector<std::string>& prefix, const std::vector<std::string>& of) {
    if (prefix.size() > of.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (prefix[i] != of[i])
            return false;
    }
    return true;
}

// The components of an absolute path, root first; repeated and trailing
// separators do not make components.
std::vector<std::string> componentsOf(const Location& path) {
    std::vector<std::string> parts;
    for (const auto& part : path) {
        if (!part.empty())
            parts.push_back(part.native());
    }
    return parts;
}

RemovalOutcome outcome(const Location& location, Status status, std::string reason = {}) {
    RemovalOutcome o;
    o.location = location;
    o.status = status;
    o.reason = std::move(reason);
    return o;
}

// Removes one location, already judged lexically, given as components below
// the open home folder.
class LocationRemoval {
public:
    LocationRemoval(FsCalls& calls, RemovalProgress& progress, const std::atomic<bool>& cancelled,
                    int maxOpenFolders, RemovalCrew* crew)
        : calls_(calls), progress_(progress), eraser_(calls, progress, cancelled, maxOpenFolders, crew) {}

    RemovalOutcome run(const RemovalRequest& request, const std::vector<std::string>& parts, int homefd) {
        const Location& location = request.location;

        ParentReach way;
        if (auto ended = way.reach(calls_, homefd, parts, location))
            return std::move(*ended);
        const int parentfd = way.fd;
        const FsCalls::Status& parentStatus = way.status;

        const std::string& name = parts.back();
        FsCalls::Status st;
        if (!calls_.status(parentfd, name.c_str(), st)) {
            const int error = errno;
            return error == ENOENT ? outcome(location, Status::AlreadyGone)
                                   : outcome(location, Status::Failed, FsCalls::message(error));
        }
        if (FsCalls::crossesMount(parentStatus, st))
            return outcome(location, Status::Refused, "a mount point");
        if (request.identity && *request.identity != st.identity)
            return outcome(location, Status::Changed, "not the item that was scanned");

        if (!st.isDirectory())
            return removeNonFolder(location, parentfd, name, st);

        const int fd = calls_.openFolder(parentfd, name.c_str(), true);
        if (fd < 0) {
            const int error = errno;
            if (error == ENOENT)
                return outcome(location, Status::AlreadyGone);
            if (error == ELOOP || error == ENOTDIR)
                return outcome(location, Status::Changed, "replaced since it was checked");
            // Cannot be listed; an empty folder still goes.
            if (calls_.unlink(parentfd, name.c_str(), true)) {
                progress_.add(1, 0);
                RemovalOutcome o = outcome(location, Status::Removed);
                o.items = 1;
                return o;
            }
            return outcome(location, Status::Failed, FsCalls::message(error));
        }
        FsCalls::Status opened;
        if (!calls_.statusOf(fd, opened) || opened.identity != st.identity) {
            calls_.close(fd);
            return outcome(location, Status::Changed, "replaced since it was checked");
        }
        if (FsCalls::crossesMount(parentStatus, opened)) {
            calls_.close(fd); // mounted on since it was checked
            return outcome(location, Status::Refused, "a mount point");
        }

        const TreeEraser::Result r = eraser_.erase(parentfd, name, fd, opened);
        RemovalOutcome o = outcome(location, r.status, r.reason);
        o.items = r.items;
        o.bytes = r.bytes;
        return o;
    }

private:
    RemovalOutcome removeNonFolder(const Location& location, int parentfd, const std::string& name,
                                   const FsCalls::Status& st) {
        if (!calls_.unlink(parentfd, name.c_str(), false)) {
            const int error = errno;
            if (error == ENOENT)
                return outcome(location, Status::AlreadyGone);
            if (error == EISDIR)
                return outcome(location, Status::Changed, "replaced since it was checked");
            return outcome(location, Status::Failed, FsCalls::message(error));
        }
        progress_.add(1, st.size);
        RemovalOutcome o = outcome(location, Status::Removed);
        o.items = 1;
        o.bytes = st.size;
        return o;
    }

    FsCalls& calls_;
    RemovalProgress& progress_;
    TreeEraser eraser_;
};

} // namespace

Remover::Remover(Location home, Syscalls& calls) : home_(std::move(home)), sys_(calls) {
    home_ = home_.lexically_normal();
}

std::optional<std::vector<std::string>> Remover::relativeComponents(const Location& location,
                                                                    std::string& refusal) const {
    if (!home_.is_absolute()) {
        refusal = "the home folder is not an absolute path";
        return std::nullopt;
    }
    if (!location.is_absolute()) {
        refusal = "not an absolute path";
        return std::nullopt;
    }
    const std::vector<std::string> homeParts = componentsOf(home_);
    std::vector<std::string> parts = componentsOf(location);
    for (const std::string& part : parts) {
        if (part == "." || part == "..") {
            refusal = "a path with \".\" or \"..\" in it";
            return std::nullopt;
        }
    }
    if (!isPrefix(homeParts, parts)) {
        refusal = "outside the home folder";
        return std::nullopt;
    }
    parts.erase(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(homeParts.size()));
    if (parts.empty()) {
        refusal = "the home folder itself";
        return std::nullopt;
    }
    for (const auto& fixed : fixedFolders()) {
        if (isPrefix(parts, fixed)) {
            refusal = "a fixed folder (only its contents may be removed)";
            return std::nullopt;
        }
    }
    return parts;
}

std::optional<std::string> Remover::refusal(const Location& location) const {
    std::string reason;
    if (relativeComponents(location, reason))
        return std::nullopt;
    return reason;
}

RemovalReport Remover::remove(const std::vector<RemovalRequest>& requests) {
    progress_.reset();
    RemovalReport report;
    report.outcomes.reserve(requests.size());
    FsCalls calls(sys_);

    int homefd = -1;
    int homeError = 0;
    if (home_.is_absolute()) {
        homefd = calls.openHome(home_.c_str());
        homeError = homefd < 0 ? errno : 0;
    }

    // The descriptor bound shared out: every helper walks with `share`, the
    // calling thread with the rest (at least as much).
    const int threads = std::min(threads_, maxOpenFolders_ / 2);
    const int share = maxOpenFolders_ / std::max(threads, 1);
    std::optional<RemovalCrew> crew;
    if (threads > 1)
        crew.emplace(calls, progress_, cancelled_, threads - 1, share);
    LocationRemoval removal(calls, progress_, cancelled_, maxOpenFolders_ - (threads - 1) * share,
                            crew ? &*crew : nullptr);
    for (const RemovalRequest& request : requests) {
        if (cancelled_.load(std::memory_order_relaxed)) {
            report.outcomes.push_back(outcome(request.location, Status::Cancelled, "cancelled"));
            continue;
        }
        if (stopping_.load(std::memory_order_relaxed)) {
            report.outcomes.push_back(
                outcome(request.location, Status::Cancelled, "not started: the removal was stopped"));
            continue;
        }
        std::string reason;
        const auto parts = relativeComponents(request.location, reason);
        if (!parts)
            report.outcomes.push_back(outcome(request.location, Status::Refused, std::move(reason)));
        else if (homefd < 0)
            report.outcomes.push_back(
                outcome(request.location, Status::Failed,
                        "the home folder cannot be opened: " + FsCalls::message(homeError)));
        else
            report.outcomes.push_back(removal.run(request, *parts, homefd));
        report.itemsRemoved += report.outcomes.back().items;
        report.bytesFreed += report.outcomes.back().bytes;
    }

    if (homefd >= 0)
        calls.close(homefd);
    cancelled_.store(false, std::memory_order_relaxed);
    stopping_.store(false, std::memory_order_relaxed);
    return report;
}

} // namespace dovrel
