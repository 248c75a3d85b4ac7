#include "layout/LinuxSystem.h"

#include "fs/DirectoryListing.h"
#include "layout/KeyFile.h"

namespace dovrel {

bool LinuxSystem::readFlatpakInstallations(const Location& folder, std::vector<Location>& out) {
    bool complete = true;
    for (const auto& e : DirectoryListing::list(folder, true)) {
        if (!e.name.ends_with(".conf"))
            continue;
        auto file = KeyFile::readFile(e.path);
        if (!file) {
            complete = false;
            continue;
        }
        for (const auto& group : file->groups()) {
            if (!group.name.starts_with("Installation "))
                continue;
            auto path = KeyFile::value(group, "Path");
            if (path && !path->empty() && path->front() == '/')
                out.emplace_back(KeyFile::unescape(*path));
            else
                complete = false; // an installation we cannot locate
        }
    }
    return complete;
}

LinuxSystem LinuxSystem::standard(const XdgDirs::Environment& environment, const Location& etc) {
    LinuxSystem system;
    system.flatpakSystemInstallations.push_back("/var/lib/flatpak");
    if (auto dir = environment("FLATPAK_SYSTEM_DIR"); dir && !dir->empty() && dir->front() == '/')
        system.flatpakSystemInstallations.emplace_back(*dir);
    system.flatpakConfigUnreadable =
        !readFlatpakInstallations(etc / "flatpak/installations.d", system.flatpakSystemInstallations);
    if (auto dir = environment("FLATPAK_USER_DIR"); dir && !dir->empty() && dir->front() == '/')
        system.flatpakUserInstallation = Location(*dir);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (auto v = environment(name); v && !v->empty()) {
            system.locale = *v;
            break;
        }
    }
    return system;
}

} // namespace dovrel
