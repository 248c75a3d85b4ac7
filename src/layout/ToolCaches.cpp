#include "layout/ToolCaches.h"

#include "fs/PathOps.h"

namespace dovrel {

namespace {

bool within(const Location& outer, const Location& inner) {
    const Location rel = inner.lexically_normal().lexically_relative(outer.lexically_normal());
    return !rel.empty() && *rel.begin() != "..";
}

// The entries of a list variable (`separator`-separated), as given.
std::vector<std::string> entries(const std::string& list, char separator) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = list.find(separator, start);
        out.push_back(list.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return out;
}

} // namespace

std::vector<ToolCaches::Place> ToolCaches::places(const XdgDirs& dirs,
                                                  const XdgDirs::Environment& environment) {
    const Location& home = dirs.home;
    // The folder a variable names, when it lies inside the home.
    auto moved = [&](const char* variable) -> std::optional<Location> {
        if (!environment)
            return std::nullopt;
        if (auto value = environment(variable))
            return XdgDirs::insideHome(home, *value);
        return std::nullopt;
    };
    std::vector<Place> all;
    auto add = [&](const char* label, const Location& folder) {
        all.push_back({QString::fromLatin1(label), folder.lexically_normal()});
    };

    // npm: its cache folder (npm's "cache" setting, ~/.npm) holds _cacache,
    // the content-addressed store `npm cache clean` empties; the rest of
    // ~/.npm (_logs, _npx, _update-notifier-last-checked) is not taken.
    add("npm", moved("npm_config_cache").value_or(home / ".npm") / "_cacache");

    // pnpm: the content-addressable store (pnpm's "store-dir"). Projects'
    // node_modules hold hard links to its files, so they keep working and
    // pnpm fetches what is missing on the next install. $XDG_DATA_HOME/pnpm
    // itself also holds the globally installed packages: only the store goes.
    add("pnpm", moved("npm_config_store_dir").value_or(dirs.dataHome / "pnpm/store"));

    // Cargo: registry/cache holds the downloaded .crate archives and git/db
    // the bare clones of git dependencies, both fetched again when missing.
    // Left: bin (installed programs), registry/index (the registry's index,
    // needed to resolve versions and for --offline builds), and registry/src
    // and git/checkouts, the unpacked sources that builds compile and
    // editors and debug information point into.
    const Location cargo = moved("CARGO_HOME").value_or(home / ".cargo");
    add("Cargo", cargo / "registry/cache");
    add("Cargo", cargo / "git/db");

    // Gradle: caches (Gradle's "global cache directory", downloaded
    // dependencies and build caches) and wrapper/dists (the distributions the
    // wrapper downloads). Left: gradle.properties, init.d, native, daemon logs.
    const Location gradle = moved("GRADLE_USER_HOME").value_or(home / ".gradle");
    add("Gradle", gradle / "caches");
    add("Gradle", gradle / "wrapper/dists");

    // Maven: the local repository, "a cache of the remote downloads" (with
    // artifacts `mvn install` put there, made again by the next install).
    // A localRepository set in settings.xml is not looked for.
    add("Maven", home / ".m2/repository");

    // Go: the module cache (`go clean -modcache` empties it). Its folders are
    // read-only; the removal makes a folder inside a location writable again
    // to empty it.
    if (auto modcache = moved("GOMODCACHE")) {
        add("Go", *modcache);
    } else {
        std::optional<Location> gopath;
        if (environment)
            if (auto list = environment("GOPATH"); list && !list->empty())
                gopath = XdgDirs::insideHome(home, entries(*list, ':').front());
        add("Go", gopath.value_or(home / "go") / "pkg/mod");
    }

    // Conda: the package caches ("pkgs_dirs"; `conda clean --packages
    // --tarballs` empties them). Environments hold hard links to what they
    // use. An installation's pkgs counts only beside its conda-meta folder.
    if (environment)
        if (auto list = environment("CONDA_PKGS_DIRS"))
            for (const std::string& entry : entries(*list, ','))
                if (auto inside = XdgDirs::insideHome(home, entry))
                    add("Conda", *inside);
    add("Conda", home / ".conda/pkgs");
    for (const char* root : {"miniconda3", "anaconda3", "miniforge3"})
        if (PathOps::isDirectory(home / root / "conda-meta"))
            add("Conda", home / root / "pkgs");

    std::vector<Place> out;
    for (const Place& p : all) {
        // Inside the cache folder it is listed already; holding one of the
        // base folders (a variable naming ~/.local), it is not a cache.
        bool skip = within(dirs.cacheHome, p.folder) || within(p.folder, dirs.cacheHome) ||
                    within(p.folder, dirs.dataHome) || within(p.folder, dirs.configHome);
        for (const Place& q : all)
            if (&q != &p && (q.folder == p.folder ? &q < &p : within(q.folder, p.folder)))
                skip = true;
        if (!skip)
            out.push_back(p);
    }
    return out;
}

} // namespace dovrel
