#include "layout/LinuxTrash.h"

#include "fs/DirectoryListing.h"
#include "fs/SizeMemo.h"

#include <set>

#include <sys/stat.h>

namespace dovrel {

namespace {

constexpr std::string_view kInfoSuffix = ".trashinfo";

// What lies at `path` without following a link: absent, a regular file, or
// something else (a folder, a link, a FIFO...).
enum class InfoKind { Absent, Regular, Other };

InfoKind infoKind(const Location& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return InfoKind::Absent;
    return S_ISREG(st.st_mode) ? InfoKind::Regular : InfoKind::Other;
}

QString text(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

LinuxTrash::LinuxTrash(Location trash, Location topDirectory)
    : trash_(std::move(trash)), top_(std::move(topDirectory)) {}

std::vector<LinuxTrash::Entry> LinuxTrash::entries(std::vector<SkippedPlace>* skipped) const {
    std::vector<Entry> out;
    std::set<std::string> seen;
    for (auto& e : DirectoryListing::list(filesFolder(), false)) {
        seen.insert(e.name);
        const Location infoPath = infoFolder() / (e.name + std::string(kInfoSuffix));
        // A .trashinfo that is not a regular file (a folder, a link...) is not
        // ours to remove, and the pair goes only together: leave both alone.
        if (infoKind(infoPath) == InfoKind::Other) {
            if (skipped)
                skipped->push_back({e.path, SkippedPlace::Why::TrashInfoNotAFile});
            continue;
        }
        Entry entry;
        entry.location = std::move(e.path);
        entry.name = e.name;
        entry.info = TrashInfo::read(infoPath, top_);
        out.push_back(std::move(entry));
    }
    for (auto& e : DirectoryListing::list(infoFolder(), false)) {
        if (e.name.size() <= kInfoSuffix.size() || !e.name.ends_with(kInfoSuffix))
            continue;
        std::string name = e.name.substr(0, e.name.size() - kInfoSuffix.size());
        // "..trashinfo" and "...trashinfo" would pair with files/. and files/..,
        // which can never be removed: not listed.
        if (seen.count(name) || name == "." || name == "..")
            continue;
        if (infoKind(e.path) != InfoKind::Regular)
            continue;
        Entry entry;
        entry.location = std::move(e.path);
        entry.name = std::move(name);
        entry.infoOnly = true;
        entry.info = TrashInfo::read(entry.location, top_);
        out.push_back(std::move(entry));
    }
    return out;
}

QString LinuxTrash::label(const Entry& entry) {
    return text(entry.info ? entry.info->original.native() : entry.name);
}

std::vector<std::shared_ptr<LargeFile>> LinuxTrash::items(SizeMemo& sizes, ByteCount& total,
                                                          std::vector<SkippedPlace>* skipped) const {
    const std::vector<Entry> list = entries(skipped);
    std::vector<Location> locations;
    for (const Entry& e : list)
        locations.push_back(e.location);
    const std::vector<ByteCount> each = sizes.locationSizes(locations);
    std::vector<std::shared_ptr<LargeFile>> out;
    total = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        out.push_back(LargeFile::init_with_file_url(list[i].location, label(list[i]), each[i], QString()));
        total += each[i];
    }
    return out;
}

} // namespace dovrel
