#include "layout/LinuxSystem.h"

#include "fs/DirectoryListing.h"
#include "fs/PathOps.h"
#include "layout/KeyFile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {

bool LinuxSystem::readFlatpakInstallations(const Location& folder, std::vector<Location>& out) {
    const auto listed = DirectoryListing::listIfReadable(folder, true);
    if (!listed) {
        // Only a folder that is certainly not there holds no installations.
        struct stat st {};
        return !PathOps::status(folder, st, true) && errno == ENOENT;
    }
    bool complete = true;
    for (const auto& e : *listed) {
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

namespace {

std::optional<Location> executable(const Location& path) {
    struct stat st {};
    if (PathOps::status(path, st, true) && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0)
        return path;
    return std::nullopt;
}

std::optional<Location> onPath(const XdgDirs::Environment& environment, const char* name) {
    const auto path = environment("PATH");
    if (!path)
        return std::nullopt;
    std::string_view rest = *path;
    while (true) {
        const std::size_t colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        if (!dir.empty() && dir.front() == '/')
            if (auto found = executable(Location(std::string(dir)) / name))
                return found;
        if (colon == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(colon + 1);
    }
}

std::string localeOf(const XdgDirs::Environment& environment) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (auto v = environment(name); v && !v->empty())
            return *v;
    return {};
}

} // namespace

LinuxSystem LinuxSystem::underRoot(const Location& root, const XdgDirs::Environment& environment) {
    LinuxSystem system;
    system.flatpakSystemInstallations = {root / "flatpak"};
    system.snapRoot = root / "snap";
    system.flatpakProgram = executable(root / "bin/flatpak");
    system.snapProgram = executable(root / "bin/snap");
    system.locale = localeOf(environment);
    return system;
}

XdgDirs::Environment LinuxSystem::environmentUnderRoot(const Location& root,
                                                       XdgDirs::Environment environment) {
    return [root, environment = std::move(environment)](const char* name) -> std::optional<std::string> {
        if (std::string_view(name) == "XDG_DATA_DIRS")
            return (root / "share").native();
        return environment(name);
    };
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
    system.flatpakProgram = onPath(environment, "flatpak");
    system.snapProgram = onPath(environment, "snap");
    system.locale = localeOf(environment);
    return system;
}

} // namespace dovrel
