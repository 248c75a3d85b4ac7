#include "layout/TrashPairRemoval.h"

#include "fs/Remover.h"
#include "layout/BrowserInUse.h"
#include "layout/TrashInfo.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {

namespace {

using Status = RemovalOutcome::Status;

constexpr std::string_view kInfoSuffix = ".trashinfo";
constexpr std::int64_t kMaxSizesFile = 4 * 1024 * 1024;

RemovalOutcome outcome(const Location& location, Status status, std::string reason = {}) {
    RemovalOutcome o;
    o.location = location;
    o.status = status;
    o.reason = std::move(reason);
    return o;
}

// Owns a descriptor.
struct Fd {
    int fd = -1;
    explicit Fd(int f = -1) : fd(f) {}
    ~Fd() {
        if (fd >= 0)
            ::close(fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    void reset(int f) {
        if (fd >= 0)
            ::close(fd);
        fd = f;
    }
};

bool readAll(int fd, std::string& out) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxSizesFile)
        return false;
    out.resize(static_cast<std::size_t>(kMaxSizesFile) + 1);
    std::size_t got = 0;
    while (got < out.size()) {
        const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return got <= static_cast<std::size_t>(kMaxSizesFile);
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

// The name a directorysizes line is about: its third field, percent-decoded.
std::optional<std::string> lineName(std::string_view line) {
    const std::size_t first = line.find(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t second = line.find(' ', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    std::string_view name = line.substr(second + 1);
    if (!name.empty() && name.back() == '\r')
        name.remove_suffix(1);
    return TrashInfo::percentDecode(name);
}

} // namespace

TrashPairRemoval::TrashPairRemoval(Remover& remover, Location home, Location trash)
    : remover_(remover), home_(std::move(home)), trash_(std::move(trash).lexically_normal()) {}

RemovalOutcome TrashPairRemoval::removeOne(const RemovalRequest& request) {
    RemovalReport report = remover_.remove({request});
    return report.outcomes.empty() ? outcome(request.location, Status::Failed, "not removed")
                                   : std::move(report.outcomes.front());
}

RemovalOutcome TrashPairRemoval::removePair(const RemovalRequest& request, const std::string& name) {
    RemovalOutcome o = removeOne(request);
    if (!o.done())
        return o; // the .trashinfo stays with what is left of its item
    const RemovalOutcome info =
        removeOne({trash_ / "info" / (name + std::string(kInfoSuffix)), std::nullopt});
    o.items += info.items;
    o.bytes += info.bytes;
    if (!info.done()) {
        o.status = info.status == Status::Cancelled ? Status::Cancelled : Status::Failed;
        o.reason = "the item went but its trash information stayed: " + info.reason;
        return o;
    }
    dropDirectorySize(name);
    return o;
}

RemovalOutcome TrashPairRemoval::removeLoneInfo(const RemovalRequest& request, const std::string& name) {
    struct stat st {};
    const Location item = trash_ / "files" / name;
    if (::lstat(item.c_str(), &st) == 0 || errno != ENOENT)
        return outcome(request.location, Status::Refused, "its trashed item is still in the trash");
    RemovalOutcome o = removeOne(request);
    if (o.done())
        dropDirectorySize(name);
    return o;
}

RemovalReport TrashPairRemoval::removeFor(Remover& remover, const Location& home,
                                          const std::optional<Location>& trash,
                                          const std::vector<RemovalRequest>& requests) {
    TrashPairRemoval removal(remover, home, trash.value_or(home));
    removal.pairs_ = trash.has_value();
    return removal.remove(requests);
}

RemovalReport TrashPairRemoval::remove(const std::vector<RemovalRequest>& requests) {
    RemovalReport report;
    bool cancelled = false;
    std::vector<RemovalRequest> pending; // plain locations, removed together
    auto add = [&](RemovalOutcome o) {
        report.itemsRemoved += o.items;
        report.bytesFreed += o.bytes;
        cancelled = cancelled || o.status == Status::Cancelled;
        report.outcomes.push_back(std::move(o));
    };
    auto flush = [&] {
        if (pending.empty())
            return;
        RemovalReport part = remover_.remove(pending);
        for (auto& o : part.outcomes)
            add(std::move(o));
        pending.clear();
    };

    const Location files = trash_ / "files", info = trash_ / "info";
    for (const RemovalRequest& r : requests) {
        const Location l = r.location.lexically_normal();
        const Location parent = l.parent_path();
        const std::string name = l.filename().native();
        const bool pair = pairs_ && parent == files && !name.empty();
        const bool loneInfo =
            pairs_ && parent == info && name.size() > kInfoSuffix.size() && name.ends_with(kInfoSuffix);
        const bool structure =
            pairs_ && (l == trash_ || l == files || l == info || l == trash_ / "directorysizes");
        if (cancelled) {
            add(outcome(r.location, Status::Cancelled));
            continue;
        }
        const std::optional<std::string> browser = BrowserInUse::holderOf(home_, l);
        if (!pair && !loneInfo && !structure && !browser) {
            pending.push_back(r);
            continue;
        }
        flush();
        if (cancelled)
            add(outcome(r.location, Status::Cancelled));
        else if (browser)
            add(outcome(r.location, Status::Refused, BrowserInUse::reason(*browser)));
        else if (structure)
            add(outcome(r.location, Status::Refused, "part of the trash itself"));
        else if (pair)
            add(removePair(r, name));
        else
            add(removeLoneInfo(r, name.substr(0, name.size() - kInfoSuffix.size())));
    }
    flush();
    return report;
}

bool TrashPairRemoval::dropDirectorySize(const std::string& name) const {
    const Location relative = trash_.lexically_relative(home_.lexically_normal());
    if (relative.empty() || *relative.begin() == "..")
        return false;
    Fd dir(::open(home_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const auto& part : relative) {
        if (dir.fd < 0)
            return false;
        dir.reset(::openat(dir.fd, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }
    if (dir.fd < 0)
        return false;

    Fd in(::openat(dir.fd, "directorysizes", O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (in.fd < 0)
        return errno == ENOENT;
    std::string old;
    struct stat st {};
    if (!readAll(in.fd, old) || ::fstat(in.fd, &st) != 0)
        return false;

    std::string kept;
    bool dropped = false;
    std::string_view rest = old;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end == std::string_view::npos ? rest.size() : end + 1);
        rest.remove_prefix(line.size());
        std::string_view bare = line;
        if (!bare.empty() && bare.back() == '\n')
            bare.remove_suffix(1);
        if (lineName(bare) == name) {
            dropped = true;
            continue;
        }
        kept += line;
    }
    if (!dropped)
        return true;

    const std::string temp = "directorysizes.dovrel-" + std::to_string(::getpid());
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    Fd out(::openat(dir.fd, temp.c_str(), flags, st.st_mode & 0666));
    if (out.fd < 0 && errno == EEXIST && ::unlinkat(dir.fd, temp.c_str(), 0) == 0)
        out.reset(::openat(dir.fd, temp.c_str(), flags, st.st_mode & 0666));
    if (out.fd < 0)
        return false;
    const bool written = writeAll(out.fd, kept) && ::fsync(out.fd) == 0;
    out.reset(-1);
    if (!written || ::renameat(dir.fd, temp.c_str(), dir.fd, "directorysizes") != 0) {
        ::unlinkat(dir.fd, temp.c_str(), 0);
        return false;
    }
    return true;
}

} // namespace dovrel
