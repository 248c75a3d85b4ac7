#include "fs/DirectoryListing.h"

#include "fs/DirectoryReader.h"
#include "fs/PathOps.h"

#include <unistd.h>

namespace dovrel {

std::vector<DirectoryListing::Entry> DirectoryListing::list(const Location& folder, bool skipHidden) {
    auto listed = listIfReadable(folder, skipHidden);
    return listed ? std::move(*listed) : std::vector<Entry>{};
}

std::optional<std::vector<DirectoryListing::Entry>> DirectoryListing::listIfReadable(const Location& folder,
                                                                                     bool skipHidden) {
    std::vector<Entry> out;
    if (folder.empty())
        return std::nullopt;
    int fd = PathOps::openDirectory(folder, true);
    if (fd < 0)
        return std::nullopt;
    DirectoryReader reader(fd);
    DirectoryReader::Entry e{};
    while (reader.next(e)) {
        if (skipHidden && e.name[0] == '.')
            continue;
        out.push_back(Entry{folder / std::string(e.name), std::string(e.name), e.type});
    }
    ::close(fd);
    return out;
}

std::string DirectoryListing::pathExtension(const std::string& name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return {};
    return name.substr(dot + 1);
}

} // namespace dovrel
