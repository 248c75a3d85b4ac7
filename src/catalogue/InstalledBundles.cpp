#include "catalogue/InstalledBundles.h"

#include "fs/FolderWalk.h"
#include "fs/PathOps.h"

#include <unistd.h>

namespace dovrel {

bool InstalledBundles::isBundleName(std::string_view name) {
    constexpr std::string_view kSuffix = ".app";
    if (name.size() <= kSuffix.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kSuffix.size());
    for (std::size_t i = 0; i < kSuffix.size(); ++i) {
        const char c = tail[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != kSuffix[i])
            return false;
    }
    return true;
}

std::vector<Location> InstalledBundles::below(const Location& folder) {
    std::vector<Location> found;
    if (folder.empty())
        return found;
    const int fd = PathOps::openDirectory(folder, true);
    if (fd < 0)
        return found;
    FolderWalk::Options options;
    options.sizes = false;
    FolderWalk::walkDescriptor(fd, options, [&](const FolderWalk::Item& item) {
        if (isBundleName(item.name))
            found.push_back(item.path(folder));
        return item.depth + 1 < kMaxDepth;
    });
    ::close(fd);
    return found;
}

} // namespace dovrel
