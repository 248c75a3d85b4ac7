#include "screens/access/FullDiskAccessCheck.h"

#include "fs/UniqueFd.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/gui/SystemVersion.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {

std::filesystem::path FullDiskAccessCheck::probeFile(const std::filesystem::path& home) {
    if (SystemVersion::isAtLeast(10, 15))
        return home / "Library" / "Safari" / "CloudTabs.db";
    return home / "Library" / "Safari" / "Bookmarks.plist";
}

FullDiskAccessCheck::Outcome FullDiskAccessCheck::check(const std::filesystem::path& home) {
    const std::filesystem::path probe = probeFile(home);
    struct stat st {};
    if (::stat(probe.c_str(), &st) != 0)
        return Outcome::Undecided; // it does not exist (or cannot even be looked at)
    // Only a regular file is read: a FIFO or device at that name would block.
    if (!S_ISREG(st.st_mode))
        return Outcome::Denied;
    const UniqueFd fd(::open(probe.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd)
        return Outcome::Denied;
    struct stat opened {};
    if (::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return Outcome::Denied;
    char buffer[64 * 1024];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n > 0)
            continue;
        if (n < 0 && errno == EINTR)
            continue;
        ok = n == 0;
        break;
    }
    return ok ? Outcome::Granted : Outcome::Denied;
}

FullDiskAccessCheck::Outcome FullDiskAccessCheck::run(const Defaults& settings) {
    const Grant::Resolution home = Grant::resolve(settings, QString::fromLatin1(Grant::kHomeKey));
    if (!home.resolved())
        return Outcome::Undecided;
    return check(*home.folder);
}

} // namespace dovrel
