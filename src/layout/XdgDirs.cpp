#include "layout/XdgDirs.h"

#include "fs/PathOps.h"

#include <cstdlib>
#include <sys/stat.h>

namespace dovrel {

std::optional<Location> XdgDirs::insideHome(const Location& home, const std::string& value) {
    if (value.empty() || value.front() != '/')
        return std::nullopt;
    // Trailing separators dropped, so "/home/ann/.cache/" is ".cache".
    auto normal = [](const Location& p) {
        Location n = p.lexically_normal();
        while (!n.has_filename() && n != n.root_path())
            n = n.parent_path();
        return n;
    };
    const Location base = normal(home);
    const Location path = normal(Location(value));
    const Location relative = path.lexically_relative(base);
    if (relative.empty() || relative == "." || *relative.begin() == "..")
        return std::nullopt;
    Location walked = base;
    for (const auto& part : relative) {
        walked /= part;
        struct stat st {};
        if (PathOps::status(walked, st, false) && S_ISLNK(st.st_mode))
            return std::nullopt;
    }
    return walked;
}

XdgDirs XdgDirs::resolve(const Location& home, const Environment& environment) {
    XdgDirs dirs;
    dirs.home = home;
    dirs.environment = environment;
    auto pick = [&](const char* variable, const char* fallback) {
        if (auto value = environment(variable))
            if (auto inside = insideHome(home, *value))
                return *inside;
        return home / fallback;
    };
    dirs.dataHome = pick("XDG_DATA_HOME", ".local/share");
    dirs.configHome = pick("XDG_CONFIG_HOME", ".config");
    dirs.cacheHome = pick("XDG_CACHE_HOME", ".cache");
    // Every entry of the cache folder is a cache: it must not hold the data
    // or configuration folders (XDG_CACHE_HOME=~/.local would offer
    // .local/share whole).
    auto holds = [](const Location& outer, const Location& inner) {
        const Location rel = inner.lexically_relative(outer);
        return !rel.empty() && *rel.begin() != "..";
    };
    if (holds(dirs.cacheHome, dirs.dataHome) || holds(dirs.cacheHome, dirs.configHome))
        dirs.cacheHome = home / ".cache";

    std::string list = environment("XDG_DATA_DIRS").value_or(std::string());
    if (list.empty())
        list = "/usr/local/share/:/usr/share/";
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t colon = list.find(':', start);
        const std::string item =
            list.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (!item.empty() && item.front() == '/')
            dirs.dataDirs.push_back(Location(item).lexically_normal());
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return dirs;
}

XdgDirs::Environment XdgDirs::processEnvironment() {
    return [](const char* name) -> std::optional<std::string> {
        if (const char* v = std::getenv(name))
            return std::string(v);
        return std::nullopt;
    };
}

} // namespace dovrel
