#include "fs/TrashMover.h"

#include "fs/FolderWalk.h"
#include "fs/FsCalls.h"
#include "fs/ParentReach.h"
#include "fs/UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {

namespace {

using Status = RemovalOutcome::Status;

constexpr std::string_view kInfoSuffix = ".trashinfo";
constexpr int kMaxNumber = 10000;
constexpr std::int64_t kMaxSizesFile = 4 * 1024 * 1024;

RemovalOutcome outcome(const Location& location, Status status, std::string reason = {}) {
    RemovalOutcome o;
    o.location = location;
    o.status = status;
    o.reason = std::move(reason);
    return o;
}

std::vector<std::string> componentsOf(const Location& path) {
    std::vector<std::string> parts;
    for (const auto& part : path) {
        if (!part.empty() && part != "/")
            parts.push_back(part.native());
    }
    return parts;
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool readSmall(int fd, std::string& out) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxSizesFile)
        return false;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        out.append(buffer, static_cast<std::size_t>(n));
        if (out.size() > static_cast<std::size_t>(kMaxSizesFile))
            return false;
    }
}

// The name an item takes in the Trash: its own, shortened when NAME.trashinfo
// and a number would not fit a file name (never inside a UTF-8 sequence).
std::string trashBase(const std::string& name) {
    constexpr std::size_t room = NAME_MAX - kInfoSuffix.size() - 6; // ".10000"
    if (name.size() <= room)
        return name;
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    return name.substr(0, cut);
}

std::string numbered(const std::string& base, int number) {
    return number == 1 ? base : base + "." + std::to_string(number);
}

std::string localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// Opens the folder `name` in `dirfd` (whose status is `above`), making it
// when it is missing; a link, a non-folder or a mount point is refused.
UniqueFd openOrMake(FsCalls& calls, int dirfd, const std::string& name, const FsCalls::Status& above,
                    FsCalls::Status& here, std::string& failure) {
    int fd = calls.openFolder(dirfd, name.c_str(), false);
    if (fd < 0 && errno == ENOENT && (::mkdirat(dirfd, name.c_str(), 0700) == 0 || errno == EEXIST))
        fd = calls.openFolder(dirfd, name.c_str(), false);
    if (fd < 0) {
        const int error = errno;
        failure = error == ELOOP || error == ENOTDIR
                      ? "the Trash folder, or one on its way, is a symbolic link or not a folder"
                      : "the Trash cannot be opened: " + FsCalls::message(error);
        return {};
    }
    UniqueFd opened = calls.own(fd);
    if (!calls.statusOf(fd, here)) {
        failure = "the Trash cannot be opened: " + FsCalls::message(errno);
        return {};
    }
    if (FsCalls::crossesMount(above, here)) {
        failure = "the Trash folder, or one on its way, is a mount point";
        return {};
    }
    return opened;
}

// Adds the line of the trashed folder `name` to TRASH/directorysizes: the
// old lines and the new one are written to a new file that replaces the old
// one in one rename. A cache readers check, so failing is harmless.
void addDirectorySize(int trashfd, const std::string& name, ByteCount size, std::time_t mtime) {
    std::string lines;
    mode_t mode = 0600;
    const int in =
        ::openat(trashfd, "directorysizes", O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (in >= 0) {
        struct stat st {};
        const bool read = readSmall(in, lines) && ::fstat(in, &st) == 0;
        ::close(in);
        if (!read)
            return;
        mode = st.st_mode & 0666;
        if (!lines.empty() && lines.back() != '\n')
            lines += '\n';
    } else if (errno != ENOENT) {
        return;
    }
    lines += std::to_string(size) + " " + std::to_string(static_cast<long long>(mtime)) + " " +
             TrashMover::percentEncoded(name) + "\n";
    const std::string temp = "directorysizes.dovrel-" + std::to_string(::getpid());
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int out = ::openat(trashfd, temp.c_str(), flags, mode);
    if (out < 0 && errno == EEXIST && ::unlinkat(trashfd, temp.c_str(), 0) == 0)
        out = ::openat(trashfd, temp.c_str(), flags, mode);
    if (out < 0)
        return;
    const bool written = writeAll(out, lines) && ::fsync(out) == 0;
    ::close(out);
    if (!written || ::renameat(trashfd, temp.c_str(), trashfd, "directorysizes") != 0)
        ::unlinkat(trashfd, temp.c_str(), 0);
}

} // namespace

// The Trash's folders, open (O_PATH) once per move() when the first location
// needs them.
struct TrashMover::Trash {
    bool tried = false;
    std::string failure; // why the Trash cannot be used
    UniqueFd trash, files, info;
    FsCalls::Status filesStatus;
};

TrashMover::TrashMover(Location home, Location trash, Kind kind, Syscalls& calls)
    : home_(std::move(home).lexically_normal()), trash_(std::move(trash).lexically_normal()), kind_(kind),
      sys_(calls), judge_(home_, calls) {}

TrashMover::TrashMover(const Location& home, const std::optional<Location>& freedesktopTrash, Syscalls& calls)
    : TrashMover(home, freedesktopTrash.value_or(home / ".Trash"),
                 freedesktopTrash ? Kind::Freedesktop : Kind::MacOS, calls) {}

bool TrashMover::inTrash(const Location& location) const {
    const std::vector<std::string> trash = componentsOf(trash_);
    const std::vector<std::string> parts = componentsOf(location.lexically_normal());
    if (parts.size() < trash.size())
        return false;
    for (std::size_t i = 0; i < trash.size(); ++i)
        if (parts[i] != trash[i])
            return false;
    return true;
}

bool TrashMover::holdsTrash(const Location& location) const {
    const std::vector<std::string> trash = componentsOf(trash_);
    const std::vector<std::string> parts = componentsOf(location.lexically_normal());
    return parts.size() < trash.size() && std::equal(parts.begin(), parts.end(), trash.begin());
}

std::string TrashMover::percentEncoded(std::string_view bytes) {
    static constexpr char hex[] = "0123456789ABCDEF";
    static constexpr std::string_view kept = "-_.!~*'()/";
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
            kept.find(c) != std::string_view::npos) {
            out += c;
        } else {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 0xF];
        }
    }
    return out;
}

RemovalReport TrashMover::move(const std::vector<RemovalRequest>& requests) {
    RemovalReport report;
    report.outcomes.reserve(requests.size());
    FsCalls calls(sys_);
    UniqueFd home;
    int homeError = 0;
    if (home_.is_absolute()) {
        home = calls.own(calls.openHome(home_.c_str()));
        homeError = home ? 0 : errno;
    }
    Trash trash;

    for (const RemovalRequest& request : requests) {
        if (stopped_.load(std::memory_order_relaxed)) {
            report.outcomes.push_back(outcome(request.location, Status::Cancelled, "cancelled"));
            continue;
        }
        std::string reason;
        const auto parts = judge_.relativeComponents(request.location, reason);
        if (!parts)
            report.outcomes.push_back(outcome(request.location, Status::Refused, std::move(reason)));
        else if (inTrash(request.location))
            report.outcomes.push_back(
                outcome(request.location, Status::Refused, "in the Trash: only ever removed for good"));
        else if (holdsTrash(request.location))
            report.outcomes.push_back(outcome(request.location, Status::Refused, "holds the Trash"));
        else if (!home)
            report.outcomes.push_back(
                outcome(request.location, Status::Failed,
                        "the home folder cannot be opened: " + FsCalls::message(homeError)));
        else
            report.outcomes.push_back(moveOne(request, *parts, home.get(), trash));
        const RemovalOutcome& o = report.outcomes.back();
        report.itemsRemoved += o.items;
        (o.movedToTrash ? report.bytesMovedToTrash : report.bytesFreed) += o.bytes;
    }
    stopped_.store(false, std::memory_order_relaxed);
    return report;
}

void TrashMover::openTrash(FsCalls& calls, int homefd, Trash& trash) const {
    trash.tried = true;
    const Location relative = trash_.lexically_relative(home_);
    if (relative.empty() || *relative.begin() == ".." || *relative.begin() == "." || !trash_.is_absolute()) {
        trash.failure = "the Trash is not inside the home folder";
        return;
    }
    FsCalls::Status above;
    if (!calls.statusOf(homefd, above)) {
        trash.failure = "the home folder cannot be opened: " + FsCalls::message(errno);
        return;
    }
    // Down to the Trash, each folder on the home's mount.
    UniqueFd at;
    for (const std::string& part : componentsOf(relative)) {
        FsCalls::Status here;
        at = openOrMake(calls, at ? at.get() : homefd, part, above, here, trash.failure);
        if (!at)
            return;
        above = here;
    }
    if (kind_ == Kind::MacOS) {
        // Items lie in the Trash folder itself.
        trash.filesStatus = above;
        trash.files = std::move(at);
        return;
    }
    trash.trash = std::move(at);
    FsCalls::Status info;
    trash.files = openOrMake(calls, trash.trash.get(), "files", above, trash.filesStatus, trash.failure);
    if (trash.files)
        trash.info = openOrMake(calls, trash.trash.get(), "info", above, info, trash.failure);
}

RemovalOutcome TrashMover::moveOne(const RemovalRequest& request, const std::vector<std::string>& parts,
                                   int homefd, Trash& trash) {
    const Location& location = request.location;
    FsCalls calls(sys_);

    if (!trash.tried)
        openTrash(calls, homefd, trash);
    if (!trash.failure.empty())
        return outcome(location, Status::Failed, trash.failure);

    ParentReach way;
    if (auto ended = way.reach(calls, homefd, parts, location))
        return std::move(*ended);
    const std::string& name = parts.back();
    FsCalls::Status st;
    if (!calls.status(way.fd, name.c_str(), st)) {
        const int error = errno;
        return error == ENOENT ? outcome(location, Status::AlreadyGone)
                               : outcome(location, Status::Failed, FsCalls::message(error));
    }
    if (FsCalls::crossesMount(way.status, st))
        return outcome(location, Status::Refused, "a mount point");
    if (request.identity && *request.identity != st.identity)
        return outcome(location, Status::Changed, "not the item that was scanned");
    if (st.identity.device != trash.filesStatus.identity.device)
        return outcome(location, Status::Refused,
                       "on another file system than the Trash (never copied there)");

    const std::string base = trashBase(name);
    const std::string path = percentEncoded(location.lexically_normal().native());
    std::string chosen;
    UniqueFd infoFile;
    struct stat infoStat {};
    for (int number = 1; chosen.empty(); ++number) {
        if (number > kMaxNumber)
            return outcome(location, Status::Failed, "no free name in the Trash");
        const std::string candidate = numbered(base, number);
        const std::string infoName = candidate + std::string(kInfoSuffix);
        if (kind_ == Kind::Freedesktop) {
            const int fd = ::openat(trash.info.get(), infoName.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd < 0 && errno == EEXIST)
                continue;
            if (fd < 0)
                return outcome(location, Status::Failed,
                               "its Trash information cannot be written: " + FsCalls::message(errno));
            infoFile.reset(fd);
            const std::string text = "[Trash Info]\nPath=" + path + "\nDeletionDate=" + localTimeNow() + "\n";
            if (!writeAll(fd, text) || ::fstat(fd, &infoStat) != 0) {
                const int error = errno;
                infoFile.reset();
                ::unlinkat(trash.info.get(), infoName.c_str(), 0);
                return outcome(location, Status::Failed,
                               "its Trash information cannot be written: " + FsCalls::message(error));
            }
            infoFile.reset();
        }
        auto dropInfo = [&] {
            if (kind_ == Kind::Freedesktop)
                ::unlinkat(trash.info.get(), infoName.c_str(), 0);
        };
        int moved =
            sys_.renameat2(way.fd, name.c_str(), trash.files.get(), candidate.c_str(), RENAME_NOREPLACE);
        if (moved != 0 && errno == EINVAL) {
            // A file system without RENAME_NOREPLACE: the name is checked free first.
            FsCalls::Status there;
            if (calls.status(trash.files.get(), candidate.c_str(), there)) {
                dropInfo();
                continue;
            }
            moved = sys_.renameat2(way.fd, name.c_str(), trash.files.get(), candidate.c_str(), 0);
        }
        if (moved != 0) {
            const int error = errno;
            dropInfo();
            if (error == EEXIST || error == ENOTEMPTY)
                continue;
            if (error == ENOENT)
                return outcome(location, Status::AlreadyGone);
            if (error == EXDEV)
                return outcome(location, Status::Refused,
                               "on another file system than the Trash (never copied there)");
            return outcome(location, Status::Failed,
                           "cannot be moved to the Trash: " + FsCalls::message(error));
        }

        // What was renamed must be what was checked; a stranger swapped in
        // meanwhile goes back where it was.
        FsCalls::Status arrived;
        if (calls.status(trash.files.get(), candidate.c_str(), arrived) && arrived.identity != st.identity) {
            if (sys_.renameat2(trash.files.get(), candidate.c_str(), way.fd, name.c_str(),
                               RENAME_NOREPLACE) == 0) {
                dropInfo();
                return outcome(location, Status::Changed, "replaced while it was being moved; put back");
            }
            return outcome(location, Status::Changed,
                           "replaced while it was being moved; what took its place is "
                           "in the Trash as " +
                               candidate);
        }
        chosen = candidate;
    }

    RemovalOutcome o = outcome(location, Status::Removed);
    o.items = 1;
    o.movedToTrash = true;
    o.bytes = st.size;
    if (st.isDirectory()) {
        const int fd = calls.openFolder(trash.files.get(), chosen.c_str(), true);
        if (fd >= 0) {
            o.bytes = FolderWalk::totalSizeOfDescriptor(fd);
            calls.close(fd);
        } else {
            o.bytes = 0;
        }
        if (kind_ == Kind::Freedesktop)
            addDirectorySize(trash.trash.get(), chosen, o.bytes, infoStat.st_mtime);
    }
    return o;
}

} // namespace dovrel
