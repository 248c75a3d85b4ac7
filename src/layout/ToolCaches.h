#pragma once

#include "fs/Types.h"
#include "layout/XdgDirs.h"

#include <QString>

#include <vector>

namespace dovrel {

// Where developer tools keep what they download, outside $XDG_CACHE_HOME.
// Each folder is one the tool's own documentation calls a cache, whose
// contents the tool fetches again when they are missing; what a build or a
// program reads in place stays (see ToolCaches.cpp for each choice).
//
//   label   folder                                   moved by (only to a folder inside the home)
//   npm     ~/.npm/_cacache                          npm_config_cache (<it>/_cacache)
//   pnpm    $XDG_DATA_HOME/pnpm/store                npm_config_store_dir
//   Cargo   ~/.cargo/registry/cache, ~/.cargo/git/db CARGO_HOME
//   Gradle  ~/.gradle/caches, ~/.gradle/wrapper/dists GRADLE_USER_HOME
//   Maven   ~/.m2/repository                          (settings.xml is not read)
//   Go      ~/go/pkg/mod                              GOMODCACHE, else GOPATH's first entry + /pkg/mod
//   Conda   ~/.conda/pkgs, ~/{miniconda3,anaconda3,miniforge3}/pkgs (beside a conda-meta folder)
//                                                     CONDA_PKGS_DIRS (each entry)
//
// A variable naming a folder outside the home, or reached through a symbolic
// link, is ignored and the default used. Nothing here touches the disk but
// the conda-meta test; whether a folder exists and is reached without a link
// is the layout's to check.
class ToolCaches {
public:
    struct Place {
        QString label;
        Location folder;
    };

    // Every candidate, in the order above, each folder once; a folder inside
    // another candidate or inside `dirs.cacheHome` (listed there already), or
    // holding one of the base folders, is left out.
    static std::vector<Place> places(const XdgDirs& dirs, const XdgDirs::Environment& environment);
};

} // namespace dovrel
