#include "layout/LinuxTrash.h"

#include "fs/DirectoryListing.h"
#include "fs/SizeMemo.h"

#include <set>

namespace dovrel {

namespace {

constexpr std::string_view kInfoSuffix = ".trashinfo";

QString text(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

LinuxTrash::LinuxTrash(Location trash, Location topDirectory)
    : trash_(std::move(trash)), top_(std::move(topDirectory)) {}

std::vector<LinuxTrash::Entry> LinuxTrash::entries() const {
    std::vector<Entry> out;
    std::set<std::string> seen;
    for (auto& e : DirectoryListing::list(filesFolder(), false)) {
        Entry entry;
        entry.location = std::move(e.path);
        entry.name = e.name;
        entry.info = TrashInfo::read(infoFolder() / (e.name + std::string(kInfoSuffix)), top_);
        seen.insert(e.name);
        out.push_back(std::move(entry));
    }
    for (auto& e : DirectoryListing::list(infoFolder(), false)) {
        if (e.name.size() <= kInfoSuffix.size() || !e.name.ends_with(kInfoSuffix))
            continue;
        std::string name = e.name.substr(0, e.name.size() - kInfoSuffix.size());
        if (seen.count(name))
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

std::vector<std::shared_ptr<LargeFile>> LinuxTrash::items(SizeMemo& sizes, ByteCount& total) const {
    const std::vector<Entry> list = entries();
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
